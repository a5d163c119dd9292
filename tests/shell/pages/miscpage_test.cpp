#include "tests/support/shellfixture.h"

#include "aero/flightanalysis.h"
#include "shell/pages/miscpage.h"
#include "shell/pages/parambardlg.h"
#include "shell/polarwindow.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>

class MiscPageTest : public ShellFixture {
protected:
    CMiscPage& misc() {
        return *static_cast<CMiscPage*>(frame->paramBar()->page(CParamBarDlg::Misc));
    }
    CKeshDoc* openHarle() {
        CKeshDoc* doc = frame->openFile(sampleGlider("Harle"));
        EXPECT_NE(doc, nullptr);
        return doc;
    }
};

TEST_F(MiscPageTest, FiguresFollowTheAppliedModelAndTheChosenDragParts) {
    CKeshDoc* doc = openHarle();
    ASSERT_TRUE(misc().analysis() && misc().analysis()->flight());
    const double loaded = misc().analysis()->flight()->bestGlide;
    EXPECT_DOUBLE_EQ(loaded, aero::analyseGlider(doc->glider()).flight()->bestGlide);
    EXPECT_TRUE(misc().figuresView()->toPlainText().contains(QStringLiteral("Finesse max")));

    // The static margin follows the centre of gravity once it is applied.
    misc().centreField(0)->setText(QStringLiteral("-0.6"));
    const aero::Stability before = *misc().analysis()->stable();
    EXPECT_TRUE(misc().Apply());
    const aero::Stability& after = *misc().analysis()->stable();
    EXPECT_NEAR(after.staticMargin,
                (before.neutralPointX - 0.6f) / misc().analysis()->wing->meanChord, 1e-6);

    misc().dragBox(0)->setChecked(false);
    misc().dragBox(2)->setChecked(false);
    aero::AnalysisOptions options;
    options.parts = {false, true, false};
    EXPECT_DOUBLE_EQ(misc().analysis()->flight()->bestGlide,
                     aero::analyseGlider(doc->glider(), options).flight()->bestGlide);
    EXPECT_GT(misc().analysis()->flight()->bestGlide, loaded);
}

TEST_F(MiscPageTest, CopiedEstimatesReachTheModelOnlyAtApply) {
    CKeshDoc* doc = openHarle();
    const aero::MassProperties mass = *aero::analyseGlider(doc->glider()).mass();
    const Vec3f held = doc->glider().centrum;
    QTest::mouseClick(misc().copyCentreButton(), Qt::LeftButton);
    QTest::mouseClick(misc().copyInertiaButton(), Qt::LeftButton);
    EXPECT_EQ(misc().centreField(0)->text(), QString::asprintf("%.6g", -mass.centre[0]));
    EXPECT_EQ(misc().inertiaField(3)->text(), QString::asprintf("%.15g", mass.inertia[3]));
    EXPECT_EQ(doc->glider().centrum, held);
    EXPECT_TRUE(misc().Apply());
    EXPECT_NEAR(-doc->glider().centrum[0], mass.centre[0], 1e-6); // 6 digits in the field
    EXPECT_NEAR(doc->glider().inertia[0], mass.inertia[0], 1e-9); // 15 digits in the field
}

// The estimate reads as the value it becomes in the field: the same sign, the frame named
// once beside the fields.
TEST_F(MiscPageTest, TheEstimatedCentreIsShownInTheSignOfItsField) {
    openHarle();
    EXPECT_EQ(misc().centreField(0)->text(), QStringLiteral("-0.651")) << "kept as files need it";
    EXPECT_TRUE(
        misc().frameNote()->text().contains(QString::fromUtf8("X vers l'avant depuis le nez")));
    QTest::mouseClick(misc().copyCentreButton(), Qt::LeftButton);
    const double copied = misc().centreField(0)->text().toDouble();
    EXPECT_LT(copied, 0) << "behind the nose, as the file's own value shows";

    const QString figures = misc().figuresView()->toPlainText();
    const qsizetype at = figures.indexOf(QString::fromUtf8("Centre de gravité estimé : X "));
    ASSERT_GE(at, 0) << figures.toStdString();
    const QString shown = figures.mid(at).section(QLatin1Char(' '), 6, 6);
    bool read = false;
    EXPECT_NEAR(QLocale(QLocale::French).toDouble(shown, &read), copied, 5e-4)
        << shown.toStdString();
    EXPECT_TRUE(read) << "a French decimal: " << shown.toStdString();
}

TEST_F(MiscPageTest, EveryFigureLineCanBeScrolledTo) {
    showFrame();
    openHarle();
    frame->paramBar()->tabs()->setCurrentIndex(CParamBarDlg::Misc);
    QTest::qWait(50);
    QTextBrowser* figures = misc().figuresView();
    const QStringList lines = figures->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 12);
    EXPECT_TRUE(figures->toPlainText().contains(QStringLiteral("Taux de chute mini")));
    figures->verticalScrollBar()->setValue(figures->verticalScrollBar()->maximum());
    QTextCursor end(figures->document());
    end.movePosition(QTextCursor::End);
    EXPECT_LE(figures->cursorRect(end).bottom(), figures->viewport()->height());
    EXPECT_GE(figures->cursorRect(end).top(), 0);
}

TEST_F(MiscPageTest, ChartWindowShowsBothCurvesAndExports) {
    openHarle();
    QTest::mouseClick(misc().chartButton(), Qt::LeftButton);
    CPolarWindow* window = misc().polarWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Polaire des vitesses - Harle"));
    EXPECT_EQ(window->sinkView()->chart()->series().size(), 3); // curve and two marks
    EXPECT_EQ(window->glideView()->chart()->series().size(), 2);
    // The lift along the span at trim and at the stall: local cl, the airfoil's cl max and
    // chord × cl.
    EXPECT_EQ(window->loadingView()->chart()->series().size(), 3);
    EXPECT_EQ(window->stallLoadingView()->chart()->series().size(), 3);
    EXPECT_TRUE(misc().figuresView()->toPlainText().contains(QString::fromUtf8("Vol équilibré")));

    const QString png = temp.filePath(QStringLiteral("polar.png"));
    const QString svg = temp.filePath(QStringLiteral("polar.svg"));
    prompts.saveFileAnswers = {png, svg, temp.filePath(QStringLiteral("none/polar.png"))};
    QTest::mouseClick(window->pngButton(), Qt::LeftButton);
    QTest::mouseClick(window->svgButton(), Qt::LeftButton);
    EXPECT_FALSE(QImage(png).isNull());
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("<svg"));
    EXPECT_TRUE(prompts.messages().isEmpty());
    QTest::mouseClick(window->pngButton(), Qt::LeftButton);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages()[0].text.startsWith(QString::fromUtf8("Impossible d'écrire")));
}

TEST_F(MiscPageTest, EveryButtonSaysWhyWhenThereIsNothingToCompute) {
    QTest::mouseClick(misc().computeButton(), Qt::LeftButton);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].text, QStringLiteral("Aucun planeurs en cours d'edition"));

    frame->fileNew(); // no wing, no weight
    QTest::mouseClick(misc().chartButton(), Qt::LeftButton);
    QTest::mouseClick(misc().copyCentreButton(), Qt::LeftButton);
    ASSERT_EQ(prompts.messages().size(), 3);
    EXPECT_EQ(prompts.messages()[1].text,
              QStringLiteral("Pas de polaire des vitesses : pas d'aile."));
    EXPECT_EQ(prompts.messages()[2].text,
              QString::fromUtf8("Pas de centre de gravité estimé : poids nul."));
    EXPECT_EQ(misc().polarWindow(), nullptr);
    EXPECT_EQ(misc().centreField(0)->text(), QStringLiteral("0"));
}
