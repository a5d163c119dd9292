#include "shell/recoverykeeper.h"

#include "shell/keshdoc.h"
#include "shell/recoverystore.h"

RecoveryKeeper::RecoveryKeeper(std::unique_ptr<RecoveryStore> store, int delayMs)
    : store_(std::move(store)) {
    timer_.setSingleShot(true);
    timer_.setInterval(delayMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::writePending);
}

RecoveryKeeper::~RecoveryKeeper() = default;

void RecoveryKeeper::watch(CKeshDoc& document) {
    if (watched_.contains(&document))
        return;
    watched_.insert(&document, {&document, nextId_++});
    CKeshDoc* watched = &document;
    connect(watched, &CKeshDoc::contentChanged, this, [this, watched] { changed(watched); });
    connect(watched, &CKeshDoc::modifiedChanged, this, [this, watched] { changed(watched); });
    connect(watched, &QObject::destroyed, this, &RecoveryKeeper::forget);
    changed(watched);
}

void RecoveryKeeper::changed(CKeshDoc* document) {
    if (!document->isModified()) {
        pending_.remove(document);
        store_->remove(watched_.value(document).id);
        return;
    }
    pending_.insert(document);
    if (!timer_.isActive())
        timer_.start();
}

void RecoveryKeeper::writePending() {
    const QSet<const QObject*> due = std::exchange(pending_, {});
    for (const QObject* document : due)
        if (const auto found = watched_.constFind(document); found != watched_.constEnd())
            writeNow(*found->document);
}

bool RecoveryKeeper::writeNow(CKeshDoc& document) {
    pending_.remove(&document);
    if (!document.isModified() || !watched_.contains(&document))
        return false;
    std::string error;
    if (store_->write(watched_.value(&document).id, document.glider(), document.title(),
                      document.path(), error))
        return true;
    emit writeFailed(tr("La copie de secours de %1 n'a pas pu être écrite : %2")
                         .arg(document.title(), QString::fromStdString(error)));
    return false;
}

void RecoveryKeeper::forget(QObject* document) {
    pending_.remove(document);
    if (const auto found = watched_.constFind(document); found != watched_.constEnd()) {
        store_->remove(found->id);
        watched_.erase(found);
    }
}
