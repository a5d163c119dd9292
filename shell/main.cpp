#include "shell/keshapp.h"

#include <QApplication>

int main(int argc, char** argv) {
    // One display list and one set of textures serve every view of a glider.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Corvel Works"));
    QApplication::setApplicationName(QStringLiteral("kesh"));

    CKeshApp kesh(QApplication::arguments());
    kesh.show();
    return QApplication::exec();
}
