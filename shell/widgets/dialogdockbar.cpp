#include "shell/widgets/dialogdockbar.h"

#include <QScrollArea>

CDialogDockBar::CDialogDockBar(const QString& title, QWidget* dialog, QWidget* parent)
    : QDockWidget(title, parent), dialog_(dialog) {
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::AllDockWidgetAreas);
    setMinimumSize(kMinExtent, kMinExtent);

    auto* scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setMinimumSize(0, 0);
    scroller->setWidget(dialog);
    setWidget(scroller);
}
