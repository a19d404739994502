// Speed of houses and angles: one chart's cusps, Ascendant and Midheaven with the house of
// each of the ten bodies, for each system. Goal: under 10 microseconds a computation.
#include <benchmark/benchmark.h>

#include "bench/BenchSupport.h"
#include "places/Houses.h"

namespace {

void ComputeHouses(benchmark::State& state) {
    PrepareCore();
    const auto system = static_cast<int16_t>(state.range(0));
    long k = 0;
    for (auto _ : state) {
        k = (k + 1) % 36500;
        const double jd = 2433282.5 + k + k * 0.0137;
        const Places::Houses h = Places::ComputeHouses(jd, 48.4, 10.0, system, false);
        int sum = 0;
        for (int b = 1; b <= 10; ++b)
            sum += Places::HouseOf(h, b * 0.6);
        benchmark::DoNotOptimize(sum);
    }
    state.SetLabel(Places::strHouseSystemName[system]);
}
BENCHMARK(ComputeHouses)->DenseRange(0, Places::intNumHouseSystems - 1);

}  // namespace
