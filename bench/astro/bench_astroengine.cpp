#include <astroengine.h>

#include <QLoggingCategory>

#include <benchmark/benchmark.h>

namespace {

SoWiRuleRecord europeRule()
{
    SoWiRuleRecord rule;
    rule.ruleType = SoWiRules::EUROPE;
    rule.wiSo = {0, 0, 3, 5, 0, 0, 2, 0, 6};
    rule.soWi = {0, 0, 10, 5, 0, 0, 3, 0, 6};
    return rule;
}

OwnAstroDayTable ownTable()
{
    OwnAstroDayTable table;
    for (int i = 1; i < OwnAstroDayTable::DayCount; ++i)
        table.days[i] = {6, i % 60, 0, 18, i % 60, 0};
    return table;
}

// One year for 48 N 16 E in UTC+1 with European summer time; the state is set up once,
// as the program does before each computation.
void computeYear(benchmark::State& state, int latitude, int astroTime, bool useOwnTable)
{
    QLoggingCategory::setFilterRules(QStringLiteral("tarvino.astro.debug=false"));
    AstroEngine::setParameters(latitude, 16, 13, europeRule(), useOwnTable, ownTable());
    int year = 2024;
    for (auto _ : state) {
        TJAstro record = AstroEngine::computeYear(year, 10, -10, astroTime);
        benchmark::DoNotOptimize(record);
        year = year == 2030 ? 2024 : year + 1;
    }
}

} // namespace

BENCHMARK_CAPTURE(computeYear, tables_48N, 48, AstroEngine::BuiltInTables, false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(computeYear, tables_polar_80N, 80, AstroEngine::BuiltInTables, false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(computeYear, civil_48N, 48, AstroEngine::CivilTwilight, false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(computeYear, nautical_48N, 48, AstroEngine::NauticalTwilight, false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(computeYear, standard_48N, 48, AstroEngine::StandardAltitude, false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(computeYear, standard_polar_80N, 80, AstroEngine::StandardAltitude, false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(computeYear, own_table, 48, AstroEngine::BuiltInTables, true)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
