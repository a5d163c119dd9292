#include "shell/weightestimatedialog.h"

#include "model/weightestimate.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

WeightEstimateDialog::WeightEstimateDialog(int kind, QWidget* parent)
    : QDialog(parent), kind_(kind) {
    setWindowTitle(tr("Evaluation du poids"));
    const bool body = kind == ComponentBody;

    auto* frame = new QGroupBox;
    structure_ = new QRadioButton(tr("Struture"));
    shell_ = new QRadioButton(body ? tr("Fibre") : tr("Coffrage"));
    solidWood_ = new QRadioButton(tr("Bois Plein"));
    solidWood_->setEnabled(!body);
    structure_->setChecked(true);
    auto* choices = new QVBoxLayout(frame);
    for (QRadioButton* button : {structure_, shell_, solidWood_})
        choices->addWidget(button);

    auto* cancel = new QPushButton(tr("Cancel"));
    auto* ok = new QPushButton(tr("OK"));
    ok->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
}

void WeightEstimateDialog::accept() {
    if (structure_->isChecked())
        construction_ = ConstructionStructure;
    else if (shell_->isChecked())
        construction_ = ConstructionShell;
    else if (solidWood_->isChecked())
        construction_ = ConstructionSolidWood;
    const float size = kind_ == ComponentBody ? bodyLength_ : surfaceSize_;
    estimate_ = estimateWeight(kind_, construction_, size);
    QDialog::accept();
}

void WeightEstimateDialog::reject() {
    construction_ = ConstructionCancelled;
    QDialog::reject();
}

std::optional<float> runWeightEstimateDialog(QWidget* owner, int kind, float size) {
    WeightEstimateDialog dialog(kind, owner);
    if (kind == ComponentBody)
        dialog.setBodyLength(size);
    else
        dialog.setSurfaceSize(size);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.estimate();
}
