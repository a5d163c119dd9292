#include "shell/diskpaths.h"

#include <QFile>
#include <QFileInfo>

std::string diskPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString fromDiskPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

bool sameFile(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}
