#include "aero/naca.h"
#include "aero/xfoil/foilbuilder.h"
#include "aero/xfoil/paccfile.h"
#include "aero/xfoil/xfoilbatch.h"
#include "aero/xfoil/xfoilprocess.h"
#include "aero/xfoil/xfoilscript.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString kFakes = QStringLiteral(KESH_SOURCE_DIR "/tests/aero/xfoil/data/");

void ensureApp() {
    static int argc = 1;
    static char name[] = "kesh_xfoil_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app =
        QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    (void)app;
}

XfoilSettings fake(const QString& program, std::vector<int> reynolds = {100000}) {
    XfoilSettings settings;
    settings.program = kFakes + program;
    settings.reynolds = std::move(reynolds);
    settings.timeoutSeconds = 30;
    return settings;
}

Outline analysed() {
    return analysedOutline(nacaOutline("NACA 2412"));
}

// Points the temporary directory at a private one while it lives, so what runs leave there
// can be seen whatever else uses the system's.
class PrivateTemp {
public:
    PrivateTemp() : saved_(qgetenv("TMPDIR")) { qputenv("TMPDIR", dir_.path().toLocal8Bit()); }
    ~PrivateTemp() { qputenv("TMPDIR", saved_); }
    QStringList entries() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

private:
    QTemporaryDir dir_;
    QByteArray saved_;
};

} // namespace

TEST(PaccFile, ReadsRowsByPositionAsFarAsWritten) {
    const std::string head =
        " Calculated polar for: x\n\n   alpha    CL        CD       CDp       CM\n"
        "  ------ -------- --------- --------- --------\n";
    std::vector<PaccPoint> rows;
    bool header = true;
    std::string error;
    ASSERT_TRUE(parsePaccFile(" Calculated polar for: x\n   alpha", rows, header, error));
    EXPECT_FALSE(header);
    ASSERT_TRUE(parsePaccFile(head + "   0.000   0.2810   0.00999   0.00350  -0.0605   0.83\n"
                                     "  -0.500   0.2  0.01  0.003  -0.06\n   1.0 0.3",
                              rows, header, error));
    EXPECT_TRUE(header);
    ASSERT_EQ(rows.size(), 2u); // the unfinished last line is left for later
    EXPECT_DOUBLE_EQ(rows[0].cl, 0.281);
    EXPECT_DOUBLE_EQ(rows[0].cd, 0.00999);
    EXPECT_DOUBLE_EQ(rows[0].cm, -0.0605);
    EXPECT_DOUBLE_EQ(rows[1].alpha, -0.5);
    EXPECT_FALSE(parsePaccFile(head + "   0.000   ******   0.00999   0.00350  -0.0605\n", rows,
                               header, error));
    EXPECT_EQ(error, "ligne 5 illisible");
    EXPECT_FALSE(parsePaccFile(head + "   0.000   0.28\n", rows, header, error));
}

TEST(XfoilScript, IsWholeFixedAndCarriesNoUserText) {
    XfoilSettings settings;
    settings.ncrit = 12;
    const std::string script = xfoilScript(settings, 200000);
    EXPECT_EQ(script, "PLOP\nG\n\nLOAD foil.dat\nPANE\nOPER\nVISC 200000\nVPAR\nN 12\n\n"
                      "ITER 100\nPACC\npolar.txt\n\nASEQ 0 20 0.5\nINIT\nASEQ -0.5 -15 -0.5\n"
                      "PACC\n\nQUIT\n");
    Outline outline = nacaOutline("NACA 0012", 10);
    outline.name = "evil\nPSAV /tmp/x";
    const std::string text = xfoilOutlineText(outline);
    EXPECT_EQ(text.rfind("kesh\n1 ", 0), 0u);
    EXPECT_EQ(text.find("evil"), std::string::npos);

    EXPECT_EQ(checkXfoilSettings(settings), "");
    settings.alphaStep = 0;
    EXPECT_NE(checkXfoilSettings(settings), "");
    settings = {};
    settings.reynolds = {100000, 50};
    EXPECT_NE(checkXfoilSettings(settings), "");
}

TEST(XfoilBatch, RunsEachReynoldsNumberInItsOwnProcessAndReportsProgress) {
    ensureApp();
    const PrivateTemp temp;
    XfoilBatch batch;
    std::vector<int> progressed, finishedRuns;
    QObject::connect(&batch, &XfoilBatch::progress,
                     [&](int index, double) { progressed.push_back(index); });
    QObject::connect(&batch, &XfoilBatch::runFinished,
                     [&](int index) { finishedRuns.push_back(index); });
    bool cancelled = true;
    QEventLoop loop;
    QObject::connect(&batch, &XfoilBatch::finished, [&](bool c) {
        cancelled = c;
        loop.quit();
    });
    XfoilSettings settings = fake("xfoil-fake", {400000, 50000, 100000});
    settings.jobs = 2;
    batch.start(analysed(), settings);
    EXPECT_TRUE(batch.isRunning());
    loop.exec();
    EXPECT_FALSE(cancelled);
    EXPECT_FALSE(batch.isRunning());
    EXPECT_EQ(finishedRuns.size(), 3u);
    ASSERT_EQ(batch.runs().size(), 3u);
    const float clAt2[] = {0.4f, 0.5f, 0.1f}; // the fake's echo of each script's Reynolds number
    for (std::size_t i = 0; i < 3; ++i) {
        const XfoilRun& run = batch.runs()[i];
        EXPECT_TRUE(run.ok) << run.error.toStdString();
        EXPECT_EQ(run.reynolds, settings.reynolds[i]);
        EXPECT_EQ(run.polar.reynolds, settings.reynolds[i]);
        ASSERT_EQ(run.polar.rows.size(), 5u);
        ASSERT_EQ(run.cm.size(), 5u);
        EXPECT_NEAR(run.polar.rows[0].alpha, -2 * 0.0174533, 1e-6);
        EXPECT_FLOAT_EQ(run.polar.rows[4].cl, clAt2[i]);
        EXPECT_FLOAT_EQ(run.cm[0], -0.048f);
        EXPECT_EQ(run.polar.zeroIndex, 2);
    }
    EXPECT_TRUE(temp.entries().isEmpty()) << temp.entries().join(' ').toStdString();
}

TEST(XfoilBatch, NamesEachFailureByItsReynoldsNumber) {
    ensureApp();
    const auto onlyRun = [](XfoilSettings settings) {
        const std::vector<XfoilRun> runs = runXfoilBlocking(analysed(), settings);
        EXPECT_EQ(runs.size(), 1u);
        EXPECT_FALSE(runs[0].ok);
        EXPECT_TRUE(runs[0].polar.rows.empty());
        return runs[0].error.toStdString();
    };
    XfoilSettings hangs = fake("xfoil-hangs");
    hangs.timeoutSeconds = 1;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(onlyRun(hangs), "Reynolds 100000 : XFOIL a dépassé 1 s et a été arrêté.");
    EXPECT_LT(clock.elapsed(), 20000);
    EXPECT_NE(onlyRun(fake("xfoil-crashes")).find("Reynolds 100000 : XFOIL s'est arrêté"),
              std::string::npos);
    EXPECT_EQ(onlyRun(fake("xfoil-garbage")),
              "Reynolds 100000 : la polaire écrite par XFOIL est illisible (ligne 4 illisible).");
    EXPECT_EQ(onlyRun(fake("xfoil-silent")), "Reynolds 100000 : XFOIL n'a pas écrit de polaire.");
    const std::string missing = onlyRun(fake("no-such-xfoil"));
    EXPECT_NE(missing.find("introuvable"), std::string::npos);
    EXPECT_NE(missing.find("paquet Debian « xfoil »"), std::string::npos);
    XfoilSettings bad = fake("xfoil-fake");
    bad.alphaMax = -3;
    EXPECT_NE(onlyRun(bad), "");
}

TEST(XfoilBatch, CancelStopsEveryProcessAtOnce) {
    ensureApp();
    XfoilBatch batch;
    bool cancelled = false;
    QEventLoop loop;
    QObject::connect(&batch, &XfoilBatch::finished, [&](bool c) {
        cancelled = c;
        loop.quit();
    });
    XfoilSettings settings = fake("xfoil-hangs", {50000, 100000, 200000});
    settings.jobs = 2;
    batch.start(analysed(), settings);
    QTimer::singleShot(300, &batch, [&] { batch.cancel(); });
    QElapsedTimer clock;
    clock.start();
    loop.exec();
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_TRUE(cancelled);
    for (const XfoilRun& run : batch.runs())
        EXPECT_FALSE(run.ok);
}

// A cancel that races the end of the batch (here a settings failure reported on the next
// turn of the loop) must still end it only once.
TEST(XfoilBatch, ACancelAtTheEndFinishesTheBatchOnce) {
    ensureApp();
    XfoilBatch batch;
    int finishes = 0;
    QObject::connect(&batch, &XfoilBatch::finished, [&] { ++finishes; });
    batch.start(analysed(), fake("no-such-xfoil"));
    batch.cancel();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 200)
        QCoreApplication::processEvents();
    EXPECT_EQ(finishes, 1);
    EXPECT_FALSE(batch.isRunning());
}

TEST(XfoilBatch, RealXfoilGivesAPlausibleNaca2412Polar) {
    ensureApp();
    if (findXfoil("xfoil").isEmpty())
        GTEST_SKIP() << "xfoil is not installed";
    const QString preload = xfoilEnvironment().value("LD_PRELOAD");
    ASSERT_TRUE(QFileInfo(preload).isFile()) << preload.toStdString();

    XfoilSettings settings;
    settings.reynolds = {200000};
    settings.alphaMax = 4;
    settings.alphaMin = -2;
    settings.alphaStep = 1;
    settings.timeoutSeconds = 120; // a loaded machine slows it down many times
    const std::vector<XfoilRun> runs = runXfoilBlocking(analysed(), settings);
    ASSERT_EQ(runs.size(), 1u);
    ASSERT_TRUE(runs[0].ok) << runs[0].error.toStdString();
    const Polar& polar = runs[0].polar;
    ASSERT_GE(polar.rows.size(), 5u);
    const PolarPoint& zero = polar.rows[polar.zeroIndex];
    EXPECT_EQ(zero.alpha, 0.0f);
    EXPECT_NEAR(zero.cl, 0.25, 0.06);
    EXPECT_NEAR(zero.cd, 0.0095, 0.003);
    const double slope = (polar.rows.back().cl - polar.rows.front().cl) /
                         (polar.rows.back().alpha - polar.rows.front().alpha);
    // About thin-airfoil theory's 2π per radian; XFOIL gives more at this Reynolds number.
    EXPECT_GT(slope, 5.5);
    EXPECT_LT(slope, 8.5);
    EXPECT_NEAR(runs[0].cm[polar.zeroIndex], -0.055, 0.02);
}
