#include "shell/recoverystore.h"

#include "formats/atomicfile.h"
#include "formats/diskpath.h"
#include "formats/gliderfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QUuid>

#include <algorithm>
#include <exception>

namespace {

const QString kLockName = QStringLiteral("lock");
const QString kGliderSuffix = QStringLiteral(".gli");
const QString kInfoSuffix = QStringLiteral(".json");

// A lock that only a running editor holds: one left by a dead process is taken over.
std::unique_ptr<QLockFile> tryLock(const QString& directory) {
    auto lock = std::make_unique<QLockFile>(QDir(directory).filePath(kLockName));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

bool writeFile(const QString& path, const std::string& bytes, std::string& error) {
    return replaceFileContents(toDiskPath(path), bytes, error);
}

// The copies of one session; a copy is complete once its glider file is written after
// its description.
QList<RecoveredGlider> copiesIn(const QString& directory) {
    QList<RecoveredGlider> copies;
    const QDir dir(directory);
    for (const QFileInfo& info :
         dir.entryInfoList({QStringLiteral("*") + kInfoSuffix}, QDir::Files)) {
        const QFileInfo glider(dir.filePath(info.completeBaseName() + kGliderSuffix));
        QFile file(info.filePath());
        if (!glider.isFile() || !file.open(QIODevice::ReadOnly))
            continue;
        const QJsonObject description = QJsonDocument::fromJson(file.readAll()).object();
        copies.append({description.value(QStringLiteral("title")).toString(),
                       description.value(QStringLiteral("path")).toString(), glider.lastModified(),
                       glider.filePath()});
    }
    return copies;
}

} // namespace

RecoveryStore::RecoveryStore(const QString& root) {
    const QString session = QDir(root).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces));
    if (!QDir().mkpath(session))
        return;
    session_ = session;
    lock_ = tryLock(session_);
}

RecoveryStore::~RecoveryStore() {
    releaseOrphans();
    if (!lock_)
        return;
    lock_->unlock();
    QDir(session_).removeRecursively();
}

QString RecoveryStore::base(int id) const {
    return QDir(session_).filePath(QString::number(id));
}

bool RecoveryStore::write(int id, const Glider& glider, const QString& title, const QString& path,
                          std::string& error) {
    if (!lock_) {
        error = "pas de dossier de secours";
        return false;
    }
    // Called from a timer: nothing the writer throws may reach the event loop.
    std::string gliderText;
    try {
        gliderText = gliderFileText(glider);
    } catch (const std::exception& failure) { // the writer's own errors among them
        error = failure.what();
        return false;
    }
    const QJsonObject description{{QStringLiteral("title"), title}, {QStringLiteral("path"), path}};
    return writeFile(base(id) + kInfoSuffix, QJsonDocument(description).toJson().toStdString(),
                     error) &&
           writeFile(base(id) + kGliderSuffix, gliderText, error);
}

void RecoveryStore::remove(int id) {
    if (!lock_)
        return;
    QFile::remove(base(id) + kGliderSuffix);
    QFile::remove(base(id) + kInfoSuffix);
}

QList<RecoveredGlider> RecoveryStore::claimOrphans() {
    QList<RecoveredGlider> found;
    if (!lock_)
        return found;
    const QDir root = QFileInfo(session_).dir();
    for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString directory = root.filePath(name);
        if (directory == session_)
            continue;
        std::unique_ptr<QLockFile> lock = tryLock(directory);
        if (!lock)
            continue; // its editor still runs
        found += copiesIn(directory);
        claimed_.emplace_back(directory, std::move(lock));
    }
    std::sort(found.begin(), found.end(), [](const RecoveredGlider& a, const RecoveredGlider& b) {
        return a.written < b.written;
    });
    return found;
}

void RecoveryStore::discard(const RecoveredGlider& copy) {
    // The glider file first: a description alone is never offered.
    QFile::remove(copy.gliderFile);
    const QFileInfo glider(copy.gliderFile);
    QFile::remove(glider.dir().filePath(glider.completeBaseName() + kInfoSuffix));
}

void RecoveryStore::releaseOrphans() {
    for (auto& [directory, lock] : claimed_) {
        const bool empty =
            QDir(directory).entryList({QStringLiteral("*") + kGliderSuffix}, QDir::Files).isEmpty();
        lock->unlock();
        if (empty)
            QDir(directory).removeRecursively();
    }
    claimed_.clear();
}
