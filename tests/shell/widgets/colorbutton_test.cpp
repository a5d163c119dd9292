#include "shell/widgets/colorbutton.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(ColorButtonTest, ShowsGreyUntilSetThenItsColour) {
    CColorButton button(QStringLiteral("Couleur"));
    button.resize(80, 30);
    EXPECT_EQ(button.color(), QColor(128, 128, 128));
    EXPECT_EQ(button.captionColor(), QColor(Qt::black));
    EXPECT_EQ(button.text(), QStringLiteral("Couleur"));
    // Inside the relief, away from the caption.
    EXPECT_EQ(button.grab().toImage().pixelColor(5, 15), QColor(128, 128, 128));

    button.setColor(QColor(200, 30, 40));
    EXPECT_EQ(button.color(), QColor(200, 30, 40));
    EXPECT_EQ(button.grab().toImage().pixelColor(5, 15), QColor(200, 30, 40));
}

TEST(ColorButtonTest, AClickGoesToTheOwner) {
    CColorButton button(QStringLiteral("Couleur"));
    button.resize(80, 30);
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    QSignalSpy clicked(&button, &QPushButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
}
