#include "shell/recoverydialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString describe(const RecoveredGlider& glider) {
    const QString where = glider.path.isEmpty()
                              ? QCoreApplication::translate("RecoveryDialog", "jamais enregistré")
                              : QDir::toNativeSeparators(glider.path);
    return QCoreApplication::translate("RecoveryDialog", "%1 — %2 (copie du %3)")
        .arg(glider.title, where,
             // The dates of the interface's language.
             QLocale(QCoreApplication::translate("RecoveryDialog", "fr"))
                 .toString(glider.written, QLocale::ShortFormat));
}

} // namespace

RecoveryDialog::RecoveryDialog(const QList<RecoveredGlider>& gliders, QWidget* parent)
    : QDialog(parent), list_(new QListWidget) {
    setWindowTitle(tr("Récupération"));
    auto* text = new QLabel(
        tr("L'éditeur s'est arrêté sans fermer ces planeurs modifiés.\n"
           "Les planeurs cochés sont rouverts comme documents modifiés ; les autres sont "
           "supprimés."));
    text->setWordWrap(true);
    for (const RecoveredGlider& glider : gliders) {
        auto* item = new QListWidgetItem(describe(glider), list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(tr("Rouvrir"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Plus tard"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(text);
    column->addWidget(list_);
    column->addWidget(buttons);
    resize(560, 300);
}

QList<bool> RecoveryDialog::reopened() const {
    QList<bool> checked;
    for (int row = 0; row < list_->count(); ++row)
        checked.append(list_->item(row)->checkState() == Qt::Checked);
    return checked;
}
