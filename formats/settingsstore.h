#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>

/**
 * The per-user settings store: string values by section and key. Section and key names
 * are compared without regard to case, so a key stored as "GliderPath" is found as
 * "gliderPath" and written back under its stored spelling.
 */
class SettingsStore {
public:
    // The user's store (organisation "Corvel Works", application "kesh").
    SettingsStore();
    // An INI file at an explicit path, for tests and kesh-tool.
    explicit SettingsStore(const QString& iniFilePath);
    ~SettingsStore();

    QString value(const QString& section, const QString& key, const QString& def = {}) const;
    void setValue(const QString& section, const QString& key, const QString& value);
    // Raw bytes, for the bar layout.
    QByteArray bytes(const QString& section, const QString& key) const;
    void setBytes(const QString& section, const QString& key, const QByteArray& value);
    void remove(const QString& section, const QString& key);
    void sync();
    QString fileName() const;

private:
    QString storedSection(const QString& section) const;
    QString storedKey(const QString& section, const QString& key) const;

    std::unique_ptr<QSettings> settings_;
};

// The ten numbers of "Settings"/"WindowPos".
struct WindowPlacement {
    unsigned flags = 0;
    unsigned showCmd = 0;
    int minX = 0, minY = 0;
    int maxX = 0, maxY = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
};

// "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d"
std::string formatWindowPos(const WindowPlacement& placement);
// True only when all ten numbers parse.
bool parseWindowPos(const std::string& text, WindowPlacement& placement);

// "Recent File List", keys "File1".."File4", most recent first; empty entries skipped.
QStringList readRecentFiles(const SettingsStore& store);
void writeRecentFiles(SettingsStore& store, const QStringList& files);
