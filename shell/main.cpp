#include "shell/keshapp.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    // One display list and one set of textures serve every view of a glider.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Corvel Works"));
    QApplication::setApplicationName(QStringLiteral("kesh"));

    // The editor speaks French; Qt's own dialogs follow when their translation is installed.
    QTranslator qtFrench;
    if (qtFrench.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);

    CKeshApp kesh(QApplication::arguments());
    kesh.show();
    return QApplication::exec();
}
