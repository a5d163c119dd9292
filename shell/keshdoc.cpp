#include "shell/keshdoc.h"

#include "formats/diskpath.h"
#include "formats/foilfile.h"
#include "model/errors.h"
#include "render/drawing.h"
#include "render/listplan.h"
#include "render/myglview.h"
#include "shell/editstep.h"

#include <QFileInfo>

#include <algorithm>

CKeshDoc::CKeshDoc(QObject* parent) : QObject(parent) {
    connect(&undo_, &QUndoStack::cleanChanged, this, &CKeshDoc::reportModified);
    connect(&undo_, &QUndoStack::indexChanged, this, &CKeshDoc::contentChanged);
}

CKeshDoc::~CKeshDoc() {
    // The stack says it is clean again as it goes; nobody is listening by then.
    undo_.disconnect(this);
}

void CKeshDoc::setTitle(const QString& title) {
    if (title_ == title)
        return;
    title_ = title;
    emit titleChanged(title_);
}

void CKeshDoc::setModified(bool modified) {
    marked_ = modified;
    if (!modified)
        undo_.setClean();
    reportModified();
    if (modified)
        emit contentChanged();
}

void CKeshDoc::reportModified() {
    const bool modified = isModified();
    if (modified == reportedModified_)
        return;
    reportedModified_ = modified;
    emit modifiedChanged(modified);
}

void CKeshDoc::beginEdit(const QString& text) {
    editNames_.append(text);
    if (editNames_.size() > 1)
        return;
    editChanged_ = false;
    changedNames_.clear();
    editBefore_ = std::make_shared<const GliderSnapshot>(glider_, lastSnapshot_.get());
    listAtBegin_ = gl_.listState;
}

void CKeshDoc::noteChange() {
    editChanged_ = true;
    if (!editNames_.isEmpty() && !changedNames_.contains(editNames_.constLast()))
        changedNames_.append(editNames_.constLast());
}

void CKeshDoc::endEdit() {
    if (editNames_.isEmpty())
        return;
    const QString outerName = editNames_.takeLast();
    if (!editNames_.isEmpty())
        return;
    std::shared_ptr<const GliderSnapshot> before = std::move(editBefore_);
    if (!editChanged_)
        return;
    const bool listDrawsBefore = listAtBegin_ && gl_.listState == listAtBegin_;
    listAtBegin_.reset();
    rebuild(listDrawsBefore ? before : nullptr);
    updateAllViews(HintRedraw);
    lastSnapshot_ = std::make_shared<const GliderSnapshot>(glider_, before.get());
    gl_.listState = lastSnapshot_;
    const QString name =
        changedNames_.isEmpty() ? outerName : changedNames_.join(QStringLiteral(", "));
    undo_.push(new EditStep(
        name, std::move(before), lastSnapshot_,
        [this](const std::shared_ptr<const GliderSnapshot>& state) { restore(state); }));
}

CKeshDoc::EditScope::EditScope(CKeshDoc* document, const QString& text) : document_(document) {
    if (document_)
        document_->beginEdit(text);
}

CKeshDoc::EditScope::~EditScope() {
    if (document_)
        document_->endEdit();
}

void CKeshDoc::restore(const std::shared_ptr<const GliderSnapshot>& snapshot) {
    const bool drawnAlready = swapToSpare(gl_, snapshot.get());
    snapshot->restoreInto(glider_);
    takeReplacedFoils();
    if (drawnAlready) {
        deriveGlider();
    } else {
        rebuild(gl_.listState);
        gl_.listState = snapshot;
    }
    updateAllViews(HintRedraw);
    emit restored();
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

void CKeshDoc::rebuildModel(bool rereadFoils) {
    rebuild(nullptr, rereadFoils);
}

void CKeshDoc::rebuild(std::shared_ptr<const void> replacedState, bool rereadFoils) {
    const FoilLoader loader = rereadFoils ? FoilLoader(loadFoil) : FoilLoader(loadFoilOnce);
    CMyglView* view = viewWithContext();
    if (!view) {
        // No context yet: the first paint compiles the list from the re-derived parts.
        rederiveGlider(glider_, loader);
        return;
    }
    view->makeCurrent();
    if (!isGliderPrepared(gl_))
        rederiveGlider(glider_, loader);
    else if (replacedState)
        rebuildKeepingSpare(glider_, gl_, display_.visibility, std::move(replacedState));
    else
        rebuildDisplayList(glider_, gl_, display_.visibility, loader);
    view->doneCurrent();
}

void CKeshDoc::deriveGlider() {
    rederiveGlider(glider_, FoilLoader(loadFoilOnce));
}

void CKeshDoc::releaseGl(CMyglView* lastView) {
    if (!lastView || !lastView->isValid())
        return;
    lastView->makeCurrent();
    releaseGliderGl(gl_);
    lastView->doneCurrent();
}

namespace {

QString canonicalFoilPath(const std::string& path) {
    return path.empty() ? QString() : QFileInfo(fromDiskPath(path)).canonicalFilePath();
}

} // namespace

void CKeshDoc::foilFileReplaced(const QString& path) {
    const QString replaced = QFileInfo(path).canonicalFilePath();
    if (replaced.isEmpty())
        return;
    replacedFoils_[replaced] = nullptr;
    const auto drawing = [&](const Surface& s) {
        return canonicalFoilPath(s.foil.foilPath) == replaced;
    };
    if (std::none_of(glider_.surfaces.begin(), glider_.surfaces.end(), drawing))
        return;
    rebuildModel(true);
    updateAllViews(HintRedraw);
    for (const Surface& surface : glider_.surfaces)
        if (drawing(surface) && !surface.foil.polars.empty())
            replacedFoils_[replaced] = std::make_shared<const Foil>(surface.foil);
}

void CKeshDoc::takeReplacedFoils() {
    if (replacedFoils_.empty())
        return;
    for (Surface& surface : glider_.surfaces) {
        const auto found = replacedFoils_.find(canonicalFoilPath(surface.foil.foilPath));
        if (found == replacedFoils_.end())
            continue;
        if (!found->second) {
            auto fresh = std::make_shared<Foil>();
            try {
                loadFoil(*fresh, surface.foil.foilPath);
            } catch (const err&) {
                continue; // the state's own copy is all there is
            }
            found->second = std::move(fresh);
        }
        if (!(surface.foil == *found->second))
            surface.foil = *found->second;
    }
}
