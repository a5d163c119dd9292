#pragma once

#include <string>

// The simulator directory for a working directory: "/.." appended when it holds "/bin"
// (or "\bin").
std::string simulatorDirectoryFrom(const std::string& workingDir);

// Set once at start; the airfoils and gliders directories named in glider files are here.
void setSimulatorDirectory(const std::string& dir);
const std::string& simulatorDirectory();

/**
 * The file a save writes: in the ini file's directory (the ini path itself when it names a
 * directory), "gliders", the glider name (as stored in the file, spelt as the file system
 * spells it), then the file name of chosenPath.
 * Creates nothing. Throws errSaveGlider when no ini path is set or the name is empty or
 * unusable.
 */
std::string gliderSaveTarget(const std::string& iniPath, const std::string& gliderName,
                             const std::string& chosenPath);
// gliderSaveTarget, with the glider's directory created (the last level only); also throws
// errSaveGlider when that directory cannot be created.
std::string gliderSavePath(const std::string& iniPath, const std::string& gliderName,
                           const std::string& chosenPath);

// The part after the last '\' or '/', the whole path when it has neither.
std::string fileNamePart(const std::string& path);

// simulatorDir + "/" + subdir + "/" + name, a '\' in the name becoming '/'.
std::string simulatorFilePath(const std::string& simulatorDir, const std::string& subdir,
                              const std::string& name);
// simulatorFilePath of a value stored in a glider file, converted from the files' code page
// to the file system's encoding.
std::string storedToDiskPath(const std::string& simulatorDir, const std::string& subdir,
                             const std::string& storedValue);
