// Switching errors after an edit and grid filling, for programs of up to 800 switch times (the most
// a device holds), half of them impulses.
#include "pairwiseswitcherrors.h"
#include "switchcellstore.h"
#include "switchtimelistmodel.h"
#include "switchtimesample.h"

#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QJsonObject>

#include <algorithm>

namespace {

constexpr int Seed = 11;

QDateTime todayAt(int seconds) {
    return QDateTime(QDate::currentDate(), QTime(0, 0).addSecs(seconds));
}

// One edit of a start time, then every row's error role and the error count, as the views read them.
void BM_ErrorsAfterEdit(benchmark::State& state) {
    SwitchTimeListModel model;
    model.setSwitches(sample::program(static_cast<int>(state.range(0)), Seed));
    int flip = 0;
    for (auto _ : state) {
        flip = 1 - flip;
        model.setData(model.index(0), todayAt(3600 + flip), SwitchTimeListModel::StartTimeRole);
        int sum = 0;
        for (int row = 0; row < model.rowCount(); ++row)
            sum += model.data(model.index(row), SwitchTimeListModel::ErrorRole).toInt();
        benchmark::DoNotOptimize(sum + model.errorCount());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ErrorsAfterEdit)
    ->Arg(100)
    ->Arg(200)
    ->Arg(400)
    ->Arg(800)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// The same reads when each read checks its row on its own against every other, pulse by pulse:
// once per row for the error role and once more per row for the count.
void BM_ErrorsAfterEditPairwise(benchmark::State& state) {
    const QList<storage::SwitchTime> list = sample::program(static_cast<int>(state.range(0)), Seed);
    int flip = 0;
    for (auto _ : state) {
        flip = 1 - flip;
        storage::SwitchTime(list.at(0)).setStartTime(3600 + flip);
        int sum = 0;
        int count = 0;
        for (int row = 0; row < list.size(); ++row)
            sum += pairwise::error(list, row);
        for (int row = 0; row < list.size(); ++row)
            count += pairwise::error(list, row) != 0;
        benchmark::DoNotOptimize(sum + count);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ErrorsAfterEditPairwise)
    ->Arg(100)
    ->Arg(200)
    ->Arg(400)
    ->Arg(800)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// A paste of a whole program onto one as large: each switch time is tested against the list.
void BM_PasteDuplicateCheck(benchmark::State& state) {
    const QList<storage::SwitchTime> pasted = sample::program(static_cast<int>(state.range(0)), Seed);
    SwitchTimeListModel model;
    model.setSwitches(pasted);
    for (auto _ : state) {
        for (const storage::SwitchTime& s : pasted)
            benchmark::DoNotOptimize(model.containsEqual(s));
    }
}
BENCHMARK(BM_PasteDuplicateCheck)->Arg(800)->Unit(benchmark::kMillisecond);

// The same tests made by comparing the clipboard forms of both switch times.
void BM_PasteDuplicateCheckJson(benchmark::State& state) {
    const QList<storage::SwitchTime> pasted = sample::program(static_cast<int>(state.range(0)), Seed);
    for (auto _ : state) {
        for (const storage::SwitchTime& s : pasted) {
            const QJsonObject form = s.toJsonObject(storage::SwitchTime::AllDays);
            benchmark::DoNotOptimize(std::any_of(pasted.cbegin(), pasted.cend(), [&form](const storage::SwitchTime& other) {
                return other.toJsonObject(storage::SwitchTime::AllDays) == form;
            }));
        }
    }
}
BENCHMARK(BM_PasteDuplicateCheckJson)->Arg(800)->Unit(benchmark::kMillisecond);

// Every kind of switch time placed into the week grid's cells.
void BM_FillGrid(benchmark::State& state) {
    SwitchTimeListModel model;
    model.setSwitches(sample::randomProgram(static_cast<int>(state.range(0)), Seed));
    model.selectRange(0, model.rowCount() / 2);
    SwitchCellStore store;
    for (auto _ : state) {
        store.clear();
        model.fillGrid(store);
        benchmark::DoNotOptimize(store.followIndex());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FillGrid)->Arg(100)->Arg(200)->Arg(400)->Arg(800)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace

BENCHMARK_MAIN();
