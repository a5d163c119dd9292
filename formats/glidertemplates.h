#pragma once

#include "model/glider.h"

#include <string>
#include <vector>

// A glider a new document can start from.
struct GliderTemplate {
    std::string name;        // its directory and file name under the templates' gliders
    std::string description; // one line, French; the shell translates it in "GliderTemplates"
};

// The empty glider, which has no file.
inline constexpr const char* kEmptyTemplate = "Vide";

// Every template, the empty glider first.
const std::vector<GliderTemplate>& gliderTemplates();
const GliderTemplate* findTemplate(const std::string& name);

/**
 * Where the templates are: share/kesh/templates beside the program's directory, as installed
 * (the build tree links the sources' there). The templates directory is laid out as a
 * simulator directory, gliders/NAME/NAME.gli and airfoils/.
 */
std::string templatesDirectory(const std::string& programDir);

// Reads a template into a new glider with no path, its airfoils from the templates' own
// directory; the empty template gives the empty glider. Throws errLoadGlider for an unknown
// name and the err family for a file that cannot be read.
void readTemplate(Glider& glider, const std::string& templatesDir, const std::string& name);

// One airfoil a glider draws, and the file of that name in the simulator's airfoils.
struct FoilCopy {
    std::string source; // where the glider's airfoil was read from
    std::string target;
    bool present = false; // the target exists
    bool same = false;    // with the same bytes
};

// The airfoils of a glider that are not read from the simulator's airfoils directory, each
// file once.
std::vector<FoilCopy> foilCopies(const Glider& glider, const std::string& simulatorDir);

// Writes the source's bytes to the target (replacing it); false with the reason otherwise.
bool copyFoil(const FoilCopy& copy, std::string& error);

// Points the glider's airfoils at the simulator's airfoils directory, as a file opened
// from there would.
void pointFoilsAtSimulator(Glider& glider, const std::string& simulatorDir);
