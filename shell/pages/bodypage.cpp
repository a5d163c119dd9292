#include "shell/pages/bodypage.h"

#include "formats/diskpath.h"
#include "model/glider.h"
#include "model/weightestimate.h"
#include "shell/keshdoc.h"
#include "shell/pages/gridrows.h"
#include "shell/pages/skinactions.h"
#include "shell/widgets/colorbutton.h"
#include "shell/widgets/gridctrl.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>

namespace {

constexpr int kGridTop = 61;

} // namespace

CBodyPage::CBodyPage(ActiveDocumentSource& source, QWidget* parent) : CParamPage(source, parent) {
    fields_ = buildFields();
    fields_->setParent(this);
    frame_ = new QGroupBox(this);
    grid_ = new CGridCtrl(this);
    add_ = new QPushButton(tr("Add"), this);
    remove_ = new QPushButton(tr("Supr"), this);
    // The corner stays empty, unlike the surface grids.
    setUpSectionGrid(*grid_, {QString(), tr("X"), tr("Z"), tr("Hauteur"), tr("Largeur")});
    showColor(0);

    connect(add_, &QPushButton::clicked, this, &CBodyPage::addRow);
    connect(remove_, &QPushButton::clicked, this, &CBodyPage::deleteRow);
    connect(colorButton_, &QPushButton::clicked, this, &CBodyPage::chooseColor);
    connect(estimate_, &QPushButton::clicked, this, &CBodyPage::estimateWeight);
    setMinimumSize(240, 200);
}

// The size of the page as first laid out.
QSize CBodyPage::sizeHint() const {
    return {358, 348};
}

QWidget* CBodyPage::buildFields() {
    auto* area = new QWidget;
    auto* layout = new QGridLayout(area);
    layout->setContentsMargins(7, 4, 7, 0);
    layout->setVerticalSpacing(3);

    skin_ = new CSkinField(source(), SkinPart::Body, this);
    skin_->addTo(*layout, 0);

    auto* row = new QHBoxLayout;
    colorButton_ = new CColorButton(tr("Couleurs"));
    colorText_ = new QLineEdit;
    colorText_->setEnabled(false);
    colorText_->setMaximumWidth(60);
    weight_ = new QLineEdit;
    weight_->setMaximumWidth(70);
    estimate_ = smallButton(QStringLiteral("E"));
    estimate_->setToolTip(tr("Evaluation du poids"));
    row->addWidget(colorButton_);
    row->addWidget(colorText_);
    row->addSpacing(8);
    row->addWidget(new QLabel(tr("Poids : ")));
    row->addWidget(weight_);
    row->addWidget(new QLabel(tr("Kg")));
    row->addWidget(estimate_);
    row->addStretch(1);
    layout->addLayout(row, 2, 0, 1, 3);
    return area;
}

void CBodyPage::resizeEvent(QResizeEvent* event) {
    CParamPage::resizeEvent(event);
    layOutGridPage(fields_, kGridTop, size(), frame_, grid_, add_, remove_);
}

void CBodyPage::showColor(std::uint32_t color) {
    color_ = color;
    colorButton_->setColor(toQColor(color));
    colorText_->setText(QString::asprintf("%x", color));
}

void CBodyPage::Load() {
    CKeshDoc* doc = activeDocument();
    if (!doc)
        return;
    setDocument(doc);
    const Body& body = doc->glider().body;
    skin_->field()->setText(fromDiskPath(body.texturePath));
    showFloat(weight_, body.weight);
    showColor(colorRef(body.color));

    const int count = static_cast<int>(body.sections.size());
    grid_->setRowCount(count + 1);
    for (int row = 1; row <= count; ++row) {
        const BodySection& section = body.sections[row - 1];
        grid_->setCellText(row, 0, QString::number(row));
        grid_->setCellText(row, 1, cellText(section.x));
        grid_->setCellText(row, 2, cellText(section.z));
        grid_->setCellText(row, 3, cellText(section.h));
        grid_->setCellText(row, 4, cellText(section.l));
    }
    grid_->viewport()->update();
}

bool CBodyPage::applyFields() {
    CKeshDoc* doc = activeDocument();
    if (!doc)
        return true;
    Body& body = doc->glider().body;
    float weight = body.weight;
    if (!readFloat(weight_, weight))
        return false;
    std::string texture;
    if (!readFileField(skin_->field(), CSkinField::label(), texture))
        return false;

    // The grid decides the number and order of the sections.
    const std::vector<BodySection> sections = gridSections(body.sections);
    std::vector<RowLengths> lengths;
    for (const BodySection& s : sections)
        lengths.push_back({s.x, s.z, s.h, s.l});
    // A section has a height and a width; x and z may be anything the view can hold.
    if (!checkGridLengths(*grid_, lengths, {false, false, true, true}))
        return false;

    bool changed = assign(body.texturePath, texture);
    changed = assign(body.color, cellColor(color_, body.color)) || changed;
    changed = assign(body.weight, weight) || changed;
    const auto same = [](const BodySection& a, const BodySection& b) {
        return a.x == b.x && a.z == b.z && a.h == b.h && a.l == b.l;
    };
    if (!std::equal(sections.begin(), sections.end(), body.sections.begin(), body.sections.end(),
                    same)) {
        body.sections = sections;
        changed = true;
    }
    finishApply(*doc, changed);
    showRewrittenTexture(*doc, texture, doc->gl().body);
    return true;
}

std::vector<BodySection> CBodyPage::gridSections(const std::vector<BodySection>& held) const {
    std::vector<BodySection> sections;
    for (int row = 1; row < grid_->rowCount(); ++row) {
        const std::size_t index = std::size_t(row - 1);
        const BodySection h = index < held.size() ? held[index] : BodySection{};
        sections.push_back(
            {cellValue(grid_->cellText(row, 1), h.x), cellValue(grid_->cellText(row, 2), h.z),
             cellValue(grid_->cellText(row, 3), h.h), cellValue(grid_->cellText(row, 4), h.l)});
    }
    return sections;
}

void CBodyPage::addRow() {
    CKeshDoc* doc = activeDocument();
    if (!doc)
        return;
    const CKeshDoc::EditScope edit(doc, tr("ajout de section"));
    Body& body = doc->glider().body;
    const int row = addGridRow(*grid_, QString::number(body.sections.size() + 1));
    if (row < 1)
        return;
    // Where the grid shows it, so a reload before Apply finds it in the same place.
    body.insertSection(row - 1);
    for (int col = 1; col <= 4; ++col)
        grid_->setCellText(row, col, QStringLiteral("0.0"));
    renumberRows(*grid_);
    grid_->viewport()->update();
    doc->noteChange();
}

void CBodyPage::deleteRow() {
    CKeshDoc* doc = activeDocument();
    if (!doc)
        return;
    const CKeshDoc::EditScope edit(doc, tr("suppression de section"));
    const int row = rowToDelete(*grid_, prompts(), this);
    if (row < 1)
        return;
    grid_->deleteRow(row);
    doc->glider().body.removeSection(row - 1);
    renumberRows(*grid_);
    grid_->viewport()->update();
    doc->noteChange();
}

void CBodyPage::chooseColor() {
    if (const auto chosen = prompts().chooseColor(this, toQColor(color_)))
        showColor(colorRef(*chosen));
}

void CBodyPage::estimateWeight() {
    CKeshDoc* doc = activeDocument();
    if (!doc)
        return;
    // The grid as it stands, applied or not; without a section there is no length.
    const std::vector<BodySection> sections = gridSections(doc->glider().body.sections);
    if (sections.empty())
        return;
    const float length = sections.back().x;
    if (const auto estimate = prompts().estimateWeight(this, ComponentBody, length))
        showFloat(weight_, *estimate * 0.01f);
}
