#include "shell/toolsbardlg.h"

#include "render/displaysettings.h"
#include "render/myglview.h"
#include "shell/activedocumentsource.h"
#include "shell/keshdoc.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr int kWingBits = ShowWingLeft | ShowWingRight;
constexpr int kBodyBits = ShowBody;
constexpr int kStabBits = ShowStabLeft | ShowStabRight;
constexpr int kFinBits = ShowFin;

QPushButton* checkBox(const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setCheckable(true);
    return button;
}

} // namespace

CToolsBarDlg::CToolsBarDlg(ActiveDocumentSource& source, QWidget* parent)
    : QWidget(parent), source_(source), slider_(new QSlider(Qt::Vertical)), zoomText_(new QLabel),
      fill_(checkBox(tr("Fill"))), texture_(checkBox(tr("Texture"))),
      screenCopy_(new QPushButton(tr("Screen cpy"))), wing_(checkBox(tr("Aile"))),
      body_(checkBox(tr("Fuselage"))), stab_(checkBox(tr("Stab"))), fin_(checkBox(tr("Derive"))) {
    slider_->setRange(1, 100);
    // 1 at the top, and the arrow keys and the wheel move the thumb the way it is drawn.
    slider_->setInvertedAppearance(true);
    slider_->setInvertedControls(true);
    slider_->setTickPosition(QSlider::TicksBothSides);
    slider_->setTickInterval(10);
    slider_->setValue(kInitialPosition);
    slider_->setMinimumHeight(120);
    showZoom(kInitialPosition);
    zoomText_->setAlignment(Qt::AlignCenter);

    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(tr("Zoom : ")));
    column->addWidget(slider_, 1, Qt::AlignHCenter);
    column->addWidget(zoomText_);
    for (QPushButton* button : {fill_, texture_, screenCopy_, wing_, body_, stab_, fin_})
        column->addWidget(button);
    column->addStretch(0);
    // Wide enough for the bar's caption.
    setMinimumWidth(140);

    connect(slider_, &QSlider::valueChanged, this, &CToolsBarDlg::sliderMoved);
    connect(fill_, &QPushButton::clicked, this, &CToolsBarDlg::fillClicked);
    connect(texture_, &QPushButton::clicked, this, &CToolsBarDlg::textureClicked);
    connect(screenCopy_, &QPushButton::clicked, this, &CToolsBarDlg::copyScreen);
    connect(wing_, &QPushButton::clicked, this,
            [this](bool on) { visibilityClicked(on, kWingBits); });
    connect(body_, &QPushButton::clicked, this,
            [this](bool on) { visibilityClicked(on, kBodyBits); });
    connect(stab_, &QPushButton::clicked, this,
            [this](bool on) { visibilityClicked(on, kStabBits); });
    connect(fin_, &QPushButton::clicked, this,
            [this](bool on) { visibilityClicked(on, kFinBits); });
}

void CToolsBarDlg::sliderMoved(int position) {
    CMyglView* view = source_.activeView();
    if (position == position_ || !view)
        return;
    position_ = position;
    view->setZoom(static_cast<float>(position * 0.1));
    showZoom(position);
    if (CKeshDoc* doc = source_.activeDocument())
        doc->updateAllViews(HintRedraw);
}

void CToolsBarDlg::fillClicked(bool pressed) {
    showFill(pressed);
    if (CKeshDoc* doc = source_.activeDocument()) {
        doc->display().fill = pressed ? 0 : 1;
        doc->updateAllViews(HintFill);
    }
}

void CToolsBarDlg::textureClicked(bool pressed) {
    showTexture(pressed);
    if (CKeshDoc* doc = source_.activeDocument()) {
        doc->display().texture = pressed ? 0 : 1;
        doc->updateAllViews(HintTexture);
    }
}

void CToolsBarDlg::visibilityClicked(bool pressed, int bits) {
    CKeshDoc* doc = source_.activeDocument();
    if (!doc)
        return;
    int& mask = doc->display().visibility;
    mask = pressed ? (mask & ~bits) : (mask | bits);
    doc->updateAllViews(HintRebuild);
}

void CToolsBarDlg::copyScreen() {
    if (CMyglView* view = source_.activeView())
        view->screenCopy(QStringLiteral("try.bmp"));
}

void CToolsBarDlg::SyncFromView() {
    CMyglView* view = source_.activeView();
    if (!view)
        return;
    const int position = static_cast<int>(view->zoom() * 10);
    position_ = position;
    {
        // A zoom outside the slider's range must not come back as a slider move.
        const QSignalBlocker quiet(slider_);
        slider_->setValue(position);
    }
    showZoom(position);

    CKeshDoc* doc = source_.activeDocument();
    if (!doc)
        return;
    const DisplaySettings& display = doc->display();
    fill_->setChecked(display.fill == 0);
    showFill(display.fill == 0);
    texture_->setChecked(display.texture == 0);
    showTexture(display.texture == 0);
    wing_->setChecked((display.visibility & ShowWingLeft) == 0);
    fin_->setChecked((display.visibility & ShowFin) == 0);
    body_->setChecked((display.visibility & ShowBody) == 0);
    stab_->setChecked((display.visibility & ShowStabLeft) == 0);
}

void CToolsBarDlg::showZoom(int position) {
    zoomText_->setText(QString::asprintf("%.1f", position * 0.1));
}

void CToolsBarDlg::showFill(bool pressed) {
    fill_->setText(pressed ? tr("Line") : tr("Fill"));
}

void CToolsBarDlg::showTexture(bool pressed) {
    texture_->setText(pressed ? tr("Couleur") : tr("Texture"));
}
