// Display-list compile and one frame for the largest glider the file format allows, in an
// offscreen context. Run under Xvfb.
#include "bench/largestglider.h"
#include "render/drawing.h"
#include "render/glidergl.h"
#include "render/gliderrenderer.h"
#include "render/offscreenframe.h"

#include <GL/gl.h>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

const QSize kFrame(800, 600);

void BM_BuildDisplayList(benchmark::State& state) {
    OffscreenFrame frame;
    if (!frame.create(kFrame)) {
        state.SkipWithError("no OpenGL context");
        return;
    }
    Glider glider = largestGlider();
    GliderGl gl;
    prepareGlider(glider, gl);
    for (auto _ : state) {
        buildDisplayList(glider, gl);
        glFinish();
    }
    releaseGliderGl(gl);
}
BENCHMARK(BM_BuildDisplayList)->Unit(benchmark::kMillisecond);

void BM_PrepareGlider(benchmark::State& state) {
    OffscreenFrame frame;
    if (!frame.create(kFrame)) {
        state.SkipWithError("no OpenGL context");
        return;
    }
    Glider glider = largestGlider();
    GliderGl gl;
    for (auto _ : state) {
        prepareGlider(glider, gl);
        glFinish();
    }
    releaseGliderGl(gl);
}
BENCHMARK(BM_PrepareGlider)->Unit(benchmark::kMillisecond);

void BM_DrawFrame(benchmark::State& state) {
    OffscreenFrame frame;
    if (!frame.create(kFrame)) {
        state.SkipWithError("no OpenGL context");
        return;
    }
    Glider glider = largestGlider();
    GliderGl gl;
    GliderRenderer renderer;
    renderer.zoom = 14;
    renderer.rotX = -60;
    renderer.rotZ = 30;
    renderer.resize(kFrame.width(), kFrame.height());
    renderer.paint(&glider, gl); // first paint prepares
    for (auto _ : state)
        renderer.paint(&glider, gl); // ends in glFinish
    releaseGliderGl(gl);
}
BENCHMARK(BM_DrawFrame)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
