#include "shell/widgets/dialogdockbar.h"

#include <QScrollArea>

namespace {

// Asks for the hosted dialog's own size, so that the bar starts at the dialog's size.
class DialogScroller : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        if (!widget())
            return QScrollArea::sizeHint();
        return widget()
            ->sizeHint()
            .expandedTo(widget()->minimumSizeHint())
            .expandedTo(widget()->minimumSize());
    }
};

} // namespace

CDialogDockBar::CDialogDockBar(const QString& title, QWidget* dialog, QWidget* parent)
    : QDockWidget(title, parent), dialog_(dialog) {
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::AllDockWidgetAreas);
    setMinimumSize(kMinExtent, kMinExtent);

    auto* scroller = new DialogScroller(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setMinimumSize(0, 0);
    scroller->setWidget(dialog);
    setWidget(scroller);
}
