#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <memory>

class CKeshDoc;
class RecoveryStore;

/**
 * Keeps a recovery copy of every modified document: written a few seconds after a change
 * (the first change of a burst starts the wait, so steady editing is still saved), removed
 * as soon as the document is no longer modified or goes away. It follows only the
 * document's modified state and its changes, whoever makes them.
 */
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    RecoveryKeeper(std::unique_ptr<RecoveryStore> store, int delayMs);
    ~RecoveryKeeper() override;

    RecoveryStore& store() { return *store_; }
    void watch(CKeshDoc& document);
    // Writes the copy of a modified document now; true when written.
    bool writeNow(CKeshDoc& document);

signals:
    // A copy could not be written; the text says which and why.
    void writeFailed(const QString& message);

private:
    void changed(CKeshDoc* document);
    void writePending();
    void forget(QObject* document);

    struct Watched {
        CKeshDoc* document;
        int id;
    };

    std::unique_ptr<RecoveryStore> store_;
    QTimer timer_;
    // By the documents' addresses, which is all that is left of them once destroyed.
    QHash<const QObject*, Watched> watched_;
    QSet<const QObject*> pending_;
    int nextId_ = 1;
};
