#include "shell/widgets/splashwindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

CSplashWindow::CSplashWindow(const QPixmap& picture, int timeoutMs)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(picture) {
    setAttribute(Qt::WA_DeleteOnClose);
    setCursor(Qt::ArrowCursor);
    setFixedSize(picture_.deviceIndependentSize().toSize());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer); // a coarse timer may run 5 % long
    connect(&timer_, &QTimer::timeout, this, &CSplashWindow::finish);
    timer_.start(timeoutMs);
    qApp->installEventFilter(this);
}

CSplashWindow::~CSplashWindow() {
    qApp->removeEventFilter(this);
}

bool CSplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (finished_)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Claimed so that a shortcut key does not fire its command behind the splash;
        // the key press that follows then closes it.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        finish();
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void CSplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void CSplashWindow::finish() {
    if (finished_)
        return;
    finished_ = true;
    timer_.stop();
    qApp->removeEventFilter(this);
    emit finished();
    close();
}
