#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class QLockFile;
struct Glider;

// A copy of a modified glider left by an editor that stopped without closing it.
struct RecoveredGlider {
    QString title;
    QString path; // the document's file; empty for a glider never saved
    QDateTime written;
    QString gliderFile; // the copy itself, a glider file
};

/**
 * The copies of modified documents, kept under a root directory in one session directory
 * per running editor. A session is locked while its editor runs, so the copies of an editor
 * that crashed are told apart from those of one still running.
 */
class RecoveryStore {
public:
    // Takes a new session under `root`, made when missing.
    explicit RecoveryStore(const QString& root);
    // Removes the session and every copy left in it.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // False when the session could not be made; nothing is then written.
    bool isOpen() const { return lock_ != nullptr; }
    QString sessionDirectory() const { return session_; }

    // Writes or replaces the copy `id` through the atomic writer; false with the reason,
    // also when the glider cannot be put into a glider file.
    bool write(int id, const Glider& glider, const QString& title, const QString& path,
               std::string& error);
    void remove(int id);

    // The copies in the sessions of editors that are gone, oldest first. Those sessions
    // stay held by this one until releaseOrphans.
    QList<RecoveredGlider> claimOrphans();
    // Deletes one claimed copy.
    static void discard(const RecoveredGlider& copy);
    // Lets go of the claimed sessions, removing those left without copies.
    void releaseOrphans();

private:
    QString base(int id) const;

    QString session_;
    std::unique_ptr<QLockFile> lock_;
    std::vector<std::pair<QString, std::unique_ptr<QLockFile>>> claimed_;
};
