#include "shell/widgets/dialogdockbar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>

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
    // The bar's own floor rules; the dialog scrolls below its size.
    QSize minimumSizeHint() const override { return {0, 0}; }
};

// The caption strip: the title, which gives way first, and the float and close buttons,
// small enough for the bar to narrow to its floor. Presses it does not use reach the dock,
// which drags and floats it as usual.
class DockCaption : public QWidget {
public:
    explicit DockCaption(QDockWidget* dock) : QWidget(dock) {
        auto* title = new QLabel(dock->windowTitle());
        title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        connect(dock, &QWidget::windowTitleChanged, title, &QLabel::setText);
        QToolButton* floatButton = captionButton(QStyle::SP_TitleBarNormalButton);
        QToolButton* closeButton = captionButton(QStyle::SP_TitleBarCloseButton);
        connect(floatButton, &QToolButton::clicked, dock,
                [dock] { dock->setFloating(!dock->isFloating()); });
        connect(closeButton, &QToolButton::clicked, dock, &QWidget::close);

        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(2, 2, 1, 2);
        row->setSpacing(1);
        row->addWidget(title, 1);
        row->addWidget(floatButton);
        row->addWidget(closeButton);
    }

private:
    QToolButton* captionButton(QStyle::StandardPixmap icon) {
        constexpr int kButton = 13;
        auto* button = new QToolButton(this);
        button->setIcon(style()->standardIcon(icon, nullptr, this));
        button->setIconSize(QSize(kButton - 4, kButton - 4));
        button->setFixedSize(kButton, kButton);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    }
};

} // namespace

CDialogDockBar::CDialogDockBar(const QString& title, QWidget* dialog, QWidget* parent)
    : QDockWidget(title, parent), dialog_(dialog) {
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::AllDockWidgetAreas);
    setMinimumSize(kMinExtent, kMinExtent);
    setTitleBarWidget(new DockCaption(this));

    auto* scroller = new DialogScroller(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setMinimumSize(0, 0);
    scroller->setWidget(dialog);
    setWidget(scroller);

    // A floating bar gains a frame; it grows so that its dialog keeps the room it had.
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        if (floating)
            resize(size().expandedTo(sizeHint()));
    });
}
