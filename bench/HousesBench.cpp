// Speed of houses and angles: one chart's cusps, Ascendant and Midheaven with the house of
// each of the ten bodies, for each system. Goal: under 10 microseconds a computation. And a
// natal computation without and with its angles in the aspects, side by side.
#include <benchmark/benchmark.h>

#include "bench/BenchSupport.h"
#include "config/Options.h"
#include "engine/Compute.h"
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

// A natal chart (the 1st birthdate at a place): range 0 without the angles, 1 with the
// Placidus angles computed and taking part.
void NatalChartWithAngles(benchmark::State& state) {
    PrepareCore();
    ZDR::ConfigOptions config = ZDR::DefaultOptions(0, ZDR::ConfigOptions{});
    config.blnAnglesInAspects = state.range(0) == 1;
    const ZDR::ChartOptions options = ZDR::MakeChartOptions(config);
    ZDR::ComputeResult result;
    long k = 0;
    for (auto _ : state) {
        k = (k + 1) % 36500;
        const double jd[3] = {0, 2433282.5 + k + k * 0.0137, 0};
        ZDR::SetAngles angles;
        if (config.blnAnglesInAspects) {
            const Places::Houses h = Places::ComputeHouses(jd[1], 48.4, 10.0, 0, false);
            angles.dblAngle[1][0] = h.dblAscendant;
            angles.dblAngle[1][1] = h.dblMidheaven;
        }
        ZDR::ComputeAtJD(ZDR::intModeNatal1, jd, false, options, result, angles);
        benchmark::DoNotOptimize(result.intNumAspectsOfType[1]);
    }
    state.SetLabel(state.range(0) == 1 ? "with angles" : "without angles");
}
BENCHMARK(NatalChartWithAngles)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

}  // namespace
