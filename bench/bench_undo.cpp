// "Appliquer" of one chord on the largest glider with four views open, from the click to
// all four repainted; undo and redo of that step; the memory 1,000 undo steps take. Run
// under Xvfb.
#include "bench/largestglider.h"
#include "formats/foilwriter.h"
#include "formats/gliderfile.h"
#include "formats/settingsstore.h"
#include "formats/simulatorpaths.h"
#include "render/myglview.h"
#include "shell/childframe.h"
#include "shell/keshdoc.h"
#include "shell/mainframe.h"
#include "shell/pages/parambardlg.h"
#include "shell/pages/surfacepage.h"
#include "shell/widgets/gridctrl.h"
#include "tests/support/scriptedprompts.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace {

// Sleeps between events rather than spinning, which would take the processor from the X
// server and the software renderer's threads.
bool spinUntil(const std::function<bool()>& done, int timeoutMs = 20000) {
    QElapsedTimer timer;
    timer.start();
    QTimer wake;
    wake.start(50);
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

double residentMegabytes() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return double(resident) * double(::sysconf(_SC_PAGESIZE)) / 1e6;
}

// The editor with the largest glider open in four windows, one of each view.
class Editor {
public:
    bool open() {
        namespace fs = std::filesystem;
        const fs::path sim = dir_.path().toStdString();
        fs::create_directories(sim / "airfoils");
        fs::create_directories(sim / "gliders/Largest");
        writeFoilFile((sim / "airfoils/largest.txt").string(), largestFoil(), {});
        Glider glider = largestGlider();
        glider.name = "Largest";
        for (Surface& surface : glider.surfaces)
            surface.foil.foilFilename = "largest.txt";
        const fs::path file = sim / "gliders/Largest/Largest.gli";
        std::ofstream(file, std::ios::binary) << gliderFileText(glider);
        setSimulatorDirectory(sim.string());

        frame_ = std::make_unique<CMainFrame>(settings_, prompts_, CMainFrame::Options{false});
        frame_->showWithStoredPlacement();
        document_ = frame_->openFile(QString::fromStdString(file.string()));
        if (!document_)
            return false;
        for (int mode : {0, 1, 2})
            frame_->openPresetView(mode);
        for (CChildFrame* child : frame_->childFrames())
            QObject::connect(child->view(), &QOpenGLWidget::frameSwapped, child->view(),
                             [this] { ++swaps_; });
        return spinUntil([this] { return swaps_ >= 4; });
    }

    // Types a new root chord into the wing's first row.
    void typeChord() {
        chord_ = chord_ == 0.9f ? 0.95f : 0.9f;
        auto* wing = static_cast<CSurfacePage*>(frame_->paramBar()->page(CParamBarDlg::Wing));
        frame_->mdiArea()->setActiveSubWindow(frame_->childFrames().front());
        wing->grid()->setCellText(1, 1, QString::number(chord_));
    }

    // Runs the action and waits until all four views have drawn a frame since.
    bool repainted(const std::function<void()>& action) {
        swaps_ = 0;
        action();
        return spinUntil([this] { return swaps_ >= 4; });
    }

    void redrawOnly() { document_->updateAllViews(0); }
    void apply() { frame_->paramBar()->applyButton()->click(); }
    void undo() { frame_->action(CMainFrame::Undo)->trigger(); }
    void redo() { frame_->action(CMainFrame::Redo)->trigger(); }
    int steps() const { return document_->undoStack()->count(); }

private:
    QTemporaryDir dir_;
    SettingsStore settings_{dir_.filePath(QStringLiteral("kesh.ini"))};
    ScriptedPrompts prompts_;
    std::unique_ptr<CMainFrame> frame_;
    CKeshDoc* document_ = nullptr;
    int swaps_ = 0;
    float chord_ = 0;
};

bool openOrSkip(Editor& editor, benchmark::State& state) {
    if (editor.open())
        return true;
    state.SkipWithError("the largest glider did not open in four views");
    return false;
}

void BM_ApplyChordFourViews(benchmark::State& state) {
    Editor editor;
    if (!openOrSkip(editor, state))
        return;
    for (auto _ : state) {
        state.PauseTiming();
        editor.typeChord();
        state.ResumeTiming();
        if (!editor.repainted([&] { editor.apply(); })) {
            state.SkipWithError("the views did not repaint");
            return;
        }
    }
}
BENCHMARK(BM_ApplyChordFourViews)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor under the figures above: the four views redrawn with nothing changed.
void BM_RedrawFourViews(benchmark::State& state) {
    Editor editor;
    if (!openOrSkip(editor, state))
        return;
    for (auto _ : state)
        if (!editor.repainted([&] { editor.redrawOnly(); })) {
            state.SkipWithError("the views did not repaint");
            return;
        }
}
BENCHMARK(BM_RedrawFourViews)->Unit(benchmark::kMillisecond)->UseRealTime();

// Undo (redo = false) or redo of an Apply of one chord, to all four views repainted.
void undoOrRedo(benchmark::State& state, bool redo) {
    Editor editor;
    if (!openOrSkip(editor, state))
        return;
    for (auto _ : state) {
        state.PauseTiming();
        editor.typeChord();
        bool ready = editor.repainted([&] { editor.apply(); });
        if (redo)
            ready = ready && editor.repainted([&] { editor.undo(); });
        state.ResumeTiming();
        if (!ready || !editor.repainted([&] { redo ? editor.redo() : editor.undo(); })) {
            state.SkipWithError("the views did not repaint");
            return;
        }
    }
}

void BM_UndoApply(benchmark::State& state) {
    undoOrRedo(state, false);
}
BENCHMARK(BM_UndoApply)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RedoApply(benchmark::State& state) {
    undoOrRedo(state, true);
}
BENCHMARK(BM_RedoApply)->Unit(benchmark::kMillisecond)->UseRealTime();

// Resident memory after 1,000 steps against none, in the counter "extra_MB".
void BM_ThousandUndoSteps(benchmark::State& state) {
    for (auto _ : state) {
        Editor editor;
        if (!editor.open()) {
            state.SkipWithError("the largest glider did not open in four views");
            return;
        }
        QCoreApplication::processEvents();
        const double before = residentMegabytes();
        for (int step = 0; step < 1000; ++step) {
            editor.typeChord();
            editor.apply();
            QCoreApplication::processEvents();
        }
        if (editor.steps() != 1000) {
            state.SkipWithError("an Apply recorded no step");
            return;
        }
        state.counters["extra_MB"] = residentMegabytes() - before;
    }
}
BENCHMARK(BM_ThousandUndoSteps)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
