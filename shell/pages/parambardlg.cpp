#include "shell/pages/parambardlg.h"

#include "shell/activedocumentsource.h"
#include "shell/keshdoc.h"
#include "shell/pages/bodypage.h"
#include "shell/pages/finpage.h"
#include "shell/pages/generalpage.h"
#include "shell/pages/miscpage.h"
#include "shell/pages/stabpage.h"
#include "shell/pages/wingpage.h"
#include "shell/widgets/pictures.h"

#include <QPushButton>
#include <QTabWidget>

namespace {

const char* const kTabLabels[CParamBarDlg::TabCount] = {
    QT_TRANSLATE_NOOP("CParamBarDlg", "General"),  QT_TRANSLATE_NOOP("CParamBarDlg", "Aile"),
    QT_TRANSLATE_NOOP("CParamBarDlg", "Fuselage"), QT_TRANSLATE_NOOP("CParamBarDlg", "Stab"),
    QT_TRANSLATE_NOOP("CParamBarDlg", "Derive"),   QT_TRANSLATE_NOOP("CParamBarDlg", "Divers")};
// The undo step of each page's changes.
const char* const kStepNames[CParamBarDlg::TabCount] = {
    QT_TRANSLATE_NOOP("CParamBarDlg", "Général"),
    QT_TRANSLATE_NOOP("CParamBarDlg", "Aile"),
    QT_TRANSLATE_NOOP("CParamBarDlg", "Fuselage"),
    QT_TRANSLATE_NOOP("CParamBarDlg", "Stabilisateur"),
    QT_TRANSLATE_NOOP("CParamBarDlg", "Dérive"),
    QT_TRANSLATE_NOOP("CParamBarDlg", "Divers")};
// Room around the tab control for the button row, as the resize layout places them.
constexpr int kRightMargin = 5;
constexpr int kBottomMargin = 30;

} // namespace

CParamBarDlg::CParamBarDlg(ActiveDocumentSource& source, QWidget* parent)
    : QWidget(parent), source_(source), tabs_(new QTabWidget(this)),
      apply_(new QPushButton(tr("Appliquer"), this)) {
    tabs_->setTabPosition(QTabWidget::South);
    tabs_->setIconSize(QSize(16, 16));
    tabs_->setUsesScrollButtons(true);

    pages_[General] = new CGeneralPage(source);
    pages_[Wing] = new CWingPage(source);
    pages_[Body] = new CBodyPage(source);
    pages_[Stab] = new CStabPage(source);
    pages_[Fin] = new CFinPage(source);
    pages_[Misc] = new CMiscPage(source);
    for (int tab = 0; tab < TabCount; ++tab) {
        tabs_->addTab(pages_[tab], tabIcon(tab), tr(kTabLabels[tab]));
        pages_[tab]->setStepName(tr(kStepNames[tab]));
    }
    tabs_->setCurrentIndex(General);

    connect(apply_, &QPushButton::clicked, this, &CParamBarDlg::ApplyAll);
    setMinimumSize(sizeHint());
}

QSize CParamBarDlg::sizeHint() const {
    return tabs_->sizeHint() + QSize(kRightMargin, kBottomMargin);
}

void CParamBarDlg::ReloadPages() {
    for (CParamPage* page : pages_)
        page->Load();
}

void CParamBarDlg::ApplyAll() {
    const CKeshDoc::EditScope edit(source_.activeDocument(), CParamPage::applyStepName());
    for (CParamPage* page : pages_)
        page->Apply();
}

void CParamBarDlg::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int cx = width();
    const int cy = height();
    tabs_->setGeometry(0, 0, cx - 5, cy - 30);
    apply_->setGeometry(cx - 65, cy - 27, 60, 20);
}
