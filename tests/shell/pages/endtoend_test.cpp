// A glider made from New through the pages, saved, reopened and read back in full.
#include "tests/shell/pages/pagetestsupport.h"

#include "formats/settingsstore.h"
#include "formats/simulatorpaths.h"
#include "model/glider.h"
#include "render/gliderrenderer.h"
#include "render/myglview.h"
#include "shell/mainframe.h"
#include "shell/pages/bodypage.h"
#include "shell/pages/finpage.h"
#include "shell/pages/generalpage.h"
#include "shell/pages/miscpage.h"
#include "shell/pages/parambardlg.h"
#include "shell/pages/skinactions.h"
#include "shell/pages/stabpage.h"
#include "shell/pages/wingpage.h"
#include "shell/widgets/colorbutton.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

constexpr double kDeg = 0.017453292520882225;

void typeInto(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
}

// Types into a cell as a user does: click, type over, Enter.
void typeCell(CGridCtrl& grid, int row, int col, const QString& text) {
    clickCell(grid, row, col);
    QTest::keyClicks(&grid, text.left(1));
    ASSERT_TRUE(grid.isEditing());
    QTest::keyClicks(grid.editor(), text.mid(1));
    QTest::keyClick(grid.editor(), Qt::Key_Return);
}

struct PaneValues {
    const char* c1;
    const char* c2;
    const char* env;
    const char* fleche;
    const char* diedre; // ignored on the fin
    QColor color;
};

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        const QDir root(temp.path());
        root.mkpath("sim/airfoils");
        root.mkpath("sim/gliders");
        for (const char* foil : {"pipit.txt", "tail8.txt"})
            ASSERT_TRUE(QFile::copy(QString(KESH_SOURCE_DIR "/sample/airfoils/") + foil,
                                    root.filePath(QString("sim/airfoils/") + foil)));
        QFile ini(root.filePath("sim/vantair.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Vantair]\r\n");
        ini.close();
        setSimulatorDirectory(root.filePath("sim").toStdString());
        settings = std::make_unique<SettingsStore>(root.filePath("kesh.ini"));
        settings->setValue("General", "gliderPath", root.filePath("sim/vantair.ini"));
        frame = std::make_unique<CMainFrame>(*settings, prompts, CMainFrame::Options{false});
        frame->resize(1200, 900);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }

    void TearDown() override {
        frame.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <typename Page> Page& page(int tab) {
        frame->paramBar()->tabs()->setCurrentIndex(tab);
        return *static_cast<Page*>(frame->paramBar()->page(tab));
    }

    void fillSurface(CSurfacePage& page, const QString& x, const QString& weight,
                     const QString& foil, const std::vector<PaneValues>& panes) {
        typeInto(page.positionField(0), x);
        typeInto(page.positionField(1), "0.02");
        typeInto(page.positionField(2), "-0.01");
        if (page.incidenceField())
            typeInto(page.incidenceField(), "1.5");
        typeInto(page.weightField(), weight);
        typeInto(page.foilField(), foil);
        prompts.openAnswers.push_back(temp.filePath("elsewhere/skin.raw"));
        page.skin().browse();
        CGridCtrl& grid = *page.grid();
        for (std::size_t i = 0; i < panes.size(); ++i) {
            QTest::mouseClick(page.addButton(), Qt::LeftButton);
            const int row = int(i) + 1;
            typeCell(grid, row, 1, panes[i].c1);
            typeCell(grid, row, 2, panes[i].c2);
            typeCell(grid, row, 3, panes[i].env);
            typeCell(grid, row, 4, panes[i].fleche);
            if (page.incidenceField())
                typeCell(grid, row, 5, panes[i].diedre);
            prompts.colorAnswers.push_back(panes[i].color);
            clickCell(grid, row, page.colorColumn());
        }
    }

    static void expectPanes(const Surface& s, const std::vector<PaneValues>& panes, bool fin) {
        ASSERT_EQ(s.npart(), int(panes.size()));
        for (int i = 0; i < s.npart(); ++i) {
            const Pane& p = s.pane(i);
            const PaneValues& v = panes[i];
            EXPECT_FLOAT_EQ(p.c1, std::stof(v.c1));
            EXPECT_FLOAT_EQ(p.c2, std::stof(v.c2));
            EXPECT_FLOAT_EQ(p.env, std::stof(v.env));
            EXPECT_FLOAT_EQ(p.fleche, std::stof(v.fleche));
            EXPECT_NEAR(p.diedre, fin ? 1.5707963 : std::stod(v.diedre) * kDeg, 1e-6);
            EXPECT_NEAR(p.color[0], v.color.red() / 255.0, 1e-6);
            EXPECT_NEAR(p.color[1], v.color.green() / 255.0, 1e-6);
            EXPECT_NEAR(p.color[2], v.color.blue() / 255.0, 1e-6);
        }
    }

    QTemporaryDir temp;
    std::unique_ptr<SettingsStore> settings;
    PagePrompts prompts;
    std::unique_ptr<CMainFrame> frame;
};

const std::vector<PaneValues> kWing = {{"0.22", "0.2", "0.6", "0.01", "2", QColor(255, 0, 0)},
                                       {"0.2", "0.15", "0.5", "0.03", "4", QColor(0, 128, 0)},
                                       {"0.15", "0.08", "0.3", "0.05", "8", QColor(10, 20, 30)}};
const std::vector<PaneValues> kStab = {{"0.1", "0.07", "0.2", "0.02", "0", QColor(0, 0, 255)}};
const std::vector<PaneValues> kFin = {{"0.15", "0.09", "0.18", "0.06", "", QColor(255, 255, 0)},
                                      {"0.09", "0.05", "0.05", "0.02", "", QColor(1, 2, 3)}};

TEST_F(EndToEnd, aGliderBuiltInThePagesSurvivesSaveAndReopen) {
    frame->action(CMainFrame::New)->trigger();
    CKeshDoc* doc = frame->activeDocument();
    ASSERT_NE(doc, nullptr);

    auto& general = page<CGeneralPage>(CParamBarDlg::General);
    typeInto(general.nameField(), "Busard");
    fillSurface(page<CWingPage>(CParamBarDlg::Wing), "-0.05", "0.35", "pipit.txt", kWing);
    fillSurface(page<CStabPage>(CParamBarDlg::Stab), "-0.7", "0.04", "tail8.txt", kStab);
    fillSurface(page<CFinPage>(CParamBarDlg::Fin), "-0.68", "0.03",
                temp.filePath("sim/airfoils/tail8.txt"), kFin);

    auto& body = page<CBodyPage>(CParamBarDlg::Body);
    typeInto(body.weightField(), "0.55");
    prompts.colorAnswers.push_back(QColor(200, 100, 50));
    QTest::mouseClick(body.colorButton(), Qt::LeftButton);
    prompts.openAnswers.push_back(temp.filePath("elsewhere/body.raw"));
    body.skin().browse();
    const char* sections[][4] = {{"0", "0", "0.01", "0.01"},
                                 {"0.2", "-0.03", "0.09", "0.07"},
                                 {"0.9", "0.01", "0.03", "0.02"}};
    for (int row = 1; row <= 3; ++row) {
        QTest::mouseClick(body.addButton(), Qt::LeftButton);
        for (int col = 1; col <= 4; ++col)
            typeCell(*body.grid(), row, col, sections[row - 1][col - 1]);
    }

    auto& misc = page<CMiscPage>(CParamBarDlg::Misc);
    typeInto(misc.centreField(0), "-0.12");
    typeInto(misc.inertiaField(1), "0.75");

    QTest::mouseClick(frame->paramBar()->applyButton(), Qt::LeftButton);
    EXPECT_TRUE(prompts.messages().isEmpty()) << prompts.messages().value(0).text.toStdString();
    EXPECT_TRUE(doc->isModified());

    prompts.saveFileAnswers.push_back(temp.filePath("busard.gli"));
    frame->action(CMainFrame::Save)->trigger();
    const QString saved = doc->path();
    EXPECT_EQ(saved, temp.filePath("sim/gliders/Busard/busard.gli"));
    ASSERT_TRUE(QFile::exists(saved));
    EXPECT_FALSE(doc->isModified());

    frame->mdiArea()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(frame->documents().isEmpty());
    CKeshDoc* reopened = frame->openFile(saved);
    ASSERT_NE(reopened, nullptr);
    ASSERT_NE(reopened, doc);
    const Glider& g = reopened->glider();

    EXPECT_EQ(g.name, "Busard");
    EXPECT_FLOAT_EQ(g.centrum[0], -0.12f);
    EXPECT_DOUBLE_EQ(g.inertia[1], 0.75);
    for (int slot : {WingLeft, WingRight}) {
        const Surface& s = g.surfaces[slot];
        EXPECT_FLOAT_EQ(s.position[0], -0.05f);
        EXPECT_FLOAT_EQ(s.position[1], 0.02f);
        EXPECT_FLOAT_EQ(s.position[2], -0.01f);
        EXPECT_NEAR(s.calage, 1.5 * kDeg, 1e-7);
        EXPECT_FLOAT_EQ(s.weight, 0.35f);
        EXPECT_EQ(s.foil.foilFilename, "pipit.txt");
        EXPECT_TRUE(s.texturePath.ends_with("Busard/skin.raw")) << s.texturePath;
        expectPanes(s, kWing, false);
    }
    for (int slot : {StabLeft, StabRight}) {
        const Surface& s = g.surfaces[slot];
        EXPECT_FLOAT_EQ(s.position[0], -0.7f);
        EXPECT_FLOAT_EQ(s.weight, 0.04f);
        EXPECT_EQ(s.foil.foilFilename, "tail8.txt");
        expectPanes(s, kStab, false);
    }
    const Surface& fin = g.surfaces[Fin];
    EXPECT_FLOAT_EQ(fin.position[0], -0.68f);
    EXPECT_FLOAT_EQ(fin.weight, 0.03f);
    EXPECT_EQ(fin.foil.foilFilename, "tail8.txt");
    expectPanes(fin, kFin, true);

    EXPECT_FLOAT_EQ(g.body.weight, 0.55f);
    EXPECT_NEAR(g.body.color[0], 200 / 255.0, 1e-6);
    EXPECT_NEAR(g.body.color[1], 100 / 255.0, 1e-6);
    EXPECT_NEAR(g.body.color[2], 50 / 255.0, 1e-6);
    EXPECT_TRUE(g.body.texturePath.ends_with("Busard/body.raw")) << g.body.texturePath;
    ASSERT_EQ(g.body.sections.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const BodySection& s = g.body.sections[i];
        EXPECT_FLOAT_EQ(s.x, std::stof(sections[i][0]));
        EXPECT_FLOAT_EQ(s.z, std::stof(sections[i][1]));
        EXPECT_FLOAT_EQ(s.h, std::stof(sections[i][2]));
        EXPECT_FLOAT_EQ(s.l, std::stof(sections[i][3]));
    }
    EXPECT_NEAR(g.totalWeight(), 0.55 + 2 * 0.35 + 2 * 0.04 + 0.03, 1e-5);

    // The pages show the reopened glider as they were typed.
    frame->paramBar()->ReloadPages();
    auto& wing = page<CWingPage>(CParamBarDlg::Wing);
    EXPECT_EQ(wing.grid()->cellText(3, 5), "8.000000");
    EXPECT_EQ(wing.grid()->itemData(2, 6), 0x008000u);
    EXPECT_EQ(wing.foilField()->text(), "pipit.txt");
    EXPECT_EQ(page<CBodyPage>(CParamBarDlg::Body).colorField()->text(), "3264c8");
    EXPECT_EQ(page<CFinPage>(CParamBarDlg::Fin).grid()->cellText(2, 3), "0.050000");
}

TEST_F(EndToEnd, accentedAirfoilDirectoryAndGliderNameSaveAndReopenFromTheRecentList) {
    const QString downloads = temp.filePath(QString::fromUtf8("Téléchargements"));
    QDir().mkpath(downloads);
    const QString airfoil = QString::fromUtf8("profilé.txt");
    const QString pipit = temp.filePath("sim/airfoils/pipit.txt");
    ASSERT_TRUE(QFile::copy(pipit, downloads + "/" + airfoil));
    ASSERT_TRUE(QFile::copy(pipit, temp.filePath("sim/airfoils/") + airfoil));

    frame->action(CMainFrame::New)->trigger();
    CKeshDoc* doc = frame->activeDocument();
    page<CGeneralPage>(CParamBarDlg::General).nameField()->setText(QString::fromUtf8("Hélios"));
    auto& wing = page<CWingPage>(CParamBarDlg::Wing);
    prompts.openAnswers.push_back(downloads + "/" + airfoil);
    QTest::mouseClick(wing.foilBrowseButton(), Qt::LeftButton);
    typeInto(wing.weightField(), "0,35");
    QTest::mouseClick(wing.addButton(), Qt::LeftButton);
    typeCell(*wing.grid(), 1, 1, "0,22");
    typeInto(page<CStabPage>(CParamBarDlg::Stab).foilField(), "tail8.txt");
    typeInto(page<CFinPage>(CParamBarDlg::Fin).foilField(), "tail8.txt");
    QTest::mouseClick(frame->paramBar()->applyButton(), Qt::LeftButton);
    EXPECT_TRUE(prompts.messages().isEmpty()) << prompts.messages().value(0).text.toStdString();
    EXPECT_EQ(wing.foilField()->text(), airfoil);
    EXPECT_FLOAT_EQ(doc->glider().surfaces[WingRight].weight, 0.35f);
    EXPECT_FLOAT_EQ(doc->glider().surfaces[WingRight].pane(0).c1, 0.22f);

    prompts.saveFileAnswers.push_back(temp.filePath("helios.gli"));
    frame->action(CMainFrame::Save)->trigger();
    const QString saved = temp.filePath(QString::fromUtf8("sim/gliders/Hélios/helios.gli"));
    ASSERT_TRUE(QFile::exists(saved));
    EXPECT_EQ(doc->path(), saved);
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("name = \"H\xe9lios\""));
    EXPECT_TRUE(bytes.contains("foil.filename = \"profil\xe9.txt\""));

    // Ctrl+S again saves in place, without the dialog.
    const qsizetype asked = prompts.shown.size();
    doc->setModified(true);
    frame->action(CMainFrame::Save)->trigger();
    EXPECT_EQ(prompts.shown.size(), asked);
    EXPECT_FALSE(doc->isModified());

    frame->mdiArea()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(frame->recentFiles().files().value(0), saved);
    frame->recentFileActions().value(0)->trigger();
    CKeshDoc* reopened = frame->activeDocument();
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->glider().name, "H\xe9lios");
    EXPECT_EQ(page<CGeneralPage>(CParamBarDlg::General).nameField()->text(),
              QString::fromUtf8("Hélios"));
    EXPECT_EQ(page<CWingPage>(CParamBarDlg::Wing).foilField()->text(), airfoil);
}

// The glider was drawn before its fin had a pane: the fin must show once it is applied.
TEST_F(EndToEnd, aNewGlidersFinIsDrawnAfterAddAndApply) {
    frame->action(CMainFrame::New)->trigger();
    CMyglView* view = frame->activeView();
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([view] { return view->renderer().glReady(); }, 5000));
    view->setViewMode(ViewLeft);

    auto& fin = page<CFinPage>(CParamBarDlg::Fin);
    typeInto(fin.foilField(), "tail8.txt");
    QTest::mouseClick(fin.addButton(), Qt::LeftButton);
    typeCell(*fin.grid(), 1, 1, "0.3");
    typeCell(*fin.grid(), 1, 2, "0.2");
    typeCell(*fin.grid(), 1, 3, "0.3");
    prompts.colorAnswers.push_back(QColor(255, 0, 255));
    clickCell(*fin.grid(), 1, fin.colorColumn());
    QTest::mouseClick(frame->paramBar()->applyButton(), Qt::LeftButton);
    EXPECT_TRUE(prompts.messages().isEmpty()) << prompts.messages().value(0).text.toStdString();

    const QImage image = view->grabFramebuffer();
    int finPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            finPixels += c.red() > 200 && c.green() < 60 && c.blue() > 200;
        }
    EXPECT_GT(finPixels, 500);

    fin.estimateWeight();
    EXPECT_FLOAT_EQ(prompts.estimateSize, (0.3f + 0.2f) * 0.3f / 2) << "the fin's own area";
}

} // namespace
