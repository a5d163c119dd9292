#include "aero/xfoil/xfoilprocess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace {

// The build tree keeps the install's layout relative to a common top: an installed program
// finds the library under bin/.., one in the build tree a few levels up. No absolute path is
// built in, so the install can be moved.
constexpr int kSearchLevels = 4;

// The preload library under the nearest directory, from the program's own upwards, that has it.
QString noFpeLibrary() {
    QDir dir = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).dir();
    for (int level = 0; level <= kSearchLevels; ++level) {
        const QString candidate = dir.filePath(QStringLiteral(KESH_NOFPE_LIBRARY));
        if (QFileInfo(candidate).isFile())
            return candidate;
        if (!dir.cdUp())
            break;
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

double processCpuSeconds(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return -1;
    // The command name may hold blanks and brackets: the fields start after the last ')'.
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 1).simplified().split(' ');
    constexpr int kUserTime = 11; // utime and stime, the 14th and 15th fields of the line
    const long ticks = ::sysconf(_SC_CLK_TCK);
    if (fields.size() <= kUserTime + 1 || ticks <= 0)
        return -1;
    bool userOk = false;
    bool systemOk = false;
    const double used =
        fields[kUserTime].toDouble(&userOk) + fields[kUserTime + 1].toDouble(&systemOk);
    return userOk && systemOk ? used / static_cast<double>(ticks) : -1;
}
