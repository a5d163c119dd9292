// Undo and redo of the page edits, the modified mark that follows the undo stack, and the
// airfoils kept across rebuilds.
#include "formats/foilfile.h"
#include "formats/gliderfile.h"
#include "render/myglview.h"
#include "shell/childframe.h"
#include "shell/pages/bodypage.h"
#include "shell/pages/generalpage.h"
#include "shell/pages/miscpage.h"
#include "shell/pages/parambardlg.h"
#include "shell/pages/surfacepage.h"
#include "shell/toolsbardlg.h"
#include "shell/widgets/gridctrl.h"
#include "tests/support/opencounter.h"
#include "tests/support/shellfixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>

#include <filesystem>
#include <functional>

namespace {

class UndoTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        showFrame();
        doc = frame->openFile(copyOfSample(QStringLiteral("Pipit")));
        ASSERT_NE(doc, nullptr);
        waitForViews();
    }

    CParamBarDlg& bar() { return *frame->paramBar(); }
    template <typename Page> Page& page(int tab) { return *static_cast<Page*>(bar().page(tab)); }
    std::string saved() const { return gliderFileText(doc->glider()); }
    QString actionText(CMainFrame::Command command) const { return frame->action(command)->text(); }

    // Runs the edit, then checks that undo gives back the file text from before it and
    // redo the one after it, in one step named `step`.
    void checkUndoRedo(const QString& step, const std::function<void()>& edit) {
        const std::string before = saved();
        const int steps = doc->undoStack()->count();
        edit();
        const std::string after = saved();
        ASSERT_NE(after, before) << step.toStdString();
        EXPECT_EQ(doc->undoStack()->count(), steps + 1);
        EXPECT_EQ(actionText(CMainFrame::Undo), QStringLiteral("&Annuler %1\tCtrl+Z").arg(step));
        frame->action(CMainFrame::Undo)->trigger();
        EXPECT_EQ(saved(), before) << step.toStdString();
        EXPECT_EQ(actionText(CMainFrame::Redo),
                  QString::fromUtf8("&Rétablir %1\tCtrl+Y").arg(step));
        frame->action(CMainFrame::Redo)->trigger();
        EXPECT_EQ(saved(), after) << step.toStdString();
    }

    CKeshDoc* doc = nullptr;
};

TEST_F(UndoTest, everyKindOfEditUndoesAndRedoesToTheExactFile) {
    auto& wing = page<CSurfacePage>(CParamBarDlg::Wing);
    // "Appliquer" names the pages it changed, one page's own Apply that page.
    checkUndoRedo(QStringLiteral("Aile, Divers"), [&] {
        wing.grid()->setCellText(1, 1, QStringLiteral("0.31"));
        page<CMiscPage>(CParamBarDlg::Misc).centreField(0)->setText(QStringLiteral("-0.07"));
        bar().ApplyAll();
    });
    // The pages show the state put back, so a later Apply does not bring the edit back.
    frame->action(CMainFrame::Undo)->trigger();
    EXPECT_NE(wing.grid()->cellText(1, 1).toFloat(), 0.31f);
    frame->action(CMainFrame::Redo)->trigger();
    EXPECT_EQ(wing.grid()->cellText(1, 1).toFloat(), 0.31f);

    checkUndoRedo(QStringLiteral("ajout de panneau"), [&] { wing.addRow(); });
    wing.grid()->setCurrentCell(1, 1);
    prompts.yesNoAnswers = {true};
    checkUndoRedo(QStringLiteral("suppression de panneau"), [&] { wing.deleteRow(); });
    auto& body = page<CBodyPage>(CParamBarDlg::Body);
    checkUndoRedo(QStringLiteral("ajout de section"), [&] { body.addRow(); });
    prompts.colorAnswers = {QColor(10, 200, 30)};
    checkUndoRedo(QStringLiteral("couleur"),
                  [&] { emit wing.grid()->cellMoved(1, wing.colorColumn()); });

    const struct {
        int tab;
        const char* step;
    } pages[] = {{CParamBarDlg::General, "Général"}, {CParamBarDlg::Wing, "Aile"},
                 {CParamBarDlg::Body, "Fuselage"},   {CParamBarDlg::Stab, "Stabilisateur"},
                 {CParamBarDlg::Fin, "Dérive"},      {CParamBarDlg::Misc, "Divers"}};
    for (const auto& [tab, step] : pages) {
        EXPECT_EQ(bar().page(tab)->stepName(), QString::fromUtf8(step));
    }
    checkUndoRedo(QStringLiteral("Divers"), [&] {
        page<CMiscPage>(CParamBarDlg::Misc).centreField(2)->setText(QStringLiteral("0.04"));
        page<CMiscPage>(CParamBarDlg::Misc).Apply();
    });
}

// Undo and redo of the last step may swap in the list drawn before instead of compiling
// one: either way the views show exactly the state put back.
TEST_F(UndoTest, theViewsShowTheStatePutBack) {
    CMyglView* view = frame->childFrames().front()->view();
    const QImage before = view->grabFramebuffer();
    auto& wing = page<CSurfacePage>(CParamBarDlg::Wing);
    prompts.colorAnswers = {QColor(10, 200, 30)};
    emit wing.grid()->cellMoved(1, wing.colorColumn());
    const QImage after = view->grabFramebuffer();
    ASSERT_NE(after, before);
    for (int round = 0; round < 2; ++round) {
        frame->action(CMainFrame::Undo)->trigger();
        EXPECT_EQ(view->grabFramebuffer(), before) << round;
        frame->action(CMainFrame::Redo)->trigger();
        EXPECT_EQ(view->grabFramebuffer(), after) << round;
    }
}

TEST_F(UndoTest, anApplyThatChangesNothingRecordsNoStep) {
    bar().ApplyAll();
    page<CGeneralPage>(CParamBarDlg::General).Apply();
    EXPECT_EQ(doc->undoStack()->count(), 0);
    EXPECT_FALSE(doc->isModified());
    EXPECT_FALSE(frame->action(CMainFrame::Undo)->isEnabled());
    EXPECT_FALSE(frame->action(CMainFrame::Redo)->isEnabled());
    EXPECT_EQ(actionText(CMainFrame::Undo), QStringLiteral("&Annuler\tCtrl+Z"));
}

TEST_F(UndoTest, theModifiedMarkFollowsTheStackThroughSaveUndoAndRedo) {
    makeSaveTree();
    auto& misc = page<CMiscPage>(CParamBarDlg::Misc);
    misc.centreField(1)->setText(QStringLiteral("0.01"));
    bar().ApplyAll();
    EXPECT_TRUE(doc->isModified());
    frame->action(CMainFrame::Undo)->trigger();
    EXPECT_FALSE(doc->isModified());
    EXPECT_FALSE(frame->isWindowModified());
    frame->action(CMainFrame::Redo)->trigger();
    EXPECT_TRUE(doc->isModified());
    ASSERT_TRUE(frame->fileSave());
    EXPECT_FALSE(doc->isModified());
    // Away from the saved state in either direction is modified, and the close asks.
    frame->action(CMainFrame::Undo)->trigger();
    EXPECT_TRUE(doc->isModified());
    EXPECT_TRUE(frame->isWindowModified());
    frame->action(CMainFrame::Redo)->trigger();
    EXPECT_FALSE(doc->isModified());
    frame->action(CMainFrame::Undo)->trigger();
    prompts.saveAnswers = {SaveAnswer::Cancel};
    frame->childFrames().front()->close();
    EXPECT_EQ(frame->childFrames().size(), 1);
    EXPECT_EQ(prompts.shown.size(), 1);
}

TEST_F(UndoTest, theCommandsFollowTheActiveDocument) {
    page<CMiscPage>(CParamBarDlg::Misc).centreField(2)->setText(QStringLiteral("0.02"));
    bar().ApplyAll();
    ASSERT_TRUE(frame->action(CMainFrame::Undo)->isEnabled());
    frame->fileNew();
    EXPECT_FALSE(frame->action(CMainFrame::Undo)->isEnabled());
    frame->childFrames().back()->close();
    QTest::qWait(20);
    EXPECT_TRUE(frame->action(CMainFrame::Undo)->isEnabled());
}

TEST_F(UndoTest, cutCopyAndPasteActOnTheFocusedField) {
    QLineEdit* field = page<CMiscPage>(CParamBarDlg::Misc).centreField(0);
    frame->paramBar()->tabs()->setCurrentIndex(CParamBarDlg::Misc);
    field->setText(QStringLiteral("-0.25"));
    field->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([field] { return field->hasFocus(); }, 2000));
    field->selectAll();
    frame->action(CMainFrame::Cut)->trigger();
    EXPECT_EQ(field->text(), QString());
    frame->action(CMainFrame::Paste)->trigger();
    frame->action(CMainFrame::Paste)->trigger();
    EXPECT_EQ(field->text(), QStringLiteral("-0.25-0.25"));
}

// The sample copied, so that the reads of its airfoils directory are the editor's alone.
class FoilReadTest : public ShellFixture {};

TEST_F(FoilReadTest, aVisibilityChangeOrAnEditReadsNoAirfoilFile) {
    namespace fs = std::filesystem;
    const fs::path sim = fs::path(temp.path().toStdString()) / "sim";
    fs::copy(sampleDir().toStdString(), sim, fs::copy_options::recursive);
    setSimulatorDirectory(sim.string());
    showFrame();
    const QString file = QString::fromStdString((sim / "gliders/Pipit/Pipit.gli").string());
    OpenCounter airfoilReads((sim / "airfoils").string());
    ASSERT_TRUE(airfoilReads.watching());
    CKeshDoc* doc = frame->openFile(file);
    ASSERT_NE(doc, nullptr);
    waitForViews();
    EXPECT_GT(airfoilReads.opens(), 0) << "opening the glider reads its airfoils";

    frame->toolsBar()->bodyButton()->click();
    frame->toolsBar()->bodyButton()->click();
    static_cast<CMiscPage*>(frame->paramBar()->page(CParamBarDlg::Misc))
        ->centreField(1)
        ->setText(QStringLiteral("0.03"));
    frame->paramBar()->ApplyAll();
    frame->action(CMainFrame::Undo)->trigger();
    frame->action(CMainFrame::Redo)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(airfoilReads.opens(), 0);
}

// Airfoils are files shared by every glider: once one is replaced and reloaded, no undo or
// redo brings back the outline and polars the snapshots were taken with.
TEST_F(FoilReadTest, UndoAndRedoKeepAReplacedAirfoilAsOnDisk) {
    namespace fs = std::filesystem;
    const fs::path sim = fs::path(temp.path().toStdString()) / "sim";
    fs::copy(sampleDir().toStdString(), sim, fs::copy_options::recursive);
    setSimulatorDirectory(sim.string());
    showFrame();
    CKeshDoc* doc =
        frame->openFile(QString::fromStdString((sim / "gliders/Pipit/Pipit.gli").string()));
    ASSERT_NE(doc, nullptr);
    waitForViews();
    const Foil& wingFoil = doc->glider().surfaces[WingLeft].foil;
    const Foil original = wingFoil;
    auto& misc = *static_cast<CMiscPage*>(frame->paramBar()->page(CParamBarDlg::Misc));
    misc.centreField(1)->setText(QStringLiteral("0.03"));
    misc.Apply();
    auto& wing = *static_cast<CSurfacePage*>(frame->paramBar()->page(CParamBarDlg::Wing));
    wing.foilField()->setText(QStringLiteral("harle.txt"));
    wing.Apply();
    ASSERT_EQ(doc->undoStack()->count(), 2);
    ASSERT_EQ(wingFoil.foilFilename, "harle.txt");

    // Both airfoils replaced: the one drawn, and the one only the first state draws.
    const auto replace = [&](const char* name, const char* with) {
        const fs::path target = sim / "airfoils" / name;
        fs::copy_file(sim / "airfoils" / with, target, fs::copy_options::overwrite_existing);
        frame->reloadFoilUsers(QString::fromStdString(target.string()));
    };
    replace("harle.txt", "mouette.txt");
    replace("pipit.txt", "martinet.txt");
    Foil harleNow;
    Foil pipitNow;
    loadFoil(harleNow, (sim / "airfoils/harle.txt").string());
    loadFoil(pipitNow, (sim / "airfoils/pipit.txt").string());
    ASSERT_NE(pipitNow.points, original.points);
    EXPECT_EQ(wingFoil.points, harleNow.points);

    frame->action(CMainFrame::Undo)->trigger();
    EXPECT_EQ(wingFoil.foilFilename, "pipit.txt");
    EXPECT_EQ(wingFoil.points, pipitNow.points);
    EXPECT_EQ(wingFoil.polars, pipitNow.polars);
    frame->action(CMainFrame::Undo)->trigger();
    EXPECT_EQ(wingFoil.points, pipitNow.points);
    frame->action(CMainFrame::Redo)->trigger();
    frame->action(CMainFrame::Redo)->trigger();
    EXPECT_EQ(wingFoil.foilFilename, "harle.txt");
    EXPECT_EQ(wingFoil.points, harleNow.points);
    EXPECT_EQ(doc->glider().surfaces[WingRight].foil.points, harleNow.points);
}

} // namespace
