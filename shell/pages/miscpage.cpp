#include "shell/pages/miscpage.h"

#include "formats/codepage.h"
#include "shell/keshdoc.h"
#include "shell/pages/designassistant.h"
#include "shell/polarwindow.h"
#include "shell/report/analysisfigures.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const char* const kNoDocument = QT_TRANSLATE_NOOP("CMiscPage", "Aucun planeurs en cours d'edition");

QGroupBox* fieldGroup(const QString& title, const QStringList& labels, QLineEdit** fields,
                      QPushButton* copy, QLabel* note = nullptr, QPushButton* beside = nullptr) {
    auto* group = new QGroupBox(title);
    auto* form = new QFormLayout(group);
    for (int i = 0; i < labels.size(); ++i) {
        fields[i] = new QLineEdit;
        form->addRow(labels[i], fields[i]);
    }
    if (note)
        form->addRow(note);
    if (beside) {
        auto* row = new QHBoxLayout;
        row->addWidget(copy);
        row->addWidget(beside);
        form->addRow(row);
    } else {
        form->addRow(copy);
    }
    return group;
}

QString missingText(aero::Unavailable why) {
    return unavailableReason(why, FigureTexts::Interface);
}

} // namespace

CMiscPage::CMiscPage(ActiveDocumentSource& source, QWidget* parent) : CParamPage(source, parent) {
    copyCentre_ = new QPushButton(tr("Copier l'estimation"));
    copyInertia_ = new QPushButton(tr("Copier l'estimation"));
    copyCentre_->setToolTip(tr("Reprend le centre de gravité estimé"));
    copyInertia_->setToolTip(tr("Reprend les moments d'inertie estimés"));

    // The field keeps the sign the model has always held; the frame says what it means.
    frameNote_ = new QLabel(tr("X vers l'avant depuis le nez : négatif derrière lui."));
    frameNote_->setWordWrap(true);
    assistant_ = new DesignAssistant(
        source, this, [this] { return options(); }, [this] { Load(); });

    auto* column = new QVBoxLayout(this);
    column->addWidget(fieldGroup(tr("Centre de gravité"), {tr("X :"), tr("Y :"), tr("Z :")},
                                 centre_.data(), copyCentre_, frameNote_,
                                 assistant_->centreButton()));
    column->addWidget(fieldGroup(tr("Moments d'inertie"),
                                 {tr("XX :"), tr("YY : "), tr("ZZ : "), tr("XZ : ")},
                                 inertia_.data(), copyInertia_));

    column->addWidget(makeDragGroup(), 1);

    connect(compute_, &QPushButton::clicked, this, &CMiscPage::compute);
    connect(chart_, &QPushButton::clicked, this, &CMiscPage::showChart);
    connect(copyCentre_, &QPushButton::clicked, this, [this] { copyEstimate(Estimate::Centre); });
    connect(copyInertia_, &QPushButton::clicked, this, [this] { copyEstimate(Estimate::Inertia); });
}

// The drag check boxes, "Calcul", "Graphique" and the figures, which scroll inside the group
// so that the narrow bar keeps its size and every line can be reached.
QGroupBox* CMiscPage::makeDragGroup() {
    auto* drag = new QGroupBox(tr("Trainées"));
    auto* box = new QVBoxLayout(drag);
    const char* const labels[] = {QT_TR_NOOP("Trainée induite des ailes"),
                                  QT_TR_NOOP("Trainée induite du stab"),
                                  QT_TR_NOOP("Trainée du fuselage")};
    for (int i = 0; i < 3; ++i) {
        drag_[i] = new QCheckBox(tr(labels[i]));
        drag_[i]->setChecked(true);
        box->addWidget(drag_[i]);
        connect(drag_[i], &QCheckBox::toggled, this, &CMiscPage::refresh);
    }
    compute_ = new QPushButton(tr("Calcul"));
    chart_ = new QPushButton(tr("Graphique"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(compute_);
    buttons->addWidget(chart_);
    buttons->addWidget(assistant_->trimButton());
    box->addLayout(buttons);

    figures_ = new QTextBrowser;
    figures_->setFrameShape(QFrame::NoFrame);
    figures_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    figures_->setMinimumHeight(60);
    figures_->viewport()->setAutoFillBackground(false);
    box->addWidget(figures_, 1);
    return drag;
}

CPolarWindow* CMiscPage::polarWindow() const {
    return polarWindow_.data();
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
    follow(*doc);
    refresh();
}

void CMiscPage::follow(CKeshDoc& document) {
    if (followed_ == &document)
        return;
    if (followed_)
        disconnect(followed_, nullptr, this, nullptr);
    followed_ = &document;
    connect(&document, &CKeshDoc::contentChanged, this, &CMiscPage::refresh);
}

void CMiscPage::refresh() {
    if (!followed_)
        return;
    analyse(*followed_);
    showFigures();
    showPolar();
}

bool CMiscPage::applyFields() {
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
    // The figures follow once the whole step is done (see follow).
    follow(*doc);
    finishApply(*doc, changed);
    return true;
}

void CMiscPage::compute() {
    CKeshDoc* doc = activeDocument();
    if (!doc) {
        refuse(tr(kNoDocument));
        return;
    }
    setDocument(doc);
    follow(*doc);
    refresh();
}

void CMiscPage::showChart() {
    compute();
    if (!analysis_)
        return;
    const aero::Performance* performance = analysis_->flight();
    if (!performance) {
        refuse(tr("Pas de polaire des vitesses : %1.")
                   .arg(missingText(std::get<aero::Unavailable>(analysis_->performance))));
        return;
    }
    if (!polarWindow_)
        polarWindow_ = new CPolarWindow(prompts(), this);
    polarWindow_->setPerformance(*performance, analysedName_);
    polarWindow_->show();
    polarWindow_->raise();
}

// An open window shows the analysis of the moment, or says that what it shows is past.
void CMiscPage::showPolar() {
    if (!polarWindow_ || !analysis_)
        return;
    if (const aero::Performance* performance = analysis_->flight())
        polarWindow_->setPerformance(*performance, analysedName_);
    else
        polarWindow_->setOutOfDate(
            missingText(std::get<aero::Unavailable>(analysis_->performance)));
}

void CMiscPage::copyEstimate(Estimate which) {
    const aero::MassProperties* mass = analysis_ ? analysis_->mass() : nullptr;
    if (!mass) {
        const QString text = which == Estimate::Centre
                                 ? tr("Pas de centre de gravité estimé : %1.")
                                 : tr("Pas de moments d'inertie estimés : %1.");
        if (analysis_)
            refuse(text.arg(missingText(std::get<aero::Unavailable>(analysis_->balance))));
        return;
    }
    if (which == Estimate::Centre) {
        const Vec3f centre = estimatedCentrum(*mass);
        for (int axis = 0; axis < 3; ++axis)
            showFloat(centre_[axis], centre[axis]);
    } else {
        for (int i = 0; i < 4; ++i)
            showDouble(inertia_[i], mass->inertia[i]);
    }
}

void CMiscPage::analyse(const CKeshDoc& document) {
    analysis_ = aero::analyseGlider(document.glider(), options());
    analysedName_ = fromCodePage(document.glider().name);
}

void CMiscPage::showFigures() {
    if (!analysis_) {
        figures_->clear();
        return;
    }
    const int scrolled = figures_->verticalScrollBar()->value();
    QString html;
    for (const FigureLine& line : analysisFigureLines(*analysis_, FigureTexts::Interface))
        html += tr("<div>%1 : <b>%2</b></div>")
                    .arg(line.label.toHtmlEscaped(), line.value.toHtmlEscaped());
    figures_->setHtml(html);
    figures_->verticalScrollBar()->setValue(scrolled);
}

aero::AnalysisOptions CMiscPage::options() const {
    aero::AnalysisOptions o;
    o.parts.wingInduced = drag_[0]->isChecked();
    o.parts.stabiliserInduced = drag_[1]->isChecked();
    o.parts.fuselage = drag_[2]->isChecked();
    return o;
}

void CMiscPage::refuse(const QString& text) {
    prompts().message(this, text, tr("Erreur"), PromptIcon::Error);
}
