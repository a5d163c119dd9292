#include "shell/pages/generalpage.h"

#include "formats/codepage.h"
#include "formats/diskpath.h"
#include "formats/htmlsheet.h"
#include "shell/keshdoc.h"

#include <QDesktopServices>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The model holds the wing area in m²; the page shows it in dm², beside the loading in g/dm².
constexpr float kSquareDecimetresPerSquareMetre = 100.0f;

QLineEdit* addRow(QGridLayout* grid, int row, const QString& label, const QString& unit,
                  bool editable) {
    auto* field = new QLineEdit;
    field->setEnabled(editable);
    grid->addWidget(new QLabel(label), row, 0);
    grid->addWidget(field, row, 1);
    if (!unit.isEmpty())
        grid->addWidget(new QLabel(unit), row, 2);
    return field;
}

} // namespace

CGeneralPage::CGeneralPage(ActiveDocumentSource& source, QWidget* parent)
    : CParamPage(source, parent), opener_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    auto* grid = new QGridLayout(this);
    name_ = addRow(grid, 0, tr("Nom : "), {}, true);
    file_ = addRow(grid, 1, tr("Fichier :"), {}, false);
    foil_ = addRow(grid, 2, tr("Profil :"), {}, false);
    weight_ = addRow(grid, 3, tr("Poids : "), tr("Kg"), false);
    span_ = addRow(grid, 4, tr("Envergure : "), tr("m"), false);
    loading_ = addRow(grid, 5, tr("Charge ailaire :"), tr("g/dm ²"), false);
    area_ = addRow(grid, 6, tr("Surface ailaire :"), tr("dm ²"), false);
    sheet_ = new QPushButton(tr("Nomenclature"));
    grid->addWidget(sheet_, 7, 0, 1, 3, Qt::AlignLeft);
    grid->setRowStretch(8, 1);
    connect(sheet_, &QPushButton::clicked, this, &CGeneralPage::writeSpecificationSheet);
}

void CGeneralPage::Load() {
    CKeshDoc* doc = activeDocument();
    if (!doc)
        return;
    setDocument(doc);
    // A glider just opened is derived at its first paint, which may come after this.
    doc->deriveGlider();
    const Glider& glider = doc->glider();
    heldName_ = glider.name;
    name_->setText(fromCodePage(glider.name));
    file_->setText(glider.name.empty() ? QString() : fromCodePage(glider.name + ".gli"));
    foil_->setText(fromCodePage(glider.surfaces[WingLeft].foil.name));
    showFloat(weight_, glider.totalWeight());
    showFloat(span_, glider.span());
    showFloat(loading_, glider.wingLoading());
    showFloat(area_, glider.wingArea() * kSquareDecimetresPerSquareMetre);
}

bool CGeneralPage::applyFields() {
    CKeshDoc* doc = activeDocument();
    if (!doc)
        return true;
    std::string name;
    if (!readStoredText(name_, tr("Nom"), name))
        return false;
    const bool changed = assign(doc->glider().name, name);
    heldName_ = name;
    finishApply(*doc, changed);
    return true;
}

void CGeneralPage::writeSpecificationSheet() {
    CKeshDoc* doc = activeDocument();
    if (!doc) {
        prompts().message(this, tr("Aucun planeurs en cours d'edition"), tr("Erreur"),
                          PromptIcon::Error);
        return;
    }
    const Glider& glider = doc->glider();
    const std::string text =
        specificationSheetText(heldName_, glider.surfaces[WingLeft].foil.name, glider.totalWeight(),
                               glider.span(), glider.wingArea(), glider.wingLoading());
    const QString path = QDir::current().absoluteFilePath(QStringLiteral("doc.html"));
    // An older sheet left in place would show another glider as if it were this one.
    if (!::writeSpecificationSheet(toDiskPath(path), text)) {
        prompts().message(
            this,
            tr("Impossible d'écrire la nomenclature dans %1.").arg(QDir::toNativeSeparators(path)),
            tr("Erreur"), PromptIcon::Error);
        return;
    }
    opener_(QUrl::fromLocalFile(path));
}
