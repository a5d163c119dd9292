#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

/**
 * The start-up picture. It closes itself after its timeout, or at the first key or mouse
 * press anywhere in the application, which it consumes. It deletes itself once closed.
 */
class CSplashWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 4500;

    explicit CSplashWindow(const QPixmap& picture, int timeoutMs = kTimeoutMs);
    // Time left before it closes itself; -1 once it is finished.
    int remainingMs() const { return timer_.remainingTime(); }
    ~CSplashWindow() override;

    bool isFinished() const { return finished_; }

signals:
    // Emitted once, when the splash goes away.
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void finish();

    QPixmap picture_;
    QTimer timer_;
    bool finished_ = false;
};
