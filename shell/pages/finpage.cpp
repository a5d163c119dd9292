#include "shell/pages/finpage.h"

#include "model/surface.h"
#include "model/weightestimate.h"

CFinPage::CFinPage(ActiveDocumentSource& source, QWidget* parent)
    : CSurfacePage(source, {Fin, {Fin}, false, false, ComponentFin, SkinPart::Fin}, parent) {}
