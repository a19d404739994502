// Speed of one computation in the mode World transits with the default options: ten
// positions and their retrograde tests, the 45 pairs, the movement marks and the cells.
// Goal: under 0.5 ms a computation.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/BenchSupport.h"
#include "config/OptionsInForce.h"
#include "engine/Compute.h"

namespace {

// A new world date each computation (a day and 7 hours on), so that no cache of the
// ephemeris answers, running through 1950 to 2049.
void WorldTransits(benchmark::State& state) {
    PrepareCore();
    ZDR::ComputeInput input;
    input.intModeCode = ZDR::intModeWorldTransits;
    input.udtOptions = ZDR::ChartOptionsInForce();
    ZDR::ComputeResult result;
    long k = 0;
    for (auto _ : state) {
        DatePr2::DateSetInput& world = input.udtDateSet[0];
        world.strYearText = std::to_string(1950 + (k / 336) % 100);
        world.intMonthIndex = static_cast<int16_t>(1 + (k / 28) % 12);
        world.intDayIndex = static_cast<int16_t>(1 + k % 28);
        world.intHourIndex = static_cast<int16_t>(1 + (k * 14) % 48);
        world.intTimezoneIndex = 24;
        ++k;
        int16_t failed = 0;
        benchmark::DoNotOptimize(ZDR::Compute(input, result, failed));
    }
}
BENCHMARK(WorldTransits)->Unit(benchmark::kMicrosecond);

}  // namespace
