#pragma once

#include <QString>

#include <optional>
#include <string>

// Paths on disk are the file system's bytes, whatever code page the files' text is in.

// The file system's bytes of a path the user sees, and back (QFile::encodeName, decodeName).
std::string toDiskPath(const QString& path);
QString fromDiskPath(const std::string& path);

// A value stored in a glider file (Windows-1252) spelt as the file system spells it.
std::string diskPathFromStored(const std::string& storedValue);
// A name on disk as a glider file stores it; nullopt when the code page cannot hold it.
std::optional<std::string> storedFromDiskPath(const std::string& diskPath);

// Whether both name the same existing file or directory, links and dots resolved.
bool sameFile(const QString& a, const QString& b);
