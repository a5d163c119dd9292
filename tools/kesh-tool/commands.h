#pragma once

#include <string>
#include <vector>

// Each command takes the words after its name and returns the process's exit status.
int runAnalyse(const std::vector<std::string>& args);
int runCheck(const std::vector<std::string>& args);
int runDump(const std::vector<std::string>& args);
int runFoil(const std::vector<std::string>& args);
int runFoilImport(const std::vector<std::string>& args);
int runNew(const std::vector<std::string>& args);
int runReport(const std::vector<std::string>& args);
int runSave(const std::vector<std::string>& args);
int runSheet(const std::vector<std::string>& args);
int runSkinTemplate(const std::vector<std::string>& args);
int runTextureExport(const std::vector<std::string>& args);
int runTextureImport(const std::vector<std::string>& args);
int runTune(const std::vector<std::string>& args);
