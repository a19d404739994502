// Speed of searching for a pattern: one step of zodarc-cli search day by day (the step of
// the world date, its Julian Day, the ten positions, the pattern counts and the stop test)
// beside the ephemeris calls alone that such a step needs, over the same days.
// Goals: at least 5,000 steps a second, and a step no dearer than 1.5 times its ephemeris
// calls.
#include <benchmark/benchmark.h>

#include <string>

#include "astro/DateInput.h"
#include "astro/DatePr2.h"
#include "astro/Positions.h"
#include "bench/BenchSupport.h"
#include "config/Options.h"
#include "config/OptionsInForce.h"
#include "search/RunUntil.h"
#include "search/Stepping.h"
#include "text/Language.h"

namespace {

// The walk runs day by day through the twentieth century at 12:00 GMT and starts again.
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 1999;

DatePr2::DateSetInput FirstDay() {
    DatePr2::DateSetInput set;
    set.strYearText = std::to_string(kFirstYear);
    set.intMonthIndex = 1;
    set.intDayIndex = 1;
    set.intHourIndex = 25;
    return set;
}

double JDOf(const DatePr2::DateSetInput& set) {
    return DatePr2::DateSetToJD(set.strYearText, set.intMonthIndex, set.intDayIndex,
                                set.intHourIndex, 0);
}

// One step as the search makes it, looking for the grand sextile (present on few days, so
// that nearly every step goes on).
void SearchStepDayByDay(benchmark::State& state) {
    PrepareCore();
    const double dblMidpointOrb = ZDR::MidpointOrb(ZDR::OptionsInForce().intMidpointOrbIndex);
    ZDR::RunUntilSettings settings;
    settings.intAspectPatternToFind = 12;
    DatePr2::DateSetInput set = FirstDay();
    int16_t counts[14];
    int16_t found = 0;
    for (auto _ : state) {
        ZDR::StepWorldDate(set, ZDR::intStepDay, false);
        if (set.strYearText == std::to_string(kLastYear + 1))
            set = FirstDay();
        ZDR::PatternCountsAt(JDOf(set), dblMidpointOrb, counts);
        benchmark::DoNotOptimize(ZDR::PatternFound(settings, counts, found));
    }
    state.SetItemsProcessed(state.iterations());
}

// The ephemeris calls of one step: the ten longitudes at the same days.
void EphemerisCallsOfAStep(benchmark::State& state) {
    PrepareCore();
    const double first = JDOf(FirstDay());
    const double end = JDOf(DatePr2::DateSetInput{std::to_string(kLastYear + 1), 1, 1, 25, 0});
    double jd = first;
    for (auto _ : state) {
        jd = jd + 1 < end ? jd + 1 : first;
        for (int16_t b = 1; b <= 10; ++b)
            benchmark::DoNotOptimize(ZDR::BodyLongitude(b, jd));
    }
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(SearchStepDayByDay)->Unit(benchmark::kMicrosecond);
BENCHMARK(EphemerisCallsOfAStep)->Unit(benchmark::kMicrosecond);
