#include "formats/foilfile.h"
#include "shell/foilworkshop.h"
#include "shell/widgets/chartpanel.h"
#include "shell/widgets/profileview.h"
#include "tests/support/fakexfoil.h"
#include "tests/support/shellfixture.h"

#include <QAbstractSeries>
#include <QAction>
#include <QChart>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QXYSeries>

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

int markerSeries(const CChartPanel* chart) {
    int count = 0;
    for (QAbstractSeries* series : chart->chart()->series())
        count += series->type() == QAbstractSeries::SeriesTypeScatter;
    return count;
}

} // namespace

class FoilWorkshopTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        // A simulator directory of our own, since saving writes into its airfoils.
        const QString sim = temp.filePath(QStringLiteral("sim"));
        QDir().mkpath(sim + QStringLiteral("/airfoils"));
        for (const QString& foil :
             QDir(sampleDir() + QStringLiteral("/airfoils")).entryList(QDir::Files))
            QFile::copy(sampleDir() + QStringLiteral("/airfoils/") + foil,
                        sim + QStringLiteral("/airfoils/") + foil);
        setSimulatorDirectory(QFile::encodeName(sim).toStdString());
        // XFOIL's working directories go here, out of the way of tests that count them.
        savedTmpDir = qgetenv("TMPDIR");
        QDir().mkpath(temp.filePath(QStringLiteral("tmp")));
        qputenv("TMPDIR", QFile::encodeName(temp.filePath(QStringLiteral("tmp"))));
        workshop = frame->foilWorkshop();
    }

    void TearDown() override {
        ShellFixture::TearDown();
        if (savedTmpDir.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", savedTmpDir);
    }

    QString airfoil(const QString& name) const {
        return temp.filePath(QStringLiteral("sim/airfoils/") + name);
    }

    // A workshop on a fake xfoil, with the given source and Reynolds numbers.
    void useFake(const FakeXfoil& fake, const QString& reynolds = QStringLiteral("100000 200000")) {
        const QString program = temp.filePath(QStringLiteral("xfoil-%1").arg(++fakes));
        ASSERT_TRUE(writeFakeXfoil(program, fake));
        workshop->setXfoilProgram(program);
        workshop->sourceField()->setText(QStringLiteral("NACA 2412"));
        workshop->reynoldsField()->setText(reynolds);
    }

    bool computeAndWait() {
        if (!workshop->compute())
            return false;
        return QTest::qWaitFor([this] { return !workshop->isComputing(); }, 20000);
    }

    std::string shownMessages() const {
        QStringList texts;
        for (const auto& shown : prompts.messages())
            texts.append(shown.text);
        return texts.join('\n').toStdString();
    }

    CFoilWorkshop* workshop = nullptr;
    int fakes = 0;
    QByteArray savedTmpDir;
};

TEST_F(FoilWorkshopTest, ToolsMenuOpensOneToolWindowOwnedByTheFrame) {
    QAction* open = frame->action(CMainFrame::FoilWorkshop);
    open->trigger();
    EXPECT_TRUE(workshop->isVisible());
    EXPECT_EQ(workshop->parentWidget(), frame.get());
    EXPECT_TRUE(workshop->windowFlags() & Qt::Tool);
    EXPECT_FALSE(workshop->isModal());
    workshop->close();
    open->trigger();
    EXPECT_EQ(frame->foilWorkshop(), workshop);
    EXPECT_TRUE(workshop->isVisible());
}

TEST_F(FoilWorkshopTest, ShowsAnAirfoilFileOfTheSimulatorAndRefusesABrokenOne) {
    Foil foil;
    loadFoil(foil, QFile::encodeName(airfoil(QStringLiteral("pipit.txt"))).toStdString());
    prompts.openAnswers.push_back(airfoil(QStringLiteral("pipit.txt")));
    ASSERT_TRUE(workshop->browseFoilFile());
    EXPECT_EQ(workshop->profileView()->outline().size(), qsizetype(foil.points.size()));
    const int polars = int(foil.polars.size()) - 2;
    EXPECT_EQ(workshop->liftChart()->chart()->series().size(), polars);
    EXPECT_EQ(markerSeries(workshop->liftChart()), 0); // no XFOIL points known in a file
    EXPECT_EQ(workshop->liftChart()->chart()->series().first()->name(),
              QStringLiteral("Re %1").arg(foil.polars[1].reynolds));
    EXPECT_EQ(workshop->nameField()->text().toStdString(), foil.name);
    EXPECT_FALSE(workshop->saveButton()->isEnabled());

    QFile broken(airfoil(QStringLiteral("broken.txt")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("[main]\r\nname = \"x\"\r\n");
    broken.close();
    EXPECT_FALSE(workshop->openFoilFile(broken.fileName()));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages()[0].text.startsWith(QStringLiteral("Foilname")));
    EXPECT_EQ(workshop->profileView()->outline().size(), qsizetype(foil.points.size()));
}

TEST_F(FoilWorkshopTest, SourceIsPreviewedAtTheChosenPointCount) {
    workshop->sourceField()->setText(QStringLiteral("naca2412"));
    ASSERT_TRUE(workshop->loadSource());
    EXPECT_EQ(workshop->pointsField()->value(), 101);
    EXPECT_EQ(workshop->pointsField()->maximum(), 101);
    EXPECT_EQ(workshop->profileView()->outline().size(), 101);
    EXPECT_FALSE(workshop->nameField()->text().isEmpty());
    workshop->pointsField()->setValue(61);
    EXPECT_EQ(workshop->profileView()->outline().size(), 61);

    // A forum file: an unsafe title, text after the coordinates.
    QFile forum(temp.filePath(QStringLiteral("forum.dat")));
    ASSERT_TRUE(forum.open(QIODevice::WriteOnly));
    forum.write("DP 1.68/8.37 (c)\"Author\" [v2]\n");
    for (int i = 0; i <= 40; ++i) {
        const double x = std::abs(std::cos(kPi * i / 40));
        const double y = (i < 20 ? 1 : -1) * 0.6 *
                         (0.2969 * std::sqrt(x) - 0.126 * x - 0.3516 * x * x + 0.2843 * x * x * x -
                          0.1036 * x * x * x * x);
        forum.write(QByteArray::number(x, 'f', 6) + ' ' + QByteArray::number(y, 'f', 6) + '\n');
    }
    forum.write("\nDrawn by A. Modeller\nhttp://forum.example/foils\n");
    forum.close();
    workshop->sourceField()->setText(forum.fileName());
    ASSERT_TRUE(workshop->loadSource());
    EXPECT_EQ(workshop->nameField()->text(), QStringLiteral("DP 1.68/8.37 (c)'Author' (v2)"));
    EXPECT_EQ(workshop->statusLabel()->text(),
              QString::fromUtf8("2 lignes de texte ignorées après les coordonnées"));
    EXPECT_TRUE(prompts.messages().isEmpty()) << shownMessages();

    QFile coordinates(temp.filePath(QStringLiteral("thin.dat")));
    ASSERT_TRUE(coordinates.open(QIODevice::WriteOnly));
    coordinates.write("1 0\n0.5 0.01\n0 0\n0.5 -0.01\n1 0\n");
    coordinates.close();
    for (const QString& refused : {coordinates.fileName(), temp.filePath(QStringLiteral("none"))}) {
        workshop->sourceField()->setText(refused);
        EXPECT_FALSE(workshop->loadSource());
    }
    EXPECT_EQ(prompts.messages().size(), 2);
    EXPECT_EQ(prompts.messages()[0].caption, QStringLiteral("Erreur"));
    EXPECT_EQ(workshop->profileView()->outline().size(), 61); // the good outline stays
}

TEST_F(FoilWorkshopTest, ComputesWithProgressAndMarksXfoilPointsApartFromTheExtension) {
    useFake({.delaySeconds = 0.3});
    ASSERT_TRUE(workshop->compute());
    EXPECT_TRUE(workshop->isComputing());
    EXPECT_FALSE(workshop->computeButton()->isEnabled());
    EXPECT_TRUE(workshop->cancelButton()->isEnabled());
    ASSERT_EQ(workshop->progressBars().size(), 2);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !workshop->isComputing(); }, 20000));
    for (QProgressBar* bar : workshop->progressBars())
        EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_TRUE(prompts.messages().isEmpty()) << shownMessages();

    ASSERT_TRUE(workshop->result());
    const Foil& foil = *workshop->result();
    ASSERT_EQ(foil.polars.size(), 4u);
    EXPECT_EQ(foil.polars[1].reynolds, 100000);
    EXPECT_EQ(foil.points.size(), 101u);
    EXPECT_NEAR(foil.polars[1].rows.back().alpha, kPi, 1e-3); // extended
    for (CChartPanel* chart :
         {workshop->liftChart(), workshop->dragChart(), workshop->ratioChart()}) {
        EXPECT_EQ(chart->chart()->series().size(), 4);
        EXPECT_EQ(markerSeries(chart), 2);
    }
    // The fake sweeps -15..20 degrees every 0.5, its lift peaking at 12.5: the upward sweep
    // ends 3° past it, 62 points, all inside the charted window.
    auto* marks = qobject_cast<QScatterSeries*>(workshop->liftChart()->chart()->series()[1]);
    ASSERT_TRUE(marks);
    EXPECT_EQ(marks->count(), 62);
    EXPECT_TRUE(workshop->saveButton()->isEnabled());

    workshop->extendBox()->setChecked(false);
    EXPECT_EQ(workshop->result()->polars[1].rows.size(), 62u);
    workshop->wholeCircleBox()->setChecked(true);
    EXPECT_EQ(markerSeries(workshop->liftChart()), 2);
}

TEST_F(FoilWorkshopTest, CancelStopsEveryRunAtOnceAndKeepsNothing) {
    useFake({.hangs = true}, QStringLiteral("50000 100000 200000 400000"));
    ASSERT_TRUE(workshop->compute());
    QTest::qWait(200);
    QElapsedTimer clock;
    clock.start();
    workshop->cancelButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !workshop->isComputing(); }, 5000));
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(workshop->statusLabel()->text(), QString::fromUtf8("Calcul annulé."));
    for (QProgressBar* bar : workshop->progressBars())
        EXPECT_TRUE(bar->format().endsWith(QString::fromUtf8("annulé")))
            << bar->format().toStdString();
    EXPECT_FALSE(workshop->result());
    EXPECT_FALSE(workshop->saveButton()->isEnabled());
    EXPECT_TRUE(workshop->computeButton()->isEnabled());
    EXPECT_TRUE(prompts.messages().isEmpty()) << shownMessages();
}

TEST_F(FoilWorkshopTest, FailedRunsAreNamedAndLeftOut) {
    useFake({.failReynolds = 200000});
    ASSERT_TRUE(computeAndWait());
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages()[0].text.contains(QStringLiteral("200000")));
    ASSERT_TRUE(workshop->result());
    EXPECT_EQ(workshop->result()->polars.size(), 3u);

    useFake({.failReynolds = 100000}, QStringLiteral("100000"));
    ASSERT_TRUE(computeAndWait());
    EXPECT_EQ(prompts.messages().size(), 2);
    EXPECT_EQ(prompts.messages()[1].icon, PromptIcon::Error);
    EXPECT_FALSE(workshop->result());
    EXPECT_FALSE(workshop->saveButton()->isEnabled());
}

TEST_F(FoilWorkshopTest, BadSettingsAreRefusedBeforeAnyRun) {
    useFake({});
    const std::pair<QLineEdit*, QString> refused[] = {
        {workshop->reynoldsField(), QStringLiteral("100000, abc")},
        {workshop->reynoldsField(), QStringLiteral("10000000")},
        {workshop->reynoldsField(), QStringLiteral("")},
        {workshop->ncritField(), QStringLiteral("0")},
        {workshop->stepField(), QStringLiteral("x")},
    };
    for (const auto& [field, text] : refused) {
        const QString kept = field->text();
        field->setText(text);
        EXPECT_FALSE(workshop->compute()) << text.toStdString();
        EXPECT_FALSE(workshop->isComputing());
        field->setText(kept);
    }
    EXPECT_EQ(prompts.messages().size(), 5);
}

TEST_F(FoilWorkshopTest, SavesIntoTheAirfoilsDirectoryAskingBeforeReplacing) {
    useFake({}, QStringLiteral("100000"));
    ASSERT_TRUE(computeAndWait());
    workshop->nameField()->setText(QStringLiteral("Mon profil"));
    const QString target = airfoil(QStringLiteral("mine.txt"));
    prompts.saveFileAnswers.push_back(target);
    ASSERT_TRUE(workshop->save());
    EXPECT_EQ(prompts.shown.back().proposedName, airfoil(QStringLiteral("Mon_profil.txt")));
    Foil written;
    loadFoil(written, QFile::encodeName(target).toStdString());
    EXPECT_EQ(written.name, "Mon profil");
    EXPECT_EQ(written.points.size(), 101u);

    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    workshop->nameField()->setText(QStringLiteral("Autre"));
    prompts.saveFileAnswers.push_back(target);
    prompts.yesNoAnswers.push_back(false);
    EXPECT_FALSE(workshop->save());
    EXPECT_EQ(prompts.shown.back().kind, ScriptedPrompts::Kind::YesNo);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    file.close();

    prompts.saveFileAnswers.push_back(target);
    prompts.yesNoAnswers.push_back(true);
    EXPECT_TRUE(workshop->save());
    loadFoil(written, QFile::encodeName(target).toStdString());
    EXPECT_EQ(written.name, "Autre");

    prompts.saveFileAnswers.push_back(temp.filePath(QStringLiteral("elsewhere.txt")));
    EXPECT_FALSE(workshop->save());
    EXPECT_FALSE(QFile::exists(temp.filePath(QStringLiteral("elsewhere.txt"))));
    // A name the file cannot hold is refused by the writer, the old file kept.
    workshop->nameField()->setText(QStringLiteral("a\"b"));
    prompts.saveFileAnswers.push_back(target);
    prompts.yesNoAnswers.push_back(true);
    EXPECT_FALSE(workshop->save());
    EXPECT_EQ(prompts.messages().size(), 2);
    loadFoil(written, QFile::encodeName(target).toStdString());
    EXPECT_EQ(written.name, "Autre");
}

TEST_F(FoilWorkshopTest, AnOpenGliderUsingTheReplacedFileShowsTheNewOutline) {
    QDir(temp.path()).mkpath(QStringLiteral("sim/gliders/Mouette"));
    const QString glider = temp.filePath(QStringLiteral("sim/gliders/Mouette/Mouette.gli"));
    ASSERT_TRUE(QFile::copy(sampleGlider(QStringLiteral("Mouette")), glider));
    CKeshDoc* document = frame->openFile(glider);
    ASSERT_TRUE(document);
    const Surface& wing = document->glider().surfaces[WingLeft];
    const Surface& fin = document->glider().surfaces[Fin];
    ASSERT_EQ(wing.foil.foilFilename, "mouette.txt");
    const auto finPoints = fin.foil.points.size();

    useFake({}, QStringLiteral("100000"));
    workshop->sourceField()->setText(QStringLiteral("NACA 0012")); // typed, never entered
    workshop->pointsField()->setValue(41);
    ASSERT_TRUE(computeAndWait());
    prompts.saveFileAnswers.push_back(airfoil(QStringLiteral("mouette.txt")));
    prompts.yesNoAnswers.push_back(true);
    ASSERT_TRUE(workshop->save());
    EXPECT_EQ(wing.foil.points.size(), 41u);
    EXPECT_EQ(document->glider().surfaces[WingRight].foil.points.size(), 41u);
    EXPECT_EQ(fin.foil.points.size(), finPoints);
    EXPECT_EQ(wing.foil.name, "NACA 0012");
}
