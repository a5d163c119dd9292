#include "formats/diskpath.h"

#include "formats/codepage.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

std::string toDiskPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString fromDiskPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string diskPathFromStored(const std::string& storedValue) {
    return toDiskPath(fromCodePage(storedValue));
}

std::optional<std::string> storedFromDiskPath(const std::string& diskPath) {
    return toCodePage(fromDiskPath(diskPath));
}

bool sameFile(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}
