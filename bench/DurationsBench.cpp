// Speed of the durations list and of the double-click explanation.
// Goals: GetDurations for the busiest World-transits chart of 1600-2099 under 100 ms and
// within 1.2 times the bare ephemeris calls its walks need, measured side by side in one
// run (the calls are recorded from a first run and replayed in the same order); the
// explanation of one double-clicked aspect under 16 ms.
//
// The busiest chart was found with zodarc-find-busy-durations (every 5 days from 1600 to
// 2099, then day by day around the busiest): the world date with the most positions
// needed by its walks.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "astro/Positions.h"
#include "bench/BenchSupport.h"
#include "config/Options.h"
#include "config/OptionsInForce.h"
#include "engine/AspectTiming.h"
#include "engine/CellExplanation.h"
#include "engine/Compute.h"
#include "engine/Durations.h"
#include "text/Language.h"

namespace {

// The busiest World-transits chart: 29 August 1713 at 12:00 UT (9028 positions, 24 timed
// aspects). A busy personal-transits chart: a birth on 1 January 1950 at 12:00 UT under
// the transits of its busiest date of 1950-2049, 22 May 2033 at 12:00 UT (2022 positions,
// 22 timed aspects).
constexpr double kBusiestWorldJD = 2346961.0;
constexpr double kBirthJD = 2433283.0;
constexpr double kBusyPersonalJD = 2463740.0;

// One chart computed at 12:00 UT of its world date, ready for its durations list.
struct Chart {
    ZDR::ComputeResult udtResult;
    ZDR::TimingContext udtContext;
    std::vector<ZDR::WalkCall> udtCalls;  // the positions its walks need, in order
    long lngUncachedCalls = 0;            // positions when every walk computes its own
};

Chart MakeChart(int16_t mode, double worldJD, double birthJD) {
    PrepareCore();
    Chart chart;
    const double jd[3] = {worldJD, birthJD, 0.0};
    ZDR::ComputeAtJD(mode, jd, false, ZDR::ChartOptionsInForce(), chart.udtResult);
    chart.udtContext = ZDR::TimingContextOf(mode, jd, 0, ZDR::ChartOptionsInForce());
    ZDR::WalkPositions positions(chart.udtContext.lngWorldDay, 0, ZDR::ChartOptionsInForce());
    positions.pudtCallLog = &chart.udtCalls;
    for (const std::string& record : ZDR::GetDurations(chart.udtResult.udtTable, chart.udtContext,
                                                       chart.udtResult.dblPos, positions)) {
        ZDR::AspectRecordFields f;
        if (!ZDR::ParseAspectRecord(record, f) || f.intTiming != ZDR::RecordTiming::Days)
            continue;
        ZDR::WalkPositions own(chart.udtContext.lngWorldDay, 0, ZDR::ChartOptionsInForce());
        const ZDR::AspectWalk walk =
            ZDR::WalkOfAspect(chart.udtContext, f.intFirst, f.intSecond, f.intAspect);
        ZDR::BeginningOfAspect(walk, own);
        ZDR::EndOfAspect(walk, own);
        chart.lngUncachedCalls += own.EphemerisCalls();
    }
    return chart;
}

const Chart& BusiestWorld() {
    static const Chart chart = MakeChart(ZDR::intModeWorldTransits, kBusiestWorldJD, 0.0);
    return chart;
}

const Chart& BusyPersonal() {
    static const Chart chart = MakeChart(ZDR::intModePersonal1, kBusyPersonalJD, kBirthJD);
    return chart;
}

void SetCounters(benchmark::State& state, const Chart& chart) {
    state.counters["calls"] = static_cast<double>(chart.udtCalls.size());
    state.counters["uncached_calls"] = static_cast<double>(chart.lngUncachedCalls);
}

void GetDurations(benchmark::State& state, const Chart& (*which)()) {
    const Chart& chart = which();
    for (auto _ : state) {
        ZDR::WalkPositions positions(chart.udtContext.lngWorldDay, 0, ZDR::ChartOptionsInForce());
        benchmark::DoNotOptimize(ZDR::GetDurations(chart.udtResult.udtTable, chart.udtContext,
                                                   chart.udtResult.dblPos, positions));
    }
    SetCounters(state, chart);
}

// The same positions, one call after the other, without the walks around them.
void BareEphemerisCalls(benchmark::State& state, const Chart& (*which)()) {
    const Chart& chart = which();
    for (auto _ : state) {
        for (const ZDR::WalkCall& call : chart.udtCalls)
            benchmark::DoNotOptimize(ZDR::BodyLongitude(call.intBody, call.dblJD));
    }
    SetCounters(state, chart);
}

// The explanation of the aspect whose walks are the longest in the busiest chart.
void DoubleClickExplanation(benchmark::State& state) {
    const Chart& chart = BusiestWorld();
    int16_t worst = 0;
    long most = -1;
    for (int16_t i = 0; i < chart.udtResult.udtTable.intNumCells; ++i) {
        int16_t first, second;
        const int16_t k = ZDR::CellAspect(chart.udtResult.udtTable.udtCell[i].strText);
        if (k == 0 || !ZDR::CellBodies(chart.udtContext.intModeCode, 10, i, first, second) ||
            second == 10)
            continue;
        ZDR::WalkPositions own(chart.udtContext.lngWorldDay, 0, ZDR::ChartOptionsInForce());
        const ZDR::AspectWalk walk = ZDR::WalkOfAspect(chart.udtContext, first, second, k);
        ZDR::BeginningOfAspect(walk, own);
        ZDR::EndOfAspect(walk, own);
        if (own.EphemerisCalls() > most) {
            most = own.EphemerisCalls();
            worst = i;
        }
    }
    // With the waxing/waning word, the most the explanation does.
    ZDR::ConfigOptions options = ZDR::OptionsInForce();
    options.blnWaxingWaningAspects = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ZDR::ExplainCell(chart.udtResult.udtTable, worst, chart.udtContext, options));
    state.counters["calls"] = static_cast<double>(most);
}

// Each pair runs one after the other, so that both see the same load.
const bool blnRegistered = [] {
    benchmark::RegisterBenchmark("GetDurations/BusiestWorld", GetDurations, BusiestWorld)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BareEphemerisCalls/BusiestWorld", BareEphemerisCalls,
                                 BusiestWorld)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("GetDurations/BusyPersonal", GetDurations, BusyPersonal)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BareEphemerisCalls/BusyPersonal", BareEphemerisCalls,
                                 BusyPersonal)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DoubleClickExplanation/LongestWalk", DoubleClickExplanation)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
