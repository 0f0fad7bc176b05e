// Panning the world map of the location window (a map of 520 x 470 pixels) at zoom 1, 8 and 64.
// BM_PanFrame moves the cached picture, as the map does while the pointer drags it;
// BM_PanFrameBaseline draws the SVG again for every frame. The pan case also times a few
// baseline frames and reports their ratio as "speedup".
#include "worldmapitem.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace {

constexpr QSize MapSize{520, 470};
constexpr int BaselineFrames = 5;

struct Scene {
    WorldMapItem map;
    QImage image{MapSize, QImage::Format_ARGB32_Premultiplied};
    int frame = 0;

    explicit Scene(double zoom) {
        map.setSource(QUrl(QStringLiteral("qrc:/map/world.svg")));
        map.setSize(MapSize);
        map.setZoom(zoom);
        map.setCenterLatitude(48.1);
        map.setCenterLongitude(11.6);
    }

    // One frame of a drag back and forth by a few pixels.
    void frameMoved() {
        const double step = (frame++ / 20) % 2 ? -3 : 3;
        map.panBy(step, step / 2);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        map.paint(&painter);
    }
};

double baselineSeconds(double zoom) {
    Scene scene(zoom);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < BaselineFrames; ++i)
        scene.frameMoved();
    return timer.nsecsElapsed() / 1e9 / BaselineFrames;
}

void BM_PanFrame(benchmark::State& state) {
    const double zoom = double(state.range(0));
    Scene scene(zoom);
    scene.frameMoved();
    scene.map.setPanning(true);
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state)
        scene.frameMoved();
    const double seconds = timer.nsecsElapsed() / 1e9 / double(state.iterations());
    state.counters["speedup"] = baselineSeconds(zoom) / seconds;
}

void BM_PanFrameBaseline(benchmark::State& state) {
    Scene scene(double(state.range(0)));
    for (auto _ : state)
        scene.frameMoved();
}

BENCHMARK(BM_PanFrame)->Arg(1)->Arg(8)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanFrameBaseline)->Arg(1)->Arg(8)->Arg(64)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
