// zodarc-find-busy-durations [--from YEAR] [--to YEAR] [--step DAYS] [--top N]
//                            [--birth JD]
// Looks for the charts whose durations list costs the most: walks world dates at 12:00 UT
// from 1 January of the first year to 31 December of the last (default 1600 to 2099, every
// 5 days), computes World transits (or, with --birth, personal transits to a birth at that
// JD) in the tropical zodiac with the default options, builds the durations records and
// counts the positions their walks need. The N busiest dates (default 10) are then searched
// again day by day within a step around them, and the busiest days are printed with their
// count of positions and of timed aspects.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "astro/DatePr2.h"
#include "astro/Positions.h"
#include "cli/CliCommon.h"
#include "config/Options.h"
#include "config/OptionsInForce.h"
#include "engine/AspectTiming.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "engine/Durations.h"
#include "text/Language.h"

namespace {

// One world date and what its durations list needed.
struct Busy {
    int32_t lngJDN = 0;
    long lngCalls = 0;
    int intTimed = 0;
};

int Usage() {
    std::fprintf(stderr,
                 "Usage: zodarc-find-busy-durations [--from YEAR] [--to YEAR] [--step DAYS] "
                 "[--top N] [--birth JD]\n  YEAR 1600..2099, DAYS 1..3650, N 1..100\n");
    return cli::intExitUsage;
}

bool ReadNumber(const char* text, double lo, double hi, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0' && value >= lo && value <= hi;
}

// The JDN of 1 January (or 31 December) of a year.
int32_t FirstDay(double year) {
    return static_cast<int32_t>(
        DatePr2::DateSetToLocalDay(std::to_string(static_cast<int>(year)), 1, 1, 1));
}
int32_t LastDay(double year) {
    return static_cast<int32_t>(
        DatePr2::DateSetToLocalDay(std::to_string(static_cast<int>(year)), 12, 31, 1));
}

std::string DateText(int32_t jdn) {
    datekit::EuroDateRecord rec;
    rec.JDN = jdn;
    DatePr2::JDNToDate(rec);
    return DatePr2::DateToNumericText(rec);
}

// The durations list of the world date jdn at 12:00 UT: positions its walks computed and
// the number of timed aspects.
Busy Measure(int32_t jdn, double birthJD, const ZDR::ChartOptions& options) {
    const int16_t mode = birthJD > 0 ? ZDR::intModePersonal1 : ZDR::intModeWorldTransits;
    const double jd[3] = {static_cast<double>(jdn), birthJD, 0.0};
    ZDR::ComputeResult result;
    ZDR::ComputeAtJD(mode, jd, false, options, result);
    const ZDR::TimingContext context = ZDR::TimingContextOf(mode, jd, 0, options);
    ZDR::WalkPositions positions(jdn, 0, options);
    Busy busy;
    busy.lngJDN = jdn;
    for (const std::string& record :
         ZDR::GetDurations(result.udtTable, context, result.dblPos, positions)) {
        ZDR::AspectRecordFields f;
        if (ZDR::ParseAspectRecord(record, f) && f.intTiming == ZDR::RecordTiming::Days)
            ++busy.intTimed;
    }
    busy.lngCalls = positions.EphemerisCalls();
    return busy;
}

bool Busier(const Busy& a, const Busy& b) {
    return a.lngCalls > b.lngCalls || (a.lngCalls == b.lngCalls && a.lngJDN < b.lngJDN);
}

}  // namespace

int main(int argc, char* argv[]) {
    double from = 1600, to = 2099, step = 5, top = 10, birth = 0;
    for (int i = 1; i < argc; i += 2) {
        if (i + 1 >= argc)
            return Usage();
        const char* value = argv[i + 1];
        bool blnGood = false;
        if (std::strcmp(argv[i], "--from") == 0)
            blnGood = ReadNumber(value, 1600, 2099, from);
        else if (std::strcmp(argv[i], "--to") == 0)
            blnGood = ReadNumber(value, 1600, 2099, to);
        else if (std::strcmp(argv[i], "--step") == 0)
            blnGood = ReadNumber(value, 1, 3650, step);
        else if (std::strcmp(argv[i], "--top") == 0)
            blnGood = ReadNumber(value, 1, 100, top);
        else if (std::strcmp(argv[i], "--birth") == 0)
            blnGood = ReadNumber(value, 2305448, 2488069, birth);
        if (!blnGood)
            return Usage();
    }
    if (from > to)
        return Usage();

    if (!cli::StartCoreFromExecutable("zodarc-find-busy-durations: "))
        return cli::intExitFailed;
    ZDR::UseSettings(ZDR::DefaultOptions(Language::intEnglish, ZDR::ConfigOptions{}));
    const ZDR::ChartOptions& options = ZDR::ChartOptionsInForce();

    const int32_t first = FirstDay(from);
    const int32_t last = LastDay(to);
    const int32_t stride = static_cast<int32_t>(step);
    std::vector<Busy> coarse;
    for (int32_t jdn = first; jdn <= last; jdn += stride)
        coarse.push_back(Measure(jdn, birth, options));
    std::sort(coarse.begin(), coarse.end(), Busier);
    coarse.resize(std::min(coarse.size(), static_cast<std::size_t>(top)));

    // Every day around the busiest dates of the coarse pass.
    std::vector<Busy> fine;
    for (const Busy& b : coarse) {
        for (int32_t jdn = std::max(first, b.lngJDN - stride + 1);
             jdn <= std::min(last, b.lngJDN + stride - 1); ++jdn) {
            bool blnSeen = false;
            for (const Busy& f : fine)
                blnSeen = blnSeen || f.lngJDN == jdn;
            if (!blnSeen)
                fine.push_back(Measure(jdn, birth, options));
        }
    }
    std::sort(fine.begin(), fine.end(), Busier);
    fine.resize(std::min(fine.size(), static_cast<std::size_t>(top)));
    std::printf("%-10s  %-9s  %9s  %6s\n", "date", "JD", "positions", "timed");
    for (const Busy& b : fine) {
        std::printf("%s  %d.0  %9ld  %6d\n", DateText(b.lngJDN).c_str(), static_cast<int>(b.lngJDN),
                    b.lngCalls, b.intTimed);
    }
    return cli::intExitOk;
}
