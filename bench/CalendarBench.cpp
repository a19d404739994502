// Speed of the transit calendar, each measured beside the bare ephemeris calls it makes
// (recorded from one run through a logging source and replayed in the same order).
// Goals: one year of personal transits (transiting Sun to Pluto against the ten natal
// places, seven aspects, default orbs, exact moments) under 100 ms of processor time and
// within 1.5 times its ephemeris calls; one year of World transits under 150 ms; ten years
// of personal transits under 1 s.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "astro/Positions.h"
#include "bench/BenchSupport.h"
#include "calendar/TransitCalendar.h"
#include "config/OptionsInForce.h"

namespace {

constexpr double kBirthJD = 2433283.0;  // 1 January 1950, 12:00 UT
constexpr double kFromJD = 2460676.5;   // 1 January 2025, 0h UT

struct Call {
    int16_t body;
    double jd;
    bool sidereal;
};
std::vector<Call>* gLog = nullptr;

double LoggingSource(int16_t body, double jd, bool sidereal) {
    gLog->push_back(Call{body, jd, sidereal});
    return ZDR::BodyLongitudeIn(body, jd, sidereal);
}

ZDR::CalendarRequest Request(bool personal, double years) {
    PrepareCore();
    return ZDR::CalendarRequestOf(personal, kBirthJD, kFromJD, kFromJD + 365.25 * years, 0, false,
                                  ZDR::OptionsInForce());
}

void Calendar(benchmark::State& state, bool personal, double years) {
    const ZDR::CalendarRequest request = Request(personal, years);
    std::size_t passages = 0;
    for (auto _ : state) {
        const std::vector<ZDR::Passage> list = ZDR::TransitCalendar(request);
        passages = list.size();
        benchmark::DoNotOptimize(list.data());
    }
    std::vector<Call> log;
    gLog = &log;
    ZDR::TransitCalendar(request, &LoggingSource);
    state.counters["calls"] = static_cast<double>(log.size());
    state.counters["passages"] = static_cast<double>(passages);
}

void BareEphemerisCalls(benchmark::State& state, bool personal, double years) {
    const ZDR::CalendarRequest request = Request(personal, years);
    std::vector<Call> log;
    gLog = &log;
    ZDR::TransitCalendar(request, &LoggingSource);
    for (auto _ : state) {
        for (const Call& c : log)
            benchmark::DoNotOptimize(ZDR::BodyLongitudeIn(c.body, c.jd, c.sidereal));
    }
    state.counters["calls"] = static_cast<double>(log.size());
}

// Each pair runs one after the other, so that both see the same load.
const bool blnRegistered = [] {
    struct Entry {
        const char* name;
        bool personal;
        double years;
    };
    const Entry kEntries[] = {{"PersonalOneYear", true, 1},
                              {"WorldOneYear", false, 1},
                              {"PersonalTenYears", true, 10}};
    for (const Entry& e : kEntries) {
        benchmark::RegisterBenchmark((std::string("Calendar/") + e.name).c_str(), Calendar,
                                     e.personal, e.years)
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime();
        benchmark::RegisterBenchmark((std::string("BareEphemerisCalls/") + e.name).c_str(),
                                     BareEphemerisCalls, e.personal, e.years)
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime();
    }
    return true;
}();

}  // namespace
