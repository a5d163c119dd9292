#include "shell/widgets/colorbutton.h"

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

    button.setColor(QColor(230, 200, 120));
    EXPECT_EQ(button.color(), QColor(230, 200, 120));
    EXPECT_EQ(button.grab().toImage().pixelColor(5, 15), QColor(230, 200, 120));
}

// The relief is raised, two pixels of a light shade at the top left; pressed it sinks to
// one pixel of the dark shade.
TEST(ColorButtonTest, APressSinksTheRelief) {
    CColorButton button(QStringLiteral("Couleurs"));
    button.resize(80, 30);
    button.setColor(QColor(230, 200, 120));
    const QImage raised = button.grab().toImage();
    EXPECT_EQ(raised.pixelColor(0, 15), raised.pixelColor(1, 15));
    EXPECT_GT(raised.pixelColor(0, 15).lightness(), QColor(230, 200, 120).lightness());

    button.setDown(true);
    const QImage sunk = button.grab().toImage();
    EXPECT_LT(sunk.pixelColor(0, 15).lightness(), QColor(230, 200, 120).lightness());
    EXPECT_EQ(sunk.pixelColor(1, 15), QColor(230, 200, 120));
}

TEST(ColorButtonTest, CaptionAndReliefStayReadableOnDarkColours) {
    CColorButton button(QStringLiteral("Couleurs"));
    button.resize(80, 30);
    for (const QColor& fill : {QColor(0, 0, 0), QColor(20, 10, 90)}) {
        button.setColor(fill);
        EXPECT_EQ(button.captionColor(), QColor(Qt::white));
        const QImage image = button.grab().toImage();
        for (const QPoint edge : {QPoint(0, 15), QPoint(79, 15), QPoint(40, 0), QPoint(40, 29)})
            EXPECT_GT(image.pixelColor(edge).lightness(), fill.lightness() + 40)
                << edge.x() << "," << edge.y();
        int bright = 0;
        for (int y = 5; y < 25; ++y)
            for (int x = 10; x < 70; ++x)
                bright += image.pixelColor(x, y).lightness() > 200;
        EXPECT_GT(bright, 10) << "the caption";
    }
    button.setColor(QColor(250, 240, 180));
    EXPECT_EQ(button.captionColor(), QColor(Qt::black));
}
