// Speed of the positions: BodyLongitude per body beside the bare ephemeris call it makes,
// a day-by-day walk of all ten bodies over a century, and reading the Pluto table.
// Goals: BodyLongitude within 1.2 times the bare call; ReadPlutoData under 30 ms.
#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <string>

#include "astro/Positions.h"
#include "bench/BenchSupport.h"

namespace {

// Ephemeris planet behind catalogue body 1..10.
constexpr int32_t kSwePlanet[11] = {-1,        SE_SUN,    SE_MERCURY, SE_VENUS, SE_MARS, SE_JUPITER,
                                    SE_SATURN, SE_URANUS, SE_NEPTUNE, SE_PLUTO, SE_MOON};

// Successive moments of a benchmark: a new one each call, so that no cache of the
// ephemeris answers, running through 1950 to 2050.
double NextJD(long& k) {
    k = (k + 1) % 36500;
    return 2433282.5 + k + k * 0.0137;
}

void BodyLongitude(benchmark::State& state, int16_t body) {
    PrepareCore();
    long k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(ZDR::BodyLongitude(body, NextJD(k)));
}

void BareSweCalc(benchmark::State& state, int16_t body) {
    PrepareCore();
    const int32_t planet = kSwePlanet[body];
    long k = 0;
    double xx[6];
    char serr[AS_MAXCH];
    for (auto _ : state) {
        benchmark::DoNotOptimize(swe_calc_ut(NextJD(k), planet, SEFLG_SWIEPH, xx, serr));
        benchmark::DoNotOptimize(xx[0]);
    }
}

// Each body's two benchmarks run one after the other, so that both see the same load.
const bool blnRegistered = [] {
    for (int16_t body = 1; body <= 10; ++body) {
        const std::string suffix = "/" + std::to_string(body);
        benchmark::RegisterBenchmark(("BodyLongitude" + suffix).c_str(), BodyLongitude, body);
        benchmark::RegisterBenchmark(("BareSweCalc" + suffix).c_str(), BareSweCalc, body);
    }
    return true;
}();

void CenturyWalkAllBodies(benchmark::State& state) {
    PrepareCore();
    for (auto _ : state) {
        for (double jd = 2415020.5; jd < 2415020.5 + 36525; jd += 1) {
            for (int16_t body = 1; body <= 10; ++body) {
                benchmark::DoNotOptimize(ZDR::BodyLongitude(body, jd));
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * 36525 * 10);
}
BENCHMARK(CenturyWalkAllBodies)->Unit(benchmark::kMillisecond);

void ReadPlutoData(benchmark::State& state) {
    PrepareCore();
    std::string error;
    for (auto _ : state) {
        if (!ZDR::ReadPlutoData("pluto.slx", error))
            state.SkipWithError(error.c_str());
    }
}
BENCHMARK(ReadPlutoData)->Unit(benchmark::kMillisecond);

}  // namespace
