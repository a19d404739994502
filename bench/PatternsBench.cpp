// Speed of the pattern section of one computation: every pattern finder and the midpoint
// check, as the report runs them. Goal: under 0.2 ms for patterns and midpoints together.
#include <benchmark/benchmark.h>

#include "astro/Turn.h"
#include "bench/BenchSupport.h"
#include "engine/Compute.h"
#include "engine/Patterns.h"

namespace {

// Default orbs of set 0 in degrees, aspects 1..7, and the default midpoint orb 0° 30'.
constexpr double kOrbDegrees[ZDR::intAspectSlots] = {0, 10, 9, 6, 7, 5, 4, 5};
constexpr double kMidpointOrb = 0.5 / 360.0 * ZDR::dblTurn;

// Sets the names, and the orbs and the positions (degrees, bodies 1..10) of a chart.
void PrepareChart(const double (&degrees)[ZDR::intBodySlots], ZDR::ComputeResult& chart,
                  ZDR::ChartOptions& options) {
    PrepareCore();
    for (int k = 0; k < ZDR::intAspectSlots; ++k)
        options.dblOrb[k][0] = kOrbDegrees[k] / 360.0 * ZDR::dblTurn;
    options.dblMidpointOrb = kMidpointOrb;
    chart.intNumBodies = ZDR::intCatalogueBodies;
    for (int b = 1; b <= ZDR::intCatalogueBodies; ++b)
        chart.dblPos[b][0] = degrees[b] / 360.0 * ZDR::dblTurn;
}

void RunPatternSection(benchmark::State& state, const double (&degrees)[ZDR::intBodySlots]) {
    ZDR::ComputeResult chart;
    ZDR::ChartOptions options;
    PrepareChart(degrees, chart, options);
    for (auto _ : state)
        benchmark::DoNotOptimize(ZDR::PatternSection(chart, options, chart.intNumPatternsOfType));
}

// The sky of 1 January 2000 at noon UT: a few aspects, no large pattern.
constexpr double kJanuary2000[ZDR::intBodySlots] = {0,    280.4, 271.9, 241.6, 327.9, 25.3,
                                                    40.4, 314.8, 303.2, 251.5, 223.3};
// A crowded chart: a hexagram (grand sextile, grand trines, kites, rectangles, trapeziums)
// and a stellium of five around its first corner.
constexpr double kCrowded[ZDR::intBodySlots] = {0, 0, 60, 120, 180, 240, 300, 2, 4, 6, 3};

void PatternSectionOrdinaryDay(benchmark::State& state) {
    RunPatternSection(state, kJanuary2000);
}
void PatternSectionCrowdedChart(benchmark::State& state) {
    RunPatternSection(state, kCrowded);
}

}  // namespace

BENCHMARK(PatternSectionOrdinaryDay)->Unit(benchmark::kMicrosecond);
BENCHMARK(PatternSectionCrowdedChart)->Unit(benchmark::kMicrosecond);
