#pragma once

#include <QStringList>

class SettingsStore;

// The most recently opened or saved glider files, most recent first.
class RecentFileList {
public:
    static constexpr int kMaxFiles = 4;

    const QStringList& files() const { return files_; }
    // Puts the path first, removing an earlier entry for the same path.
    void add(const QString& path);
    void remove(const QString& path);

    void load(const SettingsStore& store);
    void save(SettingsStore& store) const;

private:
    QStringList files_;
};
