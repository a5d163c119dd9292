#pragma once

#include "model/glider.h"
#include "render/displaysettings.h"
#include "render/glidergl.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUndoStack>

#include <map>
#include <memory>

class CMyglView;
class GliderSnapshot;

// One open glider: owns its model and display settings for its whole life and keeps the
// views that show it.
class CKeshDoc : public QObject {
    Q_OBJECT
public:
    explicit CKeshDoc(QObject* parent = nullptr);
    ~CKeshDoc() override;

    Glider& glider() { return glider_; }
    const Glider& glider() const { return glider_; }
    // The glider's OpenGL objects in the share group of its views.
    GliderGl& gl() { return gl_; }
    DisplaySettings& display() { return display_; }
    const DisplaySettings& display() const { return display_; }

    QString title() const { return title_; }
    void setTitle(const QString& title);
    // The file the document was opened from or saved to; empty for a new document.
    QString path() const { return path_; }
    void setPath(const QString& path) { path_ = path; }

    // Modified while the undo stack is away from its saved state, or once marked so.
    bool isModified() const { return marked_ || !undo_.isClean(); }
    // false: the glider was saved, the stack's present state is the saved one. true: the
    // document holds what no file does (a recovered copy) whatever the stack says.
    void setModified(bool modified = true);

    QUndoStack* undoStack() { return &undo_; }

    // Made from a template whose airfoils the simulator may lack: the first save copies them.
    bool copiesFoilsOnSave() const { return copiesFoils_; }
    void setCopiesFoilsOnSave(bool copies) { copiesFoils_ = copies; }

    // One user action. Edits the pages make to the glider between the outermost begin and
    // its end are one undo step, recorded when one of them noted a change; the glider is
    // then re-derived and redrawn once. The step is named after the innermost edits that
    // noted a change ("Aile, Divers" for two pages of one "Appliquer").
    void beginEdit(const QString& text);
    void noteChange();
    void endEdit();
    // Opens an edit for a scope; a null document makes it do nothing.
    class EditScope {
    public:
        EditScope(CKeshDoc* document, const QString& text);
        ~EditScope();
        EditScope(const EditScope&) = delete;
        EditScope& operator=(const EditScope&) = delete;

    private:
        QPointer<CKeshDoc> document_;
    };

    void addView(CMyglView* view);
    void removeView(CMyglView* view);
    QList<CMyglView*> views() const;

    // Sends the hint bits (HintFill, HintTexture, HintRebuild; 0 redraws) to every view.
    void updateAllViews(int hint);

    // After an edit: surfaces re-derived and the display list rebuilt with the document's
    // visibility mask, in a view's context when one exists. Airfoils are read again only
    // when `rereadFoils` says their files changed.
    void rebuildModel(bool rereadFoils = false);
    // The derived values (root points, areas, sums) afresh from the stored ones; no file read.
    void deriveGlider();
    // Frees the glider's display list and textures in the context of its last view.
    void releaseGl(CMyglView* lastView);
    // After the airfoil file at `path` was replaced: the surfaces drawing it read it again,
    // and no undo or redo brings the old one back, airfoils being shared data on disk.
    void foilFileReplaced(const QString& path);

signals:
    void modifiedChanged(bool modified);
    // The glider changed, whether or not the document was modified already.
    void contentChanged();
    void titleChanged(const QString& title);
    // Undo or redo put an earlier state back: whatever shows the glider must reload it.
    void restored();

private:
    CMyglView* viewWithContext() const;
    void restore(const std::shared_ptr<const GliderSnapshot>& snapshot);
    void takeReplacedFoils();
    // rebuildModel that, given the state the present list draws, keeps that list as the
    // spare, so that stepping back to the state needs no compile.
    void rebuild(std::shared_ptr<const void> replacedState, bool rereadFoils = false);
    void reportModified();

    Glider glider_;
    GliderGl gl_;
    DisplaySettings display_;
    QString title_;
    bool copiesFoils_ = false;
    QString path_;
    bool marked_ = false;
    bool reportedModified_ = false;
    QUndoStack undo_;
    bool editChanged_ = false;
    QStringList editNames_;    // of the open edits, outermost first
    QStringList changedNames_; // of the innermost edits that noted a change
    std::shared_ptr<const GliderSnapshot> editBefore_;
    // What the display list drew when the edit began; a compile within the edit (a new
    // airfoil read) forgets it, and the list then no longer draws the state before.
    std::shared_ptr<const void> listAtBegin_;
    // The latest snapshot taken, whose airfoils the next one shares when unchanged.
    std::shared_ptr<const GliderSnapshot> lastSnapshot_;
    QList<QPointer<CMyglView>> views_;
    // The airfoils read again after their files were replaced, by canonical path; a state
    // put back takes these instead of its own copies
    // (null until a state needs one no surface drew when its file was replaced).
    std::map<QString, std::shared_ptr<const Foil>> replacedFoils_;
};
