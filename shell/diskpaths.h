#pragma once

#include <QString>
#include <string>

// Paths on disk are the file system's bytes, converted with its own encoding.
std::string diskPath(const QString& path);
QString fromDiskPath(const std::string& path);

// Whether both name the same existing file or directory, links and dots resolved.
bool sameFile(const QString& a, const QString& b);
