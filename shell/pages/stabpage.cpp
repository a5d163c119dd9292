#include "shell/pages/stabpage.h"

#include "model/surface.h"
#include "model/weightestimate.h"

#include <QCheckBox>

#include <algorithm>

CStabPage::CStabPage(ActiveDocumentSource& source, QWidget* parent)
    : CSurfacePage(source,
                   {StabLeft, {StabLeft, StabRight}, true, true, ComponentStab, SkinPart::Stab},
                   parent),
      vTail_(new QCheckBox(tr("Stab en V"), this)) {
    // Not part of the glider file; kept for its place on the page.
    vTail_->setEnabled(false);
}

void CStabPage::resizeEvent(QResizeEvent* event) {
    CSurfacePage::resizeEvent(event);
    vTail_->setGeometry(10, height() - 20, std::max(70, vTail_->sizeHint().width()), 20);
}
