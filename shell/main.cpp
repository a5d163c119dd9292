#include "formats/simulatorpaths.h"
#include "shell/commandline.h"
#include "shell/keshapp.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

namespace {

// --help and --version answer before Qt looks for a display.
int answerWithoutWindow(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine line = parseCommandLine(arguments);
    if (!line.help && !line.version)
        return -1;
    const QString text = line.help ? commandLineHelp() : versionText();
    std::fputs(text.toUtf8().constData(), stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (const int answered = answerWithoutWindow(argc, argv); answered >= 0)
        return answered;

    // One display list and one set of textures serve every view of a glider.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Corvel Works"));
    QApplication::setApplicationName(QStringLiteral("kesh"));
    QApplication::setDesktopFileName(QStringLiteral("works.corvel.kesh"));

    const QStringList arguments = QApplication::arguments();
    setSimulatorDirectory(
        startSimulatorDirectory(QDir::currentPath(), parseCommandLine(arguments).openFiles));
    CKeshApp kesh(arguments);
    kesh.show();
    return QApplication::exec();
}
