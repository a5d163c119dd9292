#pragma once

#include <string>

// The simulator directory for a working directory: "/.." appended when it holds "/bin"
// (or "\bin").
std::string simulatorDirectoryFrom(const std::string& workingDir);

// Set once at start; the airfoils and gliders directories named in glider files are here.
void setSimulatorDirectory(const std::string& dir);
const std::string& simulatorDirectory();

/**
 * The file a save writes: the ini path's directory, "gliders/", the glider name, "/", then
 * the file name of chosenPath. Creates the glider's directory (the last level only).
 * Throws errSaveGlider when no ini path is set, the name is empty or unusable, or the
 * directory cannot be created.
 */
std::string gliderSavePath(const std::string& iniPath, const std::string& gliderName,
                           const std::string& chosenPath);

// The part after the last '\' or '/', the whole path when it has neither.
std::string fileNamePart(const std::string& path);

// simulatorDir + "/" + subdir + "/" + storedValue, a stored '\' becoming '/'.
std::string storedToDiskPath(const std::string& simulatorDir, const std::string& subdir,
                             const std::string& storedValue);
