#include "shell/tunedialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QVBoxLayout>

TuneDialog::TuneDialog(Kind kind, double proposed, QWidget* parent)
    : QDialog(parent), value_(new QDoubleSpinBox(this)) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    value_->setDecimals(1);
    if (kind == Margin) {
        setWindowTitle(tr("Centrer"));
        value_->setRange(-50, 100);
        value_->setSuffix(tr(" %"));
        form->addRow(tr("Marge statique voulue :"), value_);
    } else {
        setWindowTitle(tr("Caler"));
        value_->setRange(1, 100);
        value_->setSuffix(tr(" m/s"));
        form->addRow(tr("Vitesse d'équilibre voulue :"), value_);
        bestGlide_ = new QCheckBox(tr("À la vitesse de meilleure finesse"), this);
        form->addRow(bestGlide_);
        connect(bestGlide_, &QCheckBox::toggled, value_, &QWidget::setDisabled);
    }
    value_->setValue(proposed);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Annuler"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

double TuneDialog::value() const {
    return value_->value();
}

bool TuneDialog::bestGlide() const {
    return bestGlide_ && bestGlide_->isChecked();
}
