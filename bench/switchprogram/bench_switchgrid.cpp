// Repainting the week grid of a full program (800 switch times of every kind, a quarter of them
// selected) into an image of 1200 x 280 pixels, at the widest zoom (24 buckets of an hour) and the
// narrowest (30 buckets of a minute, scrolled to midday). BM_PaintWeek keeps the cells between
// paints as the grid does; BM_PaintWeekBaseline rebuilds them before every paint, as the grid did
// when its controller always asked for it.
#include "switchgrid.h"
#include "switchgridcontrollerproxy.h"
#include "switchtimelistmodel.h"
#include "switchtimesample.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace {

constexpr int Seed = 11;
constexpr int SwitchTimes = 800;
constexpr int Width = 1200;
constexpr int Height = 280;

// A controller that cannot tell whether anything changed and so asks for new cells every time.
class AlwaysRefreshing : public SwitchGridControllerProxy {
public:
    using SwitchGridControllerProxy::SwitchGridControllerProxy;
    bool needsRefresh() override { return true; }
};

template <typename Controller>
void paintWeek(benchmark::State& state) {
    SwitchTimeListModel model;
    model.setSwitches(sample::randomProgram(SwitchTimes, Seed));
    model.selectRange(0, SwitchTimes / 4 - 1);
    Controller controller(&model);
    SwitchGrid grid;
    grid.setSize(QSizeF(Width, Height));
    const int steps = static_cast<int>(state.range(0));
    grid.setSteps(steps);
    grid.setVisibleSteps(steps == 1 ? 30 : 24);
    grid.setOffset(grid.maxOffset() / 2);
    grid.setController(&controller);
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    // The first paint fills the cells; the item's white background comes first in every paint.
    grid.paint(&painter);
    for (auto _ : state) {
        painter.fillRect(image.rect(), Qt::white);
        grid.paint(&painter);
    }
    state.counters["buckets"] = grid.visibleSteps();
}

void BM_PaintWeek(benchmark::State& state) {
    paintWeek<SwitchGridControllerProxy>(state);
}

void BM_PaintWeekBaseline(benchmark::State& state) {
    paintWeek<AlwaysRefreshing>(state);
}

BENCHMARK(BM_PaintWeek)->Arg(60)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintWeekBaseline)->Arg(60)->Arg(1)->Unit(benchmark::kMillisecond);

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
