#include "shell/widgets/splashwindow.h"

#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QPixmap picture() {
    QPixmap pixmap(60, 40);
    pixmap.fill(Qt::blue);
    return pixmap;
}

class SplashTest : public ::testing::Test {
protected:
    void SetUp() override {
        target.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&target));
    }
    QLineEdit target;
};

} // namespace

TEST_F(SplashTest, AKeyPressAnywhereOnlyClosesTheSplash) {
    QPointer<CSplashWindow> splash = new CSplashWindow(picture());
    splash->show();
    EXPECT_EQ(splash->size(), QSize(60, 40));
    QSignalSpy finished(splash.data(), &CSplashWindow::finished);
    QTest::keyClick(&target, Qt::Key_A);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(target.text().isEmpty());

    // The splash is gone; keys reach the application again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
    QTest::keyClick(&target, Qt::Key_B);
    EXPECT_EQ(target.text(), QStringLiteral("b"));
}

TEST_F(SplashTest, AMousePressClosesItAndIsConsumed) {
    QPointer<CSplashWindow> splash = new CSplashWindow(picture());
    splash->show();
    target.setText(QStringLiteral("abc"));
    target.setCursorPosition(0);
    QTest::mouseClick(&target, Qt::LeftButton, {}, QPoint(target.width() - 2, 5));
    EXPECT_TRUE(splash->isFinished());
    EXPECT_EQ(target.cursorPosition(), 0);
}

TEST_F(SplashTest, ClosesItselfWhenItsTimeIsUp) {
    // The default one counts down from 4.5 s as soon as it is made.
    {
        const CSplashWindow standard(picture());
        EXPECT_GT(standard.remainingMs(), 4000);
        EXPECT_LE(standard.remainingMs(), 4500);
    }

    QPointer<CSplashWindow> splash = new CSplashWindow(picture(), 30);
    splash->show();
    QSignalSpy finished(splash.data(), &CSplashWindow::finished);
    EXPECT_TRUE(finished.wait(2000));
    EXPECT_FALSE(splash->isVisible());
}
