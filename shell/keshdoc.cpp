#include "shell/keshdoc.h"

#include "formats/foilfile.h"
#include "render/drawing.h"
#include "render/listplan.h"
#include "render/myglview.h"

CKeshDoc::CKeshDoc(QObject* parent) : QObject(parent) {}

CKeshDoc::~CKeshDoc() = default;

void CKeshDoc::setTitle(const QString& title) {
    if (title_ == title)
        return;
    title_ = title;
    emit titleChanged(title_);
}

void CKeshDoc::setModified(bool modified) {
    const bool toggled = modified_ != modified;
    modified_ = modified;
    if (toggled)
        emit modifiedChanged(modified_);
    if (modified)
        emit contentChanged();
}

void CKeshDoc::addView(CMyglView* view) {
    if (view && !views_.contains(view))
        views_.append(view);
}

void CKeshDoc::removeView(CMyglView* view) {
    views_.removeAll(view);
}

QList<CMyglView*> CKeshDoc::views() const {
    QList<CMyglView*> live;
    for (const auto& view : views_)
        if (view)
            live.append(view.data());
    return live;
}

void CKeshDoc::updateAllViews(int hint) {
    for (CMyglView* view : views())
        view->onUpdate(hint);
}

CMyglView* CKeshDoc::viewWithContext() const {
    for (CMyglView* view : views())
        if (view->isValid())
            return view;
    return nullptr;
}

void CKeshDoc::rebuildModel() {
    CMyglView* view = viewWithContext();
    if (!view) {
        // No context yet: the first paint compiles the list from the re-derived parts.
        rederiveGlider(glider_, FoilLoader(loadFoil));
        return;
    }
    view->makeCurrent();
    if (isGliderPrepared(glider_))
        rebuildDisplayList(glider_, display_.visibility);
    else
        rederiveGlider(glider_, FoilLoader(loadFoil));
    view->doneCurrent();
}

void CKeshDoc::releaseGl(CMyglView* lastView) {
    if (!lastView || !lastView->isValid())
        return;
    lastView->makeCurrent();
    releaseGliderGl(glider_);
    lastView->doneCurrent();
}
