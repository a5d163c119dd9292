#include "aero/xfoil/xfoilprocess.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace {

// The preload library beside the executable, else where the build or the install put it.
QString noFpeLibrary() {
    QStringList candidates;
    if (QCoreApplication::instance())
        candidates << QCoreApplication::applicationDirPath() + "/" +
                          QFileInfo(QStringLiteral(KESH_NOFPE_BUILD_PATH)).fileName();
    candidates << QStringLiteral(KESH_NOFPE_BUILD_PATH) << QStringLiteral(KESH_NOFPE_INSTALL_PATH);
    for (const QString& path : candidates) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace

QProcessEnvironment xfoilEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString library = noFpeLibrary();
    if (!library.isEmpty())
        env.insert("LD_PRELOAD", library);
    env.insert("GFORTRAN_UNBUFFERED_ALL", "1");
    return env;
}

QString findXfoil(const QString& program) {
    if (program.contains('/'))
        return QFileInfo(program).isExecutable() ? program : QString();
    return QStandardPaths::findExecutable(program);
}
