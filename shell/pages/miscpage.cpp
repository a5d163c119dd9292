#include "shell/pages/miscpage.h"

#include "shell/keshdoc.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QGroupBox* fieldGroup(const QString& title, const QStringList& labels, QLineEdit** fields) {
    auto* group = new QGroupBox(title);
    auto* form = new QFormLayout(group);
    for (int i = 0; i < labels.size(); ++i) {
        fields[i] = new QLineEdit;
        form->addRow(labels[i], fields[i]);
    }
    return group;
}

QGroupBox* dragGroup() {
    auto* group = new QGroupBox(QString::fromUtf8("Trainées"));
    auto* box = new QVBoxLayout(group);
    for (const char* label :
         {"Trainée induite des ailes", "Trainée induite du stab", "Trainée du fuselage"})
        box->addWidget(new QCheckBox(QString::fromUtf8(label)));
    box->addWidget(new QPushButton(QStringLiteral("Calcul")));
    box->addWidget(new QPushButton(QStringLiteral("Graphique")));
    group->setEnabled(false);
    return group;
}

} // namespace

CMiscPage::CMiscPage(ActiveDocumentSource& source, QWidget* parent) : CParamPage(source, parent) {
    auto* column = new QVBoxLayout(this);
    column->addWidget(fieldGroup(
        QString::fromUtf8("Centre de gravité"),
        {QStringLiteral("X :"), QStringLiteral("Y :"), QStringLiteral("Z :")}, centre_.data()));
    column->addWidget(fieldGroup(QStringLiteral("Moments d'inertie"),
                                 {QStringLiteral("XX :"), QStringLiteral("YY : "),
                                  QStringLiteral("ZZ : "), QStringLiteral("XZ : ")},
                                 inertia_.data()));
    column->addWidget(dragGroup());
    column->addStretch(1);
}

void CMiscPage::Load() {
    CKeshDoc* doc = activeDocument();
    if (!doc)
        return;
    setDocument(doc);
    const Glider& glider = doc->glider();
    for (int axis = 0; axis < 3; ++axis)
        showFloat(centre_[axis], glider.centrum[axis]);
    for (int i = 0; i < 4; ++i)
        showDouble(inertia_[i], glider.inertia[i]);
}

bool CMiscPage::Apply() {
    CKeshDoc* doc = activeDocument();
    if (!doc)
        return true;
    Glider& glider = doc->glider();
    Vec3f centre = glider.centrum;
    std::array<double, 4> inertia = glider.inertia;
    for (int axis = 0; axis < 3; ++axis)
        if (!readFloat(centre_[axis], centre[axis]))
            return false;
    for (int i = 0; i < 4; ++i)
        if (!readDouble(inertia_[i], inertia[i]))
            return false;

    bool changed = assign(glider.centrum, centre);
    changed = assign(glider.inertia, inertia) || changed;
    finishApply(*doc, changed, true);
    return true;
}
