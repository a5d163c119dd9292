#include "shell/pages/bodypage.h"
#include "shell/pages/gridrows.h"
#include "shell/pages/skinactions.h"
#include "shell/widgets/colorbutton.h"
#include "tests/shell/pages/pagetestsupport.h"

#include "model/glider.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class BodyPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        Body& body = doc.glider().body;
        body.weight = 1.25f;
        body.texturePath = "Asw\\body.raw";
        body.color = {0.0f, 0.5f, 1.0f};
        for (int i = 0; i < 4; ++i)
            body.sections.push_back({0.3f * i, -0.01f * i, 0.1f + i, 0.2f + i});
        source.document = &doc;
        page.resize(360, 320);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
        page.Load();
    }
    Body& body() { return doc.glider().body; }
    CGridCtrl& grid() { return *page.grid(); }

    CKeshDoc doc;
    PageSource source;
    CBodyPage page{source};
};

TEST_F(BodyPageTest, loadShowsTheBodyWithAnEmptyCorner) {
    EXPECT_EQ(grid().cellText(0, 0), "");
    EXPECT_EQ((QStringList{grid().cellText(0, 1), grid().cellText(0, 2), grid().cellText(0, 3),
                           grid().cellText(0, 4)}),
              (QStringList{"X", "Z", "Hauteur", "Largeur"}));
    EXPECT_EQ(columnTexts(grid(), 0), (QStringList{"", "1", "2", "3", "4"}));
    EXPECT_EQ(grid().cellText(2, 1), "0.300000");
    EXPECT_EQ(grid().cellText(4, 4), "3.200000");
    EXPECT_EQ(page.weightField()->text(), "1.25");
    EXPECT_EQ(page.skin().field()->text(), "Asw\\body.raw");
    EXPECT_EQ(page.colorField()->text(), "ff7f00");
    EXPECT_FALSE(page.colorField()->isEnabled());
    EXPECT_EQ(page.colorButton()->color(), QColor(0, 127, 255));
    EXPECT_EQ(page.colorButton()->text(), "Couleurs");
}

TEST_F(BodyPageTest, deletingRowTwoRenumbersAndDropsItsSection) {
    clickCell(grid(), 2, 3);
    source.scripted.yesNoAnswers.push_back(true);
    QTest::mouseClick(page.deleteButton(), Qt::LeftButton);
    EXPECT_EQ(source.scripted.shown.back().text, "Voulez-vous detruire la ligne 2 ?");
    EXPECT_EQ(columnTexts(grid(), 0), (QStringList{"", "1", "2", "3"}));
    ASSERT_EQ(body().sections.size(), 3u);
    EXPECT_EQ(body().sections[1].x, 0.6f);
    EXPECT_TRUE(doc.isModified());
}

TEST_F(BodyPageTest, addOnRowTwoInsertsAZeroRowThere) {
    grid().setRowCount(4);
    body().sections.resize(3);
    clickCell(grid(), 2, 1);
    QTest::mouseClick(page.addButton(), Qt::LeftButton);
    EXPECT_EQ(columnTexts(grid(), 0), (QStringList{"", "1", "2", "3", "4"}));
    for (int col = 1; col <= 4; ++col)
        EXPECT_EQ(grid().cellText(2, col), "0.0");
    EXPECT_EQ(grid().cellText(3, 1), "0.300000");
    ASSERT_EQ(body().sections.size(), 4u);
    EXPECT_EQ(body().sections[1].x, 0.0f);
    EXPECT_EQ(body().sections[2].x, 0.3f);

    grid().setCurrentCell(-1, -1);
    page.addRow();
    EXPECT_EQ(grid().rowCount(), 6);
    EXPECT_EQ(grid().cellText(5, 0), "5");
    EXPECT_EQ(body().sections.size(), 5u);
}

TEST_F(BodyPageTest, applyReplacesTheSectionsByTheGrid) {
    grid().setCellText(1, 3, "2.5");
    grid().setCellText(2, 2, "x1");
    page.weightField()->setText("3");
    ASSERT_TRUE(page.Apply());
    ASSERT_EQ(body().sections.size(), 4u);
    EXPECT_EQ(body().sections[0].h, 2.5f);
    EXPECT_EQ(body().sections[1].z, 0.0f);
    EXPECT_EQ(body().weight, 3.0f);
    EXPECT_EQ(body().color, (Color{0.0f, 0.5f, 1.0f})) << "an untouched colour keeps its value";

    grid().setRowCount(1);
    ASSERT_TRUE(page.Apply());
    EXPECT_TRUE(body().sections.empty());
}

TEST_F(BodyPageTest, colourChooserSetsThePageColourUntilApply) {
    source.scripted.colorAnswers = {QColor(255, 0, 0), QColor(0, 0, 255), std::nullopt};
    QTest::mouseClick(page.colorButton(), Qt::LeftButton);
    EXPECT_EQ(page.colorField()->text(), "ff");
    EXPECT_EQ(page.colorButton()->color(), QColor(255, 0, 0));
    page.colorButton()->setFocus();
    QTest::keyClick(page.colorButton(), Qt::Key_Return);
    EXPECT_EQ(page.colorField()->text(), "ff0000") << "Enter on the button chooses too";
    page.chooseColor();
    EXPECT_EQ(page.colorField()->text(), "ff0000") << "cancel keeps the colour";
    EXPECT_EQ(body().color, (Color{0.0f, 0.5f, 1.0f}));
    ASSERT_TRUE(page.Apply());
    EXPECT_EQ(body().color, (Color{0, 0, 1}));
}

TEST_F(BodyPageTest, estimateUsesTheLastSectionOfTheGridAndNeedsOne) {
    source.scripted.weightAnswers = {150.0f};
    page.estimateWeight();
    EXPECT_EQ(source.scripted.estimateKind, 2);
    EXPECT_EQ(source.scripted.estimateSize, body().sections.back().x);
    EXPECT_EQ(page.weightField()->text(), "1.5");

    grid().setCellText(4, 1, "1.35");
    page.estimateWeight();
    EXPECT_EQ(source.scripted.estimateSize, 1.35f) << "typed, not yet applied";

    grid().setRowCount(1);
    page.estimateWeight();
    EXPECT_EQ(source.scripted.shown.size(), 2) << "no section, no estimator";
}

TEST_F(BodyPageTest, aSectionWithoutHeightOrWidthOrBeyondTheViewIsRefused) {
    const struct {
        int row, col;
        const char *text, *message;
    } cases[] = {
        {4, 4, "-0.02", "Ligne 4 : « Largeur » doit être plus grand que 0."},
        {3, 1, "21", "Ligne 3 : « X » vaut 21 m, au-delà des 20 m que montre le simulateur."}};
    for (const auto& [row, col, text, message] : cases) {
        page.Load();
        page.weightField()->setText("3");
        grid().setCellText(row, col, text);
        EXPECT_FALSE(page.Apply()) << message;
        EXPECT_EQ(source.scripted.shown.back().text, QString::fromUtf8(message));
        EXPECT_EQ(body().weight, 1.25f) << "nothing of the page applied";
        EXPECT_EQ(body().sections[2].x, 0.6f);
    }
    page.Load();
    grid().setCellText(2, 2, "-0.4");
    EXPECT_TRUE(page.Apply()) << "a section may sit below the axis";
}

TEST(GridNumbers, readLikeTheCConversion) {
    EXPECT_EQ(cellNumber("  1.5e2xyz"), 150.0);
    EXPECT_EQ(cellNumber("+.5"), 0.5);
    EXPECT_EQ(cellNumber("-2"), -2.0);
    EXPECT_EQ(cellNumber("0.1"), 0.1) << "not rounded to a float on the way";
    EXPECT_EQ(cellNumber("1,5"), 1.5) << "a typed decimal comma";
    EXPECT_EQ(cellNumber("0,25,7"), 0.25);
    EXPECT_EQ(cellNumber("abc"), 0.0);
    EXPECT_EQ(cellNumber("+-1"), 0.0);
    EXPECT_EQ(cellNumber("nan"), 0.0);
    EXPECT_EQ(cellNumber("1e300"), 0.0);
    EXPECT_EQ(cellNumber(""), 0.0);
    EXPECT_EQ(colorRef(Color{1.0f, 0.0f, 0.999f}), 0xfe00ffu);
    EXPECT_EQ(colorRef(Color{2.0f, -1.0f, 0.0f}), 0x0000ffu);
    EXPECT_EQ(colorRef(Color{0.5f, 0.0f, 0.0f}), 0x00007fu);
    // What a glider file gives back for bytes 50, 100 and 200 written at six digits.
    EXPECT_EQ(colorRef(Color{std::stof("0.196078"), std::stof("0.392157"), std::stof("0.784314")}),
              0xc86432u);
    for (std::uint32_t byte = 0; byte < 256; ++byte) {
        const float written = std::stof(QString::asprintf("%.6g", byte / 255.0).toStdString());
        EXPECT_EQ(colorRef(Color{written, 0, 0}), byte);
    }
}

} // namespace
