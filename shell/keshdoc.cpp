#include "shell/keshdoc.h"

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
    if (modified_ == modified)
        return;
    modified_ = modified;
    emit modifiedChanged(modified_);
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

void CKeshDoc::rebuildModel() {
    // Filled in once the render library's rebuild entry point is in place.
}
