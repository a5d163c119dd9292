// Start-up of the main window to its first paint, and opening a sample glider to the first
// frame of its view. Run under Xvfb.
#include "formats/settingsstore.h"
#include "formats/simulatorpaths.h"
#include "render/myglview.h"
#include "shell/childframe.h"
#include "shell/mainframe.h"
#include "tests/support/scriptedprompts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

const QString kSample = QStringLiteral(KESH_SOURCE_DIR "/sample");

// Counts the paints a widget receives.
class PaintWatch : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

bool spinUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void BM_StartupToFirstPaint(benchmark::State& state) {
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(QStringLiteral("kesh.ini")));
    ScriptedPrompts prompts;
    for (auto _ : state) {
        auto frame = std::make_unique<CMainFrame>(settings, prompts, CMainFrame::Options{false});
        PaintWatch watch;
        frame->installEventFilter(&watch);
        frame->showWithStoredPlacement();
        if (!spinUntil([&] { return watch.paints > 0; })) {
            state.SkipWithError("the main window never painted");
            break;
        }
        state.PauseTiming();
        frame->removeEventFilter(&watch);
        frame.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
// The first run pays for fonts, styles and the X connection's first round trips, as a real
// start does; the repeated runs show the frame's own cost.
BENCHMARK(BM_StartupToFirstPaint)
    ->Name("BM_StartupToFirstPaint/cold")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_StartupToFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenGliderToFirstPaintedView(benchmark::State& state) {
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(QStringLiteral("kesh.ini")));
    ScriptedPrompts prompts;
    CMainFrame frame(settings, prompts, CMainFrame::Options{false});
    frame.showWithStoredPlacement();
    spinUntil([&] { return frame.isVisible(); });
    const QString glider = kSample + QStringLiteral("/gliders/Harle/Harle.gli");

    for (auto _ : state) {
        CKeshDoc* document = frame.openFile(glider);
        if (!document) {
            state.SkipWithError("the sample glider did not open");
            break;
        }
        CMyglView* view = frame.activeView();
        bool swapped = false;
        QObject::connect(view, &QOpenGLWidget::frameSwapped, view, [&] { swapped = true; });
        if (!spinUntil([&] { return swapped; })) {
            state.SkipWithError("the view never drew");
            break;
        }
        state.PauseTiming();
        for (CChildFrame* child : frame.childFrames())
            child->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenGliderToFirstPaintedView)
    ->Name("BM_OpenGliderToFirstPaintedView/first")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_OpenGliderToFirstPaintedView)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    setSimulatorDirectory(kSample.toStdString());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
