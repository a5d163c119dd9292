#pragma once

#include <QMdiSubWindow>
#include <functional>

class CKeshDoc;
class CMyglView;

// The document window around one 3D view.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // The view is made here on the document's glider and settings.
    explicit CChildFrame(CKeshDoc& document, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CKeshDoc* document() const { return document_; }
    CMyglView* view() const { return view_; }

    // Asked before the window closes; false keeps it open.
    void setCloseGuard(std::function<bool(CChildFrame&)> guard) { guard_ = std::move(guard); }

signals:
    // The window is about to go away.
    void closing(CChildFrame* frame);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CKeshDoc* document_;
    CMyglView* view_;
    std::function<bool(CChildFrame&)> guard_;
};
