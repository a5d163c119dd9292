#include "shell/pages/surfacepage.h"

#include "formats/diskpath.h"
#include "formats/foilfile.h"
#include "formats/simulatorpaths.h"
#include "model/angles.h"
#include "model/errors.h"
#include "model/glider.h"
#include "shell/keshdoc.h"
#include "shell/pages/gridrows.h"
#include "shell/pages/skinactions.h"
#include "shell/widgets/gridctrl.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>

namespace {

constexpr int kGridTop = 141;

QLineEdit* numberField() {
    auto* field = new QLineEdit;
    field->setMaximumWidth(70);
    return field;
}

} // namespace

CSurfacePage::CSurfacePage(ActiveDocumentSource& source, Traits traits, QWidget* parent)
    : CParamPage(source, parent), traits_(std::move(traits)) {
    fields_ = buildFields();
    fields_->setParent(this);
    frame_ = new QGroupBox(this);
    grid_ = new CGridCtrl(this);
    add_ = new QPushButton(tr("Add"), this);
    remove_ = new QPushButton(tr("Supr"), this);

    QStringList titles{tr("Section"), tr("Ke"), tr("Ks"), tr("Longeur"), tr("Fleche")};
    if (traits_.dihedral)
        titles << tr("Diedre");
    titles << tr("Couleur");
    setUpSectionGrid(*grid_, titles);

    connect(add_, &QPushButton::clicked, this, &CSurfacePage::addRow);
    connect(remove_, &QPushButton::clicked, this, &CSurfacePage::deleteRow);
    connect(estimate_, &QPushButton::clicked, this, &CSurfacePage::estimateWeight);
    connect(foilBrowse_, &QPushButton::clicked, this, &CSurfacePage::browseFoil);
    connect(grid_, &CGridCtrl::cellMoved, this, &CSurfacePage::chooseColor);
    setMinimumSize(240, 260);
}

// The size of the page as first laid out.
QSize CSurfacePage::sizeHint() const {
    return {366, 414};
}

QWidget* CSurfacePage::buildFields() {
    auto* area = new QWidget;
    auto* layout = new QGridLayout(area);
    layout->setContentsMargins(7, 4, 7, 0);
    layout->setVerticalSpacing(3);

    auto* position = new QGroupBox(tr("Position"));
    auto* xyz = new QHBoxLayout(position);
    xyz->setContentsMargins(6, 2, 6, 4);
    const char* const axes[] = {QT_TR_NOOP("X :"), QT_TR_NOOP("Y :"), QT_TR_NOOP("Z :")};
    for (int axis = 0; axis < 3; ++axis) {
        position_[axis] = numberField();
        xyz->addWidget(new QLabel(tr(axes[axis])));
        xyz->addWidget(position_[axis]);
        xyz->addSpacing(6);
    }
    xyz->addStretch(1);
    layout->addWidget(position, 0, 0, 1, 3);

    auto* values = new QHBoxLayout;
    if (traits_.incidence) {
        incidence_ = numberField();
        values->addWidget(new QLabel(tr("Calage : ")));
        values->addWidget(incidence_);
        values->addWidget(new QLabel(tr("Deg")));
        values->addSpacing(8);
    }
    weight_ = numberField();
    estimate_ = smallButton(QStringLiteral("E"));
    estimate_->setToolTip(tr("Evaluation du poids"));
    values->addWidget(new QLabel(tr("Poids :")));
    values->addWidget(weight_);
    values->addWidget(new QLabel(tr("Kg")));
    values->addWidget(estimate_);
    values->addStretch(1);
    layout->addLayout(values, 1, 0, 1, 3);

    foil_ = new QLineEdit;
    foilBrowse_ = smallButton(QStringLiteral("..."));
    layout->addWidget(new QLabel(tr("Fichier Profil : ")), 2, 0);
    layout->addWidget(foil_, 2, 1);
    layout->addWidget(foilBrowse_, 2, 2);

    skin_ = new CSkinField(source(), traits_.skinPart, this);
    skin_->addTo(*layout, 3);
    return area;
}

void CSurfacePage::resizeEvent(QResizeEvent* event) {
    CParamPage::resizeEvent(event);
    layOutGridPage(fields_, kGridTop, size(), frame_, grid_, add_, remove_);
}

void CSurfacePage::Load() {
    CKeshDoc* doc = activeDocument();
    if (!doc)
        return;
    setDocument(doc);
    const Surface& surface = doc->glider().surfaces[traits_.shownSlot];
    for (int axis = 0; axis < 3; ++axis)
        showFloat(position_[axis], surface.position[axis]);
    if (incidence_)
        showFloat(incidence_, float(surface.calage * kRadiansToDegrees));
    showFloat(weight_, surface.weight);
    foil_->setText(fromDiskPath(surface.foil.foilFilename));
    skin_->field()->setText(fromDiskPath(surface.texturePath));

    grid_->setRowCount(surface.npart() + 1);
    for (int row = 1; row <= surface.npart(); ++row)
        fillRow(row, surface.pane(row - 1));
    grid_->viewport()->update();
}

void CSurfacePage::fillRow(int row, const Pane& pane) {
    grid_->setCellText(row, 0, QString::number(row));
    grid_->setCellText(row, 1, cellText(pane.c1));
    grid_->setCellText(row, 2, cellText(pane.c2));
    grid_->setCellText(row, 3, cellText(pane.env));
    grid_->setCellText(row, 4, cellText(pane.fleche));
    if (traits_.dihedral)
        grid_->setCellText(row, 5, cellText(float(pane.diedre * kRadiansToDegrees)));
    showColorCell(row, colorRef(pane.color));
}

void CSurfacePage::showColorCell(int row, std::uint32_t color) {
    grid_->setCellBackground(row, colorColumn(), toQColor(color));
    grid_->setItemData(row, colorColumn(), color);
    // A swatch is chosen, never typed.
    grid_->setCellReadOnly(row, colorColumn(), true);
}

bool CSurfacePage::applyFields() {
    CKeshDoc* doc = activeDocument();
    if (!doc)
        return true;
    Glider& glider = doc->glider();
    const Surface& shown = glider.surfaces[traits_.shownSlot];
    Vec3f position = shown.position;
    for (int axis = 0; axis < 3; ++axis)
        if (!readPosition(position_[axis], position[axis]))
            return false;
    const float shownIncidence = float(shown.calage * kRadiansToDegrees);
    float incidence = shownIncidence;
    if (incidence_ &&
        (!readFloat(incidence_, incidence) || !checkRange(incidence_, incidence, -20.0, 20.0)))
        return false;
    float weight = shown.weight;
    if (!readFloat(weight_, weight))
        return false;
    std::string foil;
    std::string texture;
    if (!readFileField(foil_, tr("Fichier Profil"), foil) ||
        !readFileField(skin_->field(), CSkinField::label(), texture))
        return false;
    std::vector<Pane> rows;
    if (!readRows(rows))
        return false;

    bool changed = replaceFoil(glider, foil);
    const int panes = glider.surfaces[traits_.shownSlot].npart();
    for (int slot : traits_.writtenSlots) {
        Surface& surface = glider.surfaces[slot];
        changed = assign(surface.position, position) || changed;
        if (incidence_ && incidence != shownIncidence)
            changed = assign(surface.calage, float(incidence * kDegreesToRadians)) || changed;
        changed = assign(surface.weight, weight) || changed;
        changed = assign(surface.texturePath, texture) || changed;
        // Rows the grid does not hold (a page never loaded) leave their panes alone.
        const int count = std::min({panes, surface.npart(), int(rows.size())});
        for (int i = 0; i < count; ++i)
            changed = applyRow(rows[std::size_t(i)], surface.pane(i)) || changed;
    }
    finishApply(*doc, changed);
    for (int slot : traits_.writtenSlots)
        showRewrittenTexture(*doc, texture, doc->gl().surfaces[slot]);
    return true;
}

Pane CSurfacePage::rowPane(int row, const Pane& held) const {
    const auto cell = [&](int col, float value) {
        return cellValue(grid_->cellText(row, col), value);
    };
    Pane pane = held;
    pane.c1 = cell(1, held.c1);
    pane.c2 = cell(2, held.c2);
    pane.env = cell(3, held.env);
    pane.fleche = cell(4, held.fleche);
    if (traits_.dihedral) {
        const float heldDegrees = float(held.diedre * kRadiansToDegrees);
        const float degrees = cell(5, heldDegrees);
        if (degrees != heldDegrees)
            pane.diedre = float(degrees * kDegreesToRadians);
    } else {
        pane.diedre = kUprightDihedral;
    }
    pane.color = cellColor(grid_->itemData(row, colorColumn()), held.color);
    return pane;
}

std::vector<Pane> CSurfacePage::gridPanes(const Surface& shown) const {
    std::vector<Pane> panes;
    for (int row = 1; row < grid_->rowCount(); ++row)
        panes.push_back(rowPane(row, row - 1 < shown.npart() ? shown.pane(row - 1) : Pane{}));
    return panes;
}

bool CSurfacePage::readRows(std::vector<Pane>& panes) {
    panes = gridPanes(activeDocument()->glider().surfaces[traits_.shownSlot]);
    std::vector<RowLengths> lengths;
    for (const Pane& pane : panes)
        lengths.push_back({pane.c1, pane.c2, pane.env, pane.fleche});
    // Ke, Ks and Longeur must be positive; the sweep may be anything the view can hold.
    return checkGridLengths(*grid_, lengths, {true, true, true, false});
}

bool CSurfacePage::applyRow(const Pane& shown, Pane& pane) const {
    bool changed = assign(pane.c1, shown.c1);
    changed = assign(pane.c2, shown.c2) || changed;
    changed = assign(pane.env, shown.env) || changed;
    changed = assign(pane.fleche, shown.fleche) || changed;
    changed = assign(pane.diedre, shown.diedre) || changed;
    return assign(pane.color, shown.color) || changed;
}

bool CSurfacePage::replaceFoil(Glider& glider, const std::string& named) {
    const Surface& shown = glider.surfaces[traits_.shownSlot];
    if (named.empty() || named == shown.foil.foilFilename || named == shown.foil.foilPath)
        return false;
    // A bare name is looked for where glider files keep their airfoils.
    const bool bare = named.find_first_of("/\\") == std::string::npos;
    const std::string path =
        bare ? simulatorFilePath(simulatorDirectory(), "airfoils", named) : named;
    Foil loaded = shown.foil;
    try {
        loadFoil(loaded, path);
    } catch (const err& failure) {
        prompts().message(this, QString::fromStdString(failure.text()),
                          QString::fromStdString(failure.caption()), PromptIcon::Error);
        // Put back, so that the next "Appliquer" does not try it again.
        foil_->setText(fromDiskPath(shown.foil.foilFilename));
        return false;
    }
    for (int slot : traits_.writtenSlots)
        glider.surfaces[slot].foil = loaded;
    foil_->setText(fromDiskPath(loaded.foilFilename));
    return true;
}

void CSurfacePage::addRow() {
    CKeshDoc* doc = activeDocument();
    if (!doc)
        return;
    const CKeshDoc::EditScope edit(doc, tr("ajout de panneau"));
    Glider& glider = doc->glider();
    if (glider.surfaces[traits_.shownSlot].npart() >= Surface::kMaxPanes) {
        prompts().message(this, tr("Nombre de sections maximum atteind"), tr("Erreur"),
                          PromptIcon::Error);
        return;
    }
    const int count = glider.surfaces[traits_.shownSlot].npart() + 1;
    const int row = addGridRow(*grid_, QString::number(count));
    if (row < 1)
        return;
    const Pane pane = proposedPane(row, glider.surfaces[traits_.shownSlot]);
    // The pane goes where its row is, so the throws stay with their panes.
    for (int slot : traits_.writtenSlots)
        glider.surfaces[slot].insertPane(row - 1, pane);
    fillRow(row, glider.surfaces[traits_.shownSlot].pane(row - 1));
    renumberRows(*grid_);
    grid_->viewport()->update();
    doc->noteChange();
}

Pane CSurfacePage::proposedPane(int row, const Surface& shown) const {
    // The new row is in the grid, its pane not yet in the surface: the row above is pane
    // row - 2, the row below pane row - 1. Rows not applied yet count as they are shown.
    const auto held = [&](int index) { return index < shown.npart() ? shown.pane(index) : Pane{}; };
    if (row >= 2)
        return continuingPane(rowPane(row - 1, held(row - 2)));
    if (row + 1 < grid_->rowCount())
        return rowPane(row + 1, held(row - 1));
    return firstPane(traits_.shownSlot);
}

void CSurfacePage::deleteRow() {
    CKeshDoc* doc = activeDocument();
    if (!doc)
        return;
    const CKeshDoc::EditScope edit(doc, tr("suppression de panneau"));
    const int row = rowToDelete(*grid_, prompts(), this);
    if (row < 1)
        return;
    grid_->deleteRow(row);
    for (int slot : traits_.writtenSlots)
        doc->glider().surfaces[slot].removePane(row - 1);
    renumberRows(*grid_);
    grid_->viewport()->update();
    doc->noteChange();
}

void CSurfacePage::chooseColor(int row, int col) {
    if (row < 1 || col != colorColumn())
        return;
    CKeshDoc* doc = activeDocument();
    if (!doc)
        return;
    const std::optional<QColor> chosen = prompts().chooseColor(this, std::nullopt);
    if (!chosen)
        return;
    const std::uint32_t color = colorRef(*chosen);
    showColorCell(row, color);
    const CKeshDoc::EditScope edit(doc, tr("couleur"));
    for (int slot : traits_.writtenSlots) {
        Surface& surface = doc->glider().surfaces[slot];
        if (row - 1 < surface.npart() && assign(surface.pane(row - 1).color, colorFromRef(color)))
            doc->noteChange();
    }
}

void CSurfacePage::browseFoil() {
    const QString path = prompts().openFile(
        this, tr("Ouvrir"), tr("Airfoil Files (*.txt);;All Files (*.*)"), QStringLiteral("*.txt"));
    if (!path.isEmpty())
        foil_->setText(path);
}

void CSurfacePage::estimateWeight() {
    CKeshDoc* doc = activeDocument();
    if (!doc)
        return;
    // What the grid shows, so that panes added or typed count before "Appliquer".
    float area = 0;
    for (const Pane& pane : gridPanes(doc->glider().surfaces[traits_.shownSlot]))
        area += paneArea(pane);
    if (const auto estimate = prompts().estimateWeight(this, traits_.estimateKind, area))
        showFloat(weight_, *estimate * 0.01f);
}
