#pragma once

#include "shell/recoverystore.h"

#include <QDialog>
#include <QList>

class QListWidget;

// "Récupération": the gliders an editor that stopped left modified, each checked to be
// reopened or unchecked to be discarded; "Plus tard" keeps them all for the next start.
class RecoveryDialog : public QDialog {
    Q_OBJECT
public:
    explicit RecoveryDialog(const QList<RecoveredGlider>& gliders, QWidget* parent = nullptr);

    // For each glider in the order given, whether it is checked.
    QList<bool> reopened() const;
    QListWidget* list() const { return list_; }

private:
    QListWidget* list_;
};
