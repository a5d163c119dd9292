#pragma once

#include "model/glider.h"

#include <string>

/**
 * Reads a glider file into the glider, loading each surface's airfoil from
 * simulatorDir/airfoils. Throws errLoadGlider (French text, caption "Erreur") when the file
 * cannot be read, has an empty [main] or declares more than 10 panes for a surface; lets
 * errLoadFoil and errOldFoil through. Texture paths are set, textures are not loaded.
 */
void readGlider(Glider& glider, const std::string& path, const std::string& simulatorDir);
// The same, loading each surface's airfoil through `loadFoil` from its full path.
void readGlider(Glider& glider, const std::string& path, const std::string& simulatorDir,
                const FoilLoader& loadFoil);

// The whole glider file as written, with CR LF line ends. Throws errSaveGlider when an
// airfoil or texture file name has a character the files' code page cannot hold.
std::string gliderFileText(const Glider& glider);

/**
 * Saves the glider into its directory under the gliders directory next to the ini file,
 * under the file name of requestedPath, through a temporary file renamed over the target.
 * Returns the path written; throws errSaveGlider (caption "Erreur") on every failure.
 */
std::string writeGlider(const Glider& glider, const std::string& iniPath,
                        const std::string& requestedPath);
