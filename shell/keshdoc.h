#pragma once

#include "model/glider.h"
#include "render/displaysettings.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class CMyglView;

// One open glider: owns its model and display settings for its whole life and keeps the
// views that show it.
class CKeshDoc : public QObject {
    Q_OBJECT
public:
    explicit CKeshDoc(QObject* parent = nullptr);
    ~CKeshDoc() override;

    Glider& glider() { return glider_; }
    const Glider& glider() const { return glider_; }
    DisplaySettings& display() { return display_; }
    const DisplaySettings& display() const { return display_; }

    QString title() const { return title_; }
    void setTitle(const QString& title);
    // The file the document was opened from or saved to; empty for a new document.
    QString path() const { return path_; }
    void setPath(const QString& path) { path_ = path; }

    bool isModified() const { return modified_; }
    // Every edit marks the document modified, so setModified(true) also reports a change.
    void setModified(bool modified = true);

    void addView(CMyglView* view);
    void removeView(CMyglView* view);
    QList<CMyglView*> views() const;

    // Sends the hint bits (HintFill, HintTexture, HintRebuild; 0 redraws) to every view.
    void updateAllViews(int hint);

    // After an edit: surfaces re-derived and the display list rebuilt with the document's
    // visibility mask, in a view's context when one exists.
    void rebuildModel();
    // Frees the glider's display list and textures in the context of its last view.
    void releaseGl(CMyglView* lastView);

signals:
    void modifiedChanged(bool modified);
    // The glider changed, whether or not the document was modified already.
    void contentChanged();
    void titleChanged(const QString& title);

private:
    CMyglView* viewWithContext() const;

    Glider glider_;
    DisplaySettings display_;
    QString title_;
    QString path_;
    bool modified_ = false;
    QList<QPointer<CMyglView>> views_;
};
