#include "shell/recentfilelist.h"

#include "formats/settingsstore.h"

void RecentFileList::add(const QString& path) {
    if (path.isEmpty())
        return;
    files_.removeAll(path);
    files_.prepend(path);
    while (files_.size() > kMaxFiles)
        files_.removeLast();
}

void RecentFileList::remove(const QString& path) {
    files_.removeAll(path);
}

void RecentFileList::load(const SettingsStore& store) {
    files_ = readRecentFiles(store).mid(0, kMaxFiles);
}

void RecentFileList::save(SettingsStore& store) const {
    writeRecentFiles(store, files_);
}
