#include "formats/settingsstore.h"

#include <cstdio>

namespace {

const QString kRecentSection = QStringLiteral("Recent File List");
constexpr int kRecentCount = 4;

} // namespace

SettingsStore::SettingsStore()
    : settings_(
          std::make_unique<QSettings>(QStringLiteral("Corvel Works"), QStringLiteral("kesh"))) {}

SettingsStore::SettingsStore(const QString& iniFilePath)
    : settings_(std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::storedSection(const QString& section) const {
    for (const QString& group : settings_->childGroups()) {
        if (group.compare(section, Qt::CaseInsensitive) == 0)
            return group;
    }
    return section;
}

QString SettingsStore::storedKey(const QString& section, const QString& key) const {
    const QString group = storedSection(section);
    settings_->beginGroup(group);
    const QStringList keys = settings_->childKeys();
    settings_->endGroup();
    for (const QString& stored : keys) {
        if (stored.compare(key, Qt::CaseInsensitive) == 0)
            return group + QLatin1Char('/') + stored;
    }
    return group + QLatin1Char('/') + key;
}

QString SettingsStore::value(const QString& section, const QString& key, const QString& def) const {
    return settings_->value(storedKey(section, key), def).toString();
}

void SettingsStore::setValue(const QString& section, const QString& key, const QString& value) {
    settings_->setValue(storedKey(section, key), value);
}

QByteArray SettingsStore::bytes(const QString& section, const QString& key) const {
    return settings_->value(storedKey(section, key)).toByteArray();
}

void SettingsStore::setBytes(const QString& section, const QString& key, const QByteArray& value) {
    settings_->setValue(storedKey(section, key), value);
}

void SettingsStore::remove(const QString& section, const QString& key) {
    settings_->remove(storedKey(section, key));
}

void SettingsStore::sync() {
    settings_->sync();
}

QString SettingsStore::fileName() const {
    return settings_->fileName();
}

std::string formatWindowPos(const WindowPlacement& p) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", p.flags, p.showCmd,
                  p.minX, p.minY, p.maxX, p.maxY, p.left, p.top, p.right, p.bottom);
    return buffer;
}

bool parseWindowPos(const std::string& text, WindowPlacement& placement) {
    WindowPlacement p;
    const int fields =
        std::sscanf(text.c_str(), "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", &p.flags, &p.showCmd, &p.minX,
                    &p.minY, &p.maxX, &p.maxY, &p.left, &p.top, &p.right, &p.bottom);
    if (fields != 10)
        return false;
    placement = p;
    return true;
}

QStringList readRecentFiles(const SettingsStore& store) {
    QStringList files;
    for (int i = 1; i <= kRecentCount; ++i) {
        const QString file = store.value(kRecentSection, QStringLiteral("File%1").arg(i));
        if (!file.isEmpty())
            files << file;
    }
    return files;
}

void writeRecentFiles(SettingsStore& store, const QStringList& files) {
    for (int i = 1; i <= kRecentCount; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= files.size())
            store.setValue(kRecentSection, key, files.at(i - 1));
        else
            store.remove(kRecentSection, key);
    }
}
