#include "shell/commandline.h"

#include "formats/diskpath.h"
#include "formats/simulatorpaths.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kAirfoils = QStringLiteral("airfoils");

bool hasAirfoils(const QDir& dir) {
    return QFileInfo(dir.filePath(kAirfoils)).isDir();
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine line;
    bool files = false;
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            line.help = true;
        else if (argument == QLatin1String("--version"))
            line.version = true;
        else if (argument == QLatin1String("--open"))
            files = true;
        else if (argument.startsWith(QLatin1Char('-')))
            files = false;
        else if (files)
            line.openFiles.append(argument);
    }
    return line;
}

QString commandLineHelp() {
    return QString::fromUtf8(
        "Usage : kesh [--open FICHIER...]\n"
        "Éditeur de planeurs pour le simulateur Vantair.\n"
        "Le répertoire du simulateur est le répertoire de travail ou, s'il n'a pas de\n"
        "répertoire airfoils, celui du premier planeur ouvert qui est dans un simulateur.\n"
        "\n"
        "  --open FICHIER...  ouvre chaque fichier de planeur (.gli) comme « Ouvrir... »\n"
        "  --nosplash         démarre sans l'écran d'accueil\n"
        "  --help             affiche cette aide\n"
        "  --version          affiche la version\n");
}

QString versionText() {
    return QStringLiteral("kesh " KESH_VERSION "\n");
}

std::string startSimulatorDirectory(const QString& workingDir, const QStringList& openFiles) {
    const std::string derived = simulatorDirectoryFrom(toDiskPath(workingDir));
    if (hasAirfoils(QDir(fromDiskPath(derived))))
        return derived;
    for (const QString& file : openFiles) {
        QDir dir = QFileInfo(QDir(workingDir).absoluteFilePath(file)).absoluteDir();
        if (dir.cdUp() && dir.dirName() == QLatin1String("gliders") && dir.cdUp() &&
            hasAirfoils(dir))
            return toDiskPath(dir.absolutePath());
    }
    return derived;
}
