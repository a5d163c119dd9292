#include "shell/widgets/dialogdockbar.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class DockBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(800, 600);
        window.setCentralWidget(new QLabel(QStringLiteral("centre")));
        dialog = new QLabel(QStringLiteral("a hosted dialog"));
        dialog->setMinimumSize(150, 200);
        bar = new CDialogDockBar(QStringLiteral("Params glider bar"), dialog, &window);
        bar->setObjectName(QStringLiteral("bar"));
        window.addDockWidget(Qt::LeftDockWidgetArea, bar);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QMainWindow window;
    QLabel* dialog = nullptr;
    CDialogDockBar* bar = nullptr;
};

} // namespace

TEST_F(DockBarTest, StartsAtTheDialogsSizeWhichFillsTheBar) {
    EXPECT_EQ(bar->dialog(), dialog);
    EXPECT_GE(bar->width(), 150);
    EXPECT_TRUE(dialog->isVisible());
    bar->resize(300, bar->height());
    window.resizeDocks({bar}, {300}, Qt::Horizontal);
    QTest::qWait(20);
    EXPECT_GE(dialog->width(), bar->width() - 12);
}

TEST_F(DockBarTest, NeverNarrowerThanThirtyTwoPixels) {
    // The dialog scrolls inside a bar narrower than the dialog can go.
    window.resizeDocks({bar}, {10}, Qt::Horizontal);
    QTest::qWait(20);
    EXPECT_EQ(bar->width(), CDialogDockBar::kMinExtent);
}

TEST_F(DockBarTest, CloseHidesTheBarAndTheToggleShowsItAgainInPlace) {
    QAction* toggle = bar->toggleViewAction();
    EXPECT_TRUE(toggle->isChecked());
    bar->close();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_EQ(window.dockWidgetArea(bar), Qt::LeftDockWidgetArea);
    EXPECT_FALSE(bar->isFloating());
}

TEST_F(DockBarTest, TheCaptionsFloatButtonFloatsItAndDocksItAgain) {
    EXPECT_EQ(bar->allowedAreas(), Qt::AllDockWidgetAreas);
    const QList<QToolButton*> buttons = bar->titleBarWidget()->findChildren<QToolButton*>();
    ASSERT_EQ(buttons.size(), 2);
    QToolButton* floatButton = buttons[0];
    QTest::mouseClick(floatButton, Qt::LeftButton);
    EXPECT_TRUE(bar->isFloating());
    EXPECT_TRUE(bar->isVisible());
    QTest::mouseClick(floatButton, Qt::LeftButton);
    EXPECT_FALSE(bar->isFloating());
    EXPECT_EQ(window.dockWidgetArea(bar), Qt::LeftDockWidgetArea);
}
