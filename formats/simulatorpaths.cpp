#include "formats/simulatorpaths.h"

#include "formats/codepage.h"
#include "formats/diskpath.h"
#include "formats/messagetext.h"
#include "model/errors.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

std::string& storedSimulatorDirectory() {
    static std::string dir;
    return dir;
}

std::string errorCaption() {
    return MessageText("SimulatorPaths", "Erreur");
}

std::string trimmed(const std::string& text) {
    const char* const blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// A name that would leave the gliders directory, or not read back from the file.
bool unusableName(const std::string& name) {
    if (name == "." || name == "..")
        return true;
    return name.find_first_of(std::string("\\/\"[\0", 5)) != std::string::npos;
}

// The directory the gliders directory stands in: the ini file's own directory, or the
// path itself when it names a directory (as settings of older versions may hold).
std::filesystem::path saveRoot(const std::string& iniPath) {
    const std::filesystem::path ini(iniPath);
    std::error_code error;
    if (std::filesystem::is_directory(ini, error) || !ini.has_filename())
        return ini;
    return ini.parent_path();
}

void createLastLevel(const std::filesystem::path& dir) {
    std::error_code error;
    std::filesystem::create_directory(dir, error);
    if (std::filesystem::is_directory(dir, error))
        return;
    throw errSaveGlider(MessageText("SimulatorPaths",
                                    "Impossible de créer le répertoire '%1'.\n\nVérifiez que le "
                                    "répertoire 'gliders' existe à côté de vantair.ini et qu'il "
                                    "est accessible en écriture.")
                            .arg(dir.string()),
                        errorCaption());
}

} // namespace

std::string simulatorDirectoryFrom(const std::string& workingDir) {
    if (workingDir.find("/bin") != std::string::npos ||
        workingDir.find("\\bin") != std::string::npos)
        return workingDir + "/..";
    return workingDir;
}

void setSimulatorDirectory(const std::string& dir) {
    storedSimulatorDirectory() = dir;
}

const std::string& simulatorDirectory() {
    return storedSimulatorDirectory();
}

std::string gliderSaveTarget(const std::string& iniPath, const std::string& gliderName,
                             const std::string& chosenPath) {
    if (iniPath.empty())
        throw errSaveGlider(MessageText("SimulatorPaths",
                                        "Chemin pour Vantair n'est pas trouvé !\n\nAllez dans le  "
                                        "menu 'Fichier' 'Setup' avant de sauver"),
                            errorCaption());
    if (trimmed(gliderName).empty())
        throw errSaveGlider(MessageText("SimulatorPaths", "Le planeur courant n'a pas de nom !"),
                            errorCaption());
    if (unusableName(gliderName))
        throw errSaveGlider(MessageText("SimulatorPaths",
                                        "Le nom du planeur '%1' ne peut pas servir de nom de "
                                        "répertoire.\n\nIl ne doit contenir ni \\, ni /, ni \", "
                                        "ni [ et ne peut pas être . ou ..")
                                .arg(fromCodePage(gliderName).toStdString()),
                            errorCaption());
    const std::string fileName = fileNamePart(chosenPath);
    if (trimmed(fileName).empty() || fileName == "." || fileName == "..")
        throw errSaveGlider(MessageText("SimulatorPaths", "Le nom de fichier '%1' ne convient pas.")
                                .arg(chosenPath),
                            errorCaption());
    return (saveRoot(iniPath) / "gliders" / diskPathFromStored(gliderName) / fileName).string();
}

std::string gliderSavePath(const std::string& iniPath, const std::string& gliderName,
                           const std::string& chosenPath) {
    const std::string target = gliderSaveTarget(iniPath, gliderName, chosenPath);
    createLastLevel(std::filesystem::path(target).parent_path());
    return target;
}

std::string fileNamePart(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string simulatorFilePath(const std::string& simulatorDir, const std::string& subdir,
                              const std::string& name) {
    std::string value = name;
    std::replace(value.begin(), value.end(), '\\', '/');
    return simulatorDir + "/" + subdir + "/" + value;
}

std::string storedToDiskPath(const std::string& simulatorDir, const std::string& subdir,
                             const std::string& storedValue) {
    return simulatorFilePath(simulatorDir, subdir, diskPathFromStored(storedValue));
}
