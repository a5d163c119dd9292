#include "shell/pages/finpage.h"
#include "shell/pages/skinactions.h"
#include "shell/pages/stabpage.h"
#include "shell/pages/wingpage.h"
#include "tests/shell/pages/pagetestsupport.h"

#include "formats/gliderfile.h"
#include "model/angles.h"

#include "model/glider.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

constexpr float kDeg = 0.017453292520882225f;

Pane pane(float c1, float c2, float env, float diedre, float throwUp) {
    Pane p;
    p.c1 = c1;
    p.c2 = c2;
    p.env = env;
    p.fleche = 0.05f;
    p.diedre = diedre;
    p.throwUp = throwUp;
    p.color = {0.5f, 0.25f, 1.0f};
    return p;
}

// Three panes on every surface, the sides of a pair alike.
void fillSurfaces(Glider& glider) {
    for (Surface& s : glider.surfaces) {
        s.position = {0.1f, 0.2f, 0.3f};
        s.weight = 0.4f;
        s.calage = 2 * kDeg;
        for (int i = 0; i < 3; ++i)
            s.appendPane(pane(0.2f - 0.02f * i, 0.18f - 0.02f * i, 0.5f, 0.3f, float(i + 1)));
        s.computePaneValues();
        s.sumPanes();
    }
}

template <typename Page> class SurfacePageTest : public ::testing::Test {
protected:
    void SetUp() override {
        fillSurfaces(doc.glider());
        source.document = &doc;
        page.resize(380, 420);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
        page.Load();
    }
    Glider& glider() { return doc.glider(); }
    CGridCtrl& grid() { return *page.grid(); }
    ScriptedPrompts::Shown lastShown() { return source.scripted.shown.back(); }

    CKeshDoc doc;
    PageSource source;
    Page page{source};
};

using WingPageTest = SurfacePageTest<CWingPage>;
using StabPageTest = SurfacePageTest<CStabPage>;
using FinPageTest = SurfacePageTest<CFinPage>;

TEST_F(WingPageTest, loadShowsTheWingInFieldsAndGrid) {
    EXPECT_EQ(page.positionField(0)->text(), "0.1");
    EXPECT_EQ(page.incidenceField()->text(), "2");
    EXPECT_EQ(page.weightField()->text(), "0.4");
    ASSERT_EQ(grid().rowCount(), 4);
    ASSERT_EQ(grid().columnCount(), 7);
    EXPECT_EQ(grid().cellText(0, 0), "Section");
    EXPECT_EQ((QStringList{grid().cellText(0, 3), grid().cellText(0, 5), grid().cellText(0, 6)}),
              (QStringList{"Longeur", "Diedre", "Couleur"}));
    EXPECT_EQ(columnTexts(grid(), 0), (QStringList{"Section", "1", "2", "3"}));
    EXPECT_EQ(grid().cellText(2, 1), "0.180000");
    EXPECT_EQ(grid().itemData(1, 6), 0xff3f7fu) << "bytes truncated, red low";
    EXPECT_EQ(grid().cellBackground(1, 1), QColor(255, 255, 225));
    EXPECT_EQ(grid().columnWidth(0), 50);
}

TEST_F(WingPageTest, applyWritesBothSidesAndRoundTripsADihedral) {
    grid().setCellText(2, 5, "5");
    grid().setCellText(1, 3, "1.25");
    page.positionField(1)->setText("-0.5");
    ASSERT_TRUE(page.Apply());
    for (int slot : {WingLeft, WingRight}) {
        const Surface& s = glider().surfaces[slot];
        EXPECT_EQ(s.pane(1).diedre, 5 * kDeg);
        EXPECT_EQ(s.pane(1).diedre, float(5 * 0.017453292520882225));
        EXPECT_EQ(s.pane(0).env, 1.25f);
        EXPECT_EQ(s.position[1], -0.5f);
    }
    EXPECT_EQ(glider().surfaces[StabLeft].position[1], 0.2f);
    EXPECT_TRUE(doc.isModified());
    grid().setCellText(2, 5, "junk");
    page.Load();
    EXPECT_EQ(grid().cellText(2, 5), "5.000000");
}

TEST_F(WingPageTest, lettersInACellReadAsZero) {
    grid().setCellText(2, 4, "abc");
    grid().setCellText(3, 3, " 0.75m");
    ASSERT_TRUE(page.Apply());
    EXPECT_EQ(glider().surfaces[WingLeft].pane(1).fleche, 0.0f);
    EXPECT_EQ(glider().surfaces[WingRight].pane(1).fleche, 0.0f);
    EXPECT_EQ(glider().surfaces[WingLeft].pane(2).env, 0.75f);
    EXPECT_TRUE(source.scripted.shown.isEmpty());
}

// A pane the simulator cannot fly or show is refused whole, naming its row and column,
// and nothing of the page reaches the model.
TEST_F(WingPageTest, impossibleGeometryIsRefusedNamingTheRow) {
    struct Case {
        int row, col;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {2, 1, "0", "Ligne 2 : « Ke » doit être plus grand que 0."},
        {3, 2, "-0.1", "Ligne 3 : « Ks » doit être plus grand que 0."},
        {1, 3, "abc", "Ligne 1 : « Longeur » doit être plus grand que 0."},
        {2, 3, "25", "Ligne 2 : « Longeur » vaut 25 m, au-delà des 20 m que montre le simulateur."},
        {3, 4, "-21",
         "Ligne 3 : « Fleche » vaut -21 m, au-delà des 20 m que montre le simulateur."},
    };
    const std::string before = gliderFileText(glider());
    for (const Case& c : cases) {
        page.Load();
        page.weightField()->setText("7");
        grid().setCellText(c.row, c.col, c.text);
        EXPECT_FALSE(page.Apply()) << c.message;
        EXPECT_EQ(lastShown().text, QString::fromUtf8(c.message));
        EXPECT_EQ(lastShown().caption, "Erreur");
        EXPECT_EQ(grid().currentCell(), (CellId{c.row, c.col})) << "the cell to mend";
        EXPECT_EQ(gliderFileText(glider()), before) << c.message;
    }
    EXPECT_FALSE(doc.isModified());

    page.Load();
    page.positionField(0)->setText("20.5");
    EXPECT_FALSE(page.Apply());
    EXPECT_EQ(lastShown().text, "Tapez un nombre compris entre -20 et 20.");
    page.positionField(0)->setText("-20");
    grid().setCellText(1, 3, "20");
    EXPECT_TRUE(page.Apply()) << "the view's own size is still inside it";
}

TEST_F(WingPageTest, tenPanesRefuseAddUntilOneIsDeleted) {
    for (int i = 0; i < 7; ++i)
        page.addRow();
    ASSERT_EQ(glider().surfaces[WingLeft].npart(), 10);
    EXPECT_TRUE(source.scripted.shown.isEmpty());
    page.addRow();
    ASSERT_EQ(source.scripted.shown.size(), 1);
    EXPECT_EQ(lastShown().text, "Nombre de sections maximum atteind");
    EXPECT_EQ(lastShown().caption, "Erreur");
    EXPECT_EQ(lastShown().icon, PromptIcon::Error);
    EXPECT_EQ(grid().rowCount(), 11);
    EXPECT_EQ(glider().surfaces[WingRight].npart(), 10);

    clickCell(grid(), 3, 2);
    source.scripted.yesNoAnswers.push_back(true);
    QTest::mouseClick(page.deleteButton(), Qt::LeftButton);
    EXPECT_EQ(lastShown().kind, ScriptedPrompts::Kind::YesNo);
    EXPECT_EQ(lastShown().text, "Voulez-vous detruire la ligne 3 ?");
    EXPECT_EQ(lastShown().caption, "Question");
    EXPECT_EQ(grid().rowCount(), 10);
    EXPECT_FALSE(grid().currentCell().isValid());
    EXPECT_EQ(glider().surfaces[WingLeft].npart(), 9);
    EXPECT_EQ(glider().surfaces[WingRight].npart(), 9);
    EXPECT_EQ(glider().surfaces[WingLeft].pane(2).throwUp, 0.0f) << "pane 3 is gone";
    EXPECT_EQ(columnTexts(grid(), 0).last(), "9");

    QTest::mouseClick(page.addButton(), Qt::LeftButton);
    EXPECT_EQ(glider().surfaces[WingLeft].npart(), 10);
    EXPECT_EQ(grid().rowCount(), 11);
}

TEST_F(WingPageTest, deleteNeedsACurrentCellAndAYes) {
    page.deleteRow();
    ASSERT_EQ(source.scripted.shown.size(), 1);
    EXPECT_EQ(lastShown().text, QString::fromUtf8("Aucune lignes n'est selectionnées !"));
    EXPECT_EQ(lastShown().caption, "Erreur");
    clickCell(grid(), 2, 1);
    source.scripted.yesNoAnswers.push_back(false);
    page.deleteRow();
    EXPECT_EQ(lastShown().text, "Voulez-vous detruire la ligne 2 ?");
    EXPECT_EQ(grid().rowCount(), 4);
    EXPECT_EQ(glider().surfaces[WingLeft].npart(), 3);
    EXPECT_FALSE(doc.isModified());
}

// The new pane goes on from the last row as the grid shows it, applied or not.
TEST_F(WingPageTest, addOnTheLastRowContinuesItsPane) {
    grid().setCellText(3, 1, "0.2");
    grid().setCellText(3, 2, "0.15");
    grid().setCellText(3, 3, "0.7");
    grid().setCellText(3, 5, "4.5");
    clickCell(grid(), 3, 1);
    page.addRow();
    ASSERT_EQ(grid().rowCount(), 5);
    EXPECT_EQ(grid().cellText(4, 0), "4");
    EXPECT_EQ(grid().currentCell(), (CellId{3, 1}));
    EXPECT_EQ((QStringList{grid().cellText(4, 1), grid().cellText(4, 2), grid().cellText(4, 3),
                           grid().cellText(4, 4), grid().cellText(4, 5)}),
              (QStringList{"0.150000", "0.112500", "0.700000", "0.050000", "4.500000"}))
        << "root = last tip, the taper kept, same span, sweep and dihedral";
    EXPECT_EQ(grid().itemData(4, 6), grid().itemData(3, 6)) << "and the same colour";
    for (int slot : {WingLeft, WingRight}) {
        const Pane& added = glider().surfaces[slot].pane(3);
        EXPECT_EQ(added.c1, 0.15f) << "the model holds the pane the row shows";
        EXPECT_EQ(added.env, 0.7f);
        EXPECT_EQ(added.color, (Color{0.5f, 0.25f, 1.0f}));
        EXPECT_EQ(added.throwUp, 0.0f);
    }
    EXPECT_TRUE(doc.isModified());
    ASSERT_TRUE(page.Apply()) << "a continued pane is a pane that can be applied";
}

TEST_F(WingPageTest, addToAnEmptySurfaceMakesAModelSizedPane) {
    for (int slot : {WingLeft, WingRight})
        glider().surfaces[slot].clear();
    page.Load();
    ASSERT_EQ(grid().rowCount(), 1);
    page.addRow();
    page.addRow();
    ASSERT_EQ(grid().rowCount(), 3);
    const Pane& first = glider().surfaces[WingLeft].pane(0);
    EXPECT_GT(first.c1, 0.1f);
    EXPECT_LT(first.c1, 0.5f);
    EXPECT_GT(first.env, 0.2f);
    EXPECT_LT(first.env, 2.5f);
    EXPECT_NE(grid().itemData(1, 6), 0u) << "not black";
    EXPECT_EQ(grid().cellText(2, 1), grid().cellText(1, 2));
    EXPECT_EQ(grid().cellText(2, 5), grid().cellText(1, 5));
    ASSERT_TRUE(page.Apply());
    source.scripted.weightAnswers = {std::nullopt};
    page.estimateWeight();
    EXPECT_GT(source.scripted.estimateSize, 0.1f) << "the estimator gets the new panes' area";
}

TEST_F(WingPageTest, addBeforeTheFirstRowCopiesIt) {
    clickCell(grid(), 1, 3);
    page.addRow();
    ASSERT_EQ(grid().rowCount(), 5);
    for (int col = 1; col <= 5; ++col)
        EXPECT_EQ(grid().cellText(1, col), grid().cellText(2, col)) << col;
}

TEST_F(WingPageTest, addInsideKeepsTheThrowsWithTheirPanes) {
    clickCell(grid(), 2, 3);
    page.addRow();
    ASSERT_EQ(grid().rowCount(), 5);
    EXPECT_EQ(grid().currentCell(), (CellId{2, 3})) << "the current cell is on the new row";
    EXPECT_EQ(columnTexts(grid(), 0), (QStringList{"Section", "1", "2", "3", "4"}));
    EXPECT_EQ(grid().cellText(2, 1), "0.180000") << "Ke from the row above's Ks";
    EXPECT_EQ(grid().cellText(3, 2), "0.160000");
    ASSERT_TRUE(page.Apply());
    for (int slot : {WingLeft, WingRight}) {
        const Surface& s = glider().surfaces[slot];
        EXPECT_EQ(s.pane(0).throwUp, 1.0f);
        EXPECT_EQ(s.pane(1).throwUp, 0.0f);
        EXPECT_EQ(s.pane(1).c1, 0.18f);
        EXPECT_EQ(s.pane(2).throwUp, 2.0f);
        EXPECT_EQ(s.pane(2).c2, 0.18f - 0.02f * 1) << "untouched, so not rounded to 0.16";
        EXPECT_EQ(s.pane(3).throwUp, 3.0f);
    }
}

TEST_F(WingPageTest, colourCellColoursBothSidesAtOnce) {
    source.scripted.colorAnswers.push_back(QColor(255, 0, 0));
    clickCell(grid(), 2, 6);
    ASSERT_EQ(source.scripted.shown.size(), 1);
    EXPECT_EQ(lastShown().kind, ScriptedPrompts::Kind::Color);
    EXPECT_EQ(grid().itemData(2, 6), 0x0000ffu);
    EXPECT_EQ(grid().cellBackground(2, 6), QColor(255, 0, 0));
    for (int slot : {WingLeft, WingRight})
        EXPECT_EQ(glider().surfaces[slot].pane(1).color, (Color{1, 0, 0}));
    EXPECT_TRUE(doc.isModified());

    clickCell(grid(), 2, 6);
    EXPECT_EQ(source.scripted.shown.size(), 1) << "no move, no chooser";
    EXPECT_FALSE(grid().isEditing()) << "a swatch has no text box";
    QTest::keyClicks(&grid(), "7");
    QTest::keyClick(&grid(), Qt::Key_Return);
    EXPECT_FALSE(grid().isEditing());
    EXPECT_EQ(grid().cellText(2, 6), "");
    clickCell(grid(), 3, 6);
    EXPECT_EQ(source.scripted.shown.size(), 2);
    EXPECT_EQ(glider().surfaces[WingLeft].pane(2).color, (Color{0.5f, 0.25f, 1.0f})) << "cancelled";
    clickCell(grid(), 3, 5);
    EXPECT_EQ(source.scripted.shown.size(), 2);
}

// Buttons outside a dialog let Enter through to the page, which took it for Apply.
TEST_F(WingPageTest, enterOnAFocusedButtonPressesIt) {
    const auto enterOn = [](QPushButton* button) {
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
    };
    enterOn(page.addButton());
    EXPECT_EQ(glider().surfaces[WingLeft].npart(), 4);
    EXPECT_EQ(grid().rowCount(), 5);
    enterOn(page.foilBrowseButton());
    EXPECT_EQ(lastShown().kind, ScriptedPrompts::Kind::OpenFile);
    enterOn(page.estimateButton());
    EXPECT_EQ(lastShown().kind, ScriptedPrompts::Kind::Weight);
    grid().setCurrentCell(1, 1);
    enterOn(page.deleteButton());
    EXPECT_EQ(lastShown().kind, ScriptedPrompts::Kind::YesNo);

    // In a field Enter still applies the page.
    page.weightField()->setFocus();
    page.weightField()->setText("0.9");
    QTest::keyClick(page.weightField(), Qt::Key_Return);
    EXPECT_EQ(glider().surfaces[WingLeft].weight, 0.9f);
}

TEST_F(WingPageTest, incidenceOutsideItsRangeKeepsTheModel) {
    page.incidenceField()->setText("25");
    page.weightField()->setText("9");
    EXPECT_FALSE(page.Apply());
    EXPECT_EQ(lastShown().text, "Tapez un nombre compris entre -20 et 20.");
    EXPECT_EQ(glider().surfaces[WingLeft].weight, 0.4f);
    page.incidenceField()->setText("-20");
    EXPECT_TRUE(page.Apply());
    EXPECT_EQ(glider().surfaces[WingRight].calage, -20 * kDeg);
    EXPECT_EQ(glider().surfaces[WingRight].weight, 9.0f);
}

TEST_F(WingPageTest, estimateFollowsTheGridAsItIsEdited) {
    source.scripted.weightAnswers = {2090.0f, std::nullopt, std::nullopt};
    QTest::mouseClick(page.estimateButton(), Qt::LeftButton);
    EXPECT_EQ(source.scripted.estimateKind, 1);
    EXPECT_EQ(source.scripted.estimateSize, glider().surfaces[WingLeft].areaSum);
    EXPECT_EQ(page.weightField()->text(), "20.9");

    grid().setCellText(1, 3, "1.5"); // 0.5 m more of a pane of 0.19 m mean chord
    page.estimateWeight();
    EXPECT_NEAR(source.scripted.estimateSize, glider().surfaces[WingLeft].areaSum + 0.19f, 1e-6);
    page.addRow();
    page.estimateWeight();
    EXPECT_GT(source.scripted.estimateSize, glider().surfaces[WingLeft].areaSum + 0.19f)
        << "an added pane counts before Appliquer";
}

TEST_F(StabPageTest, estimateUsesOneSideOfTheStab) {
    EXPECT_FALSE(page.vTailBox()->isEnabled());
    source.scripted.weightAnswers.push_back(2090.0f);
    page.estimateWeight();
    EXPECT_EQ(source.scripted.estimateKind, 4);
    EXPECT_EQ(source.scripted.estimateSize, glider().surfaces[StabRight].areaSum);
    EXPECT_EQ(page.weightField()->text(), "20.9");
    page.estimateWeight();
    EXPECT_EQ(page.weightField()->text(), "20.9") << "cancel keeps the field";
    EXPECT_EQ(glider().surfaces[StabLeft].weight, 0.4f) << "the model waits for Apply";
}

TEST_F(FinPageTest, panesStandUprightWhateverTheGrid) {
    ASSERT_EQ(grid().columnCount(), 6);
    EXPECT_EQ(grid().cellText(0, 5), "Couleur");
    EXPECT_EQ(page.incidenceField(), nullptr);
    ASSERT_TRUE(page.Apply());
    for (const Pane& p : glider().surfaces[Fin].panes())
        EXPECT_EQ(p.diedre, kUprightDihedral) << "as the glider reader sets it";
    EXPECT_EQ(glider().surfaces[WingLeft].pane(0).diedre, 0.3f);

    source.scripted.weightAnswers.push_back(100.0f);
    page.estimateWeight();
    EXPECT_EQ(source.scripted.estimateKind, 8);
    float area = 0;
    for (const Pane& p : glider().surfaces[Fin].panes())
        area += paneArea(p);
    EXPECT_EQ(source.scripted.estimateSize, area);
}

TEST_F(FinPageTest, browseShowsTheChosenPaths) {
    source.scripted.openAnswers = {"/somewhere/airfoils/tail8.txt", "/tex/fin.raw"};
    page.browseFoil();
    page.skin().browse();
    ASSERT_EQ(source.scripted.shown.size(), 2);
    EXPECT_EQ(source.scripted.shown[0].filter, "Airfoil Files (*.txt);;All Files (*.*)");
    EXPECT_EQ(source.scripted.shown[0].proposedName, "*.txt");
    EXPECT_TRUE(source.scripted.shown[1].filter.startsWith("Texture Files (*.raw);;Images ("));
    EXPECT_TRUE(source.scripted.shown[1].filter.contains("*.png"));
    EXPECT_TRUE(source.scripted.shown[1].filter.endsWith(";;All Files (*.*)"));
    EXPECT_EQ(page.foilField()->text(), "/somewhere/airfoils/tail8.txt");
    EXPECT_EQ(page.skin().field()->text(), "/tex/fin.raw");
    ASSERT_TRUE(page.Apply());
    EXPECT_EQ(glider().surfaces[Fin].texturePath, "/tex/fin.raw");
}

TEST_F(WingPageTest, aNewAirfoilReplacesTheLoadedOne) {
    const std::string sample = KESH_SOURCE_DIR "/sample/airfoils/pipit.txt";
    glider().surfaces[WingLeft].foil.foilFilename = "old.txt";
    glider().surfaces[WingLeft].foil.name = "old";
    page.Load();
    page.foilField()->setText(QString::fromStdString(sample));
    ASSERT_TRUE(page.Apply());
    EXPECT_TRUE(source.scripted.shown.isEmpty());
    for (int slot : {WingLeft, WingRight}) {
        const Foil& foil = glider().surfaces[slot].foil;
        EXPECT_EQ(foil.foilFilename, "pipit.txt");
        EXPECT_EQ(foil.foilPath, sample);
        EXPECT_FALSE(foil.points.empty());
    }
    EXPECT_EQ(page.foilField()->text(), "pipit.txt");
}

TEST_F(WingPageTest, anUnreadableAirfoilIsReportedAndTheFoilStays) {
    glider().surfaces[WingLeft].foil.foilFilename = "old.txt";
    glider().surfaces[WingRight].foil.foilFilename = "old.txt";
    page.Load();
    page.foilField()->setText("/nowhere/missing.txt");
    page.weightField()->setText("1.5");
    ASSERT_TRUE(page.Apply());
    ASSERT_EQ(source.scripted.messages().size(), 1);
    EXPECT_EQ(lastShown().text, "Foilname '/nowhere/missing.txt' not found");
    EXPECT_EQ(lastShown().caption, "Error");
    for (int slot : {WingLeft, WingRight}) {
        EXPECT_EQ(glider().surfaces[slot].foil.foilFilename, "old.txt");
        EXPECT_EQ(glider().surfaces[slot].weight, 1.5f) << "the other values still apply";
    }
    // Put back after its message, so the next Apply does not try it again.
    EXPECT_EQ(page.foilField()->text(), "old.txt");
    ASSERT_TRUE(page.Apply());
    EXPECT_EQ(source.scripted.messages().size(), 1);
}

TEST_F(WingPageTest, aFileNameTheGliderFileCannotHoldIsRefusedNamingTheField) {
    const Surface before = glider().surfaces[WingLeft];
    page.weightField()->setText("1.5");
    page.skin().field()->setText(QString::fromUtf8("/tex/Été→hiver.raw"));
    EXPECT_FALSE(page.Apply());
    ASSERT_EQ(source.scripted.messages().size(), 1);
    EXPECT_EQ(lastShown().text, QString::fromUtf8("Le caractère '→' du champ 'Fichier Texture' ne "
                                                  "peut pas être écrit dans un fichier planeur."));
    EXPECT_EQ(glider().surfaces[WingLeft].weight, before.weight);
    // Only the file name is stored: any directory will do.
    page.skin().field()->setText(QString::fromUtf8("/tex→/Été.raw"));
    ASSERT_TRUE(page.Apply());
    EXPECT_EQ(glider().surfaces[WingRight].texturePath, "/tex\xe2\x86\x92/\xc3\x89t\xc3\xa9.raw");
}

TEST(SurfacePageWithoutDocument, doesNothing) {
    PageSource source;
    CWingPage page(source);
    page.Load();
    page.addRow();
    page.deleteRow();
    page.estimateWeight();
    EXPECT_TRUE(page.Apply());
    EXPECT_TRUE(source.scripted.shown.isEmpty());
    EXPECT_EQ(page.grid()->rowCount(), 1);
}

} // namespace
