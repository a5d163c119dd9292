#include "shell/pages/wingpage.h"

#include "model/surface.h"
#include "model/weightestimate.h"

CWingPage::CWingPage(ActiveDocumentSource& source, QWidget* parent)
    : CSurfacePage(source,
                   {WingLeft, {WingLeft, WingRight}, true, true, ComponentWing, SkinPart::Wing},
                   parent) {}
