#include <countries/timezonedatabase.h>
#include <countries/zonedetect.h>

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

struct Point {
    float lat;
    float lon;
};

// Random points that the shipped database places in a zone (land and coastal waters).
std::vector<Point> landPoints(const countries::TimeZoneDatabase& db, size_t count) {
    std::mt19937 random(42);
    std::uniform_real_distribution<float> lat(-60.0f, 75.0f);
    std::uniform_real_distribution<float> lon(-180.0f, 180.0f);
    std::vector<Point> points;
    while (points.size() < count) {
        const Point p{lat(random), lon(random)};
        if (!db.zoneIdAt(p.lat, p.lon).isEmpty())
            points.push_back(p);
    }
    return points;
}

void BM_ShippedLookupLand(benchmark::State& state) {
    const auto db = countries::TimeZoneDatabase::openShipped();
    const std::vector<Point> points = landPoints(db, 1000);
    size_t i = 0;
    for (auto _ : state) {
        const Point& p = points[i++ % points.size()];
        char* name = ZDHelperSimpleLookupString(db.handle(), p.lat, p.lon);
        benchmark::DoNotOptimize(name);
        ZDHelperSimpleLookupStringFree(name);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_ShippedLookupLand);

// Random points of the whole globe, land and sea alike.
std::vector<Point> globePoints(size_t count) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> lat(-90.0f, 90.0f);
    std::uniform_real_distribution<float> lon(-180.0f, 180.0f);
    std::vector<Point> points(count);
    for (Point& p : points)
        p = {lat(random), lon(random)};
    return points;
}

template <ZDResult* (*Lookup)(const ZDDatabase*, float, float, float*)>
void lookUpGlobePoints(benchmark::State& state) {
    const auto db = countries::TimeZoneDatabase::openShipped();
    const std::vector<Point> points = globePoints(4096);
    size_t i = 0;
    for (auto _ : state) {
        const Point& p = points[i++ % points.size()];
        ZDResult* results = Lookup(db.handle(), p.lat, p.lon, nullptr);
        benchmark::DoNotOptimize(results);
        ZDFreeResults(results);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

// Through the index of the bounding boxes.
void BM_TimezoneLookup(benchmark::State& state) {
    lookUpGlobePoints<ZDLookup>(state);
}
BENCHMARK(BM_TimezoneLookup);

// The walk over every bounding box.
void BM_TimezoneLookupBaseline(benchmark::State& state) {
    lookUpGlobePoints<ZDLookupLinear>(state);
}
BENCHMARK(BM_TimezoneLookupBaseline);

void BM_OpenShipped(benchmark::State& state) {
    for (auto _ : state) {
        auto db = countries::TimeZoneDatabase::openShipped();
        benchmark::DoNotOptimize(db.handle());
    }
}
BENCHMARK(BM_OpenShipped);

// What a coordinate field paid for every keystroke while it opened the database afresh: the
// opening and the first look-up, which builds the index.
void BM_ZoneAtCold(benchmark::State& state) {
    const std::vector<Point> points = globePoints(64);
    size_t i = 0;
    for (auto _ : state) {
        const Point& p = points[i++ % points.size()];
        const auto db = countries::TimeZoneDatabase::openShipped();
        benchmark::DoNotOptimize(db.zoneIdAt(p.lat, p.lon));
    }
}
BENCHMARK(BM_ZoneAtCold)->Unit(benchmark::kMillisecond);

// What it pays now: a look-up in the database the process keeps open.
void BM_ZoneAtWarm(benchmark::State& state) {
    const countries::TimeZoneDatabase& db = countries::TimeZoneDatabase::shipped();
    const std::vector<Point> points = globePoints(4096);
    benchmark::DoNotOptimize(db.zoneIdAt(0, 0)); // the first look-up builds the index
    size_t i = 0;
    for (auto _ : state) {
        const Point& p = points[i++ % points.size()];
        benchmark::DoNotOptimize(db.zoneIdAt(p.lat, p.lon));
    }
}
BENCHMARK(BM_ZoneAtWarm)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
