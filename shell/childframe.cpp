#include "shell/childframe.h"

#include "render/myglview.h"
#include "shell/keshdoc.h"

#include <QCloseEvent>

CChildFrame::CChildFrame(CKeshDoc& document, QWidget* parent)
    : QMdiSubWindow(parent), document_(&document),
      view_(new CMyglView(&document.glider(), &document.gl(), &document.display())) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view_);
    view_->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(view_);
    document.addView(view_);
}

CChildFrame::~CChildFrame() = default;

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (guard_ && !guard_(*this)) {
        event->ignore();
        return;
    }
    document_->removeView(view_);
    emit closing(this);
    QMdiSubWindow::closeEvent(event);
}
