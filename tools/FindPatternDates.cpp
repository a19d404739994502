// zodarc-find-patterns [--from YEAR] [--to YEAR] [--step DAYS] [--kind P]...
// Walks world dates at 12:00 UT from 1 January of the first year to 31 December of the last
// (default 1600 to 2099, every 10 days), computes World transits in the tropical zodiac with
// the default options, and prints every date whose report lists aspect patterns, with the
// pattern lines of the report. Dates that show midpoints only are left out; with --kind
// (pattern index 0..12, repeatable) only dates showing one of those kinds are printed. A
// summary per pattern kind closes the output.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "astro/DateKit.h"
#include "astro/Positions.h"
#include "cli/CliCommon.h"
#include "config/Options.h"
#include "config/OptionsInForce.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "engine/Patterns.h"
#include "text/Language.h"

namespace {

constexpr int kNumPatterns = 14;
constexpr int kMidpoint = 13;

// How often a pattern kind was shown and on which dates first and last.
struct KindSummary {
    int intDates = 0;
    std::string strFirst;
    std::string strLast;
};

int Usage() {
    std::fprintf(stderr,
                 "Usage: zodarc-find-patterns [--from YEAR] [--to YEAR] [--step DAYS] "
                 "[--kind P]...\n  YEAR 1600..2099, DAYS 1..3650, P a pattern index 0..12\n");
    return cli::intExitUsage;
}

// Reads the whole number of text into value when it lies in lo..hi.
bool ReadNumber(const char* text, long lo, long hi, long& value) {
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && value >= lo && value <= hi;
}

int32_t JDNOf(int32_t year, int32_t month, int32_t day) {
    datekit::EuroDateRecord rec;
    rec.Year = year;
    rec.Month = month;
    rec.Day = day;
    return datekit::euro_date_to_jdn(&rec);
}

std::string DateText(int32_t jdn) {
    datekit::EuroDateRecord rec;
    rec.JDN = jdn;
    datekit::jdn_to_euro_date(&rec);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(rec.Year),
                  static_cast<int>(rec.Month), static_cast<int>(rec.Day));
    return text;
}

// Prints the non-empty lines of a report text, indented, with plain line ends.
void PrintLines(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        if (end > start)
            std::printf("  %s\n", text.substr(start, end - start).c_str());
        start = end + 2;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    long from = 1600, to = 2099, step = 10;
    bool blnWanted[kNumPatterns] = {};
    bool blnAnyKindChosen = false;
    for (int i = 1; i < argc; ++i) {
        long value = 0;
        const bool blnHasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--from") == 0 && blnHasValue &&
            ReadNumber(argv[i + 1], 1600, 2099, value)) {
            from = value;
        } else if (std::strcmp(argv[i], "--to") == 0 && blnHasValue &&
                   ReadNumber(argv[i + 1], 1600, 2099, value)) {
            to = value;
        } else if (std::strcmp(argv[i], "--step") == 0 && blnHasValue &&
                   ReadNumber(argv[i + 1], 1, 3650, value)) {
            step = value;
        } else if (std::strcmp(argv[i], "--kind") == 0 && blnHasValue &&
                   ReadNumber(argv[i + 1], 0, kMidpoint - 1, value)) {
            blnWanted[value] = true;
            blnAnyKindChosen = true;
        } else {
            return Usage();
        }
        ++i;
    }
    if (from > to)
        return Usage();

    Language::intLanguage = Language::intEnglish;
    if (!cli::StartCoreFromExecutable("zodarc-find-patterns: "))
        return cli::intExitFailed;
    ZDR::UseSettings(ZDR::DefaultOptions(Language::intEnglish, ZDR::ConfigOptions{}));
    const ZDR::ChartOptions& options = ZDR::ChartOptionsInForce();

    KindSummary summary[kNumPatterns];
    ZDR::ComputeResult result;
    const int32_t lngLast = JDNOf(static_cast<int32_t>(to), 12, 31);
    for (int32_t jdn = JDNOf(static_cast<int32_t>(from), 1, 1); jdn <= lngLast;
         jdn += static_cast<int32_t>(step)) {
        // A Julian Day is whole at noon UT.
        const double dblJD[3] = {static_cast<double>(jdn), 0.0, 0.0};
        ZDR::ComputeAtJD(ZDR::intModeWorldTransits, dblJD, false, options, result);
        for (int16_t& count : result.intNumPatternsOfType)
            count = 0;
        const std::string section = ZDR::PatternSection(result, options, result.intNumPatternsOfType);

        bool blnShown = false;
        std::string kinds;
        const std::string date = DateText(jdn);
        for (int p = 0; p < kNumPatterns; ++p) {
            if (result.intNumPatternsOfType[p] <= 0)
                continue;
            KindSummary& s = summary[p];
            if (s.intDates++ == 0)
                s.strFirst = date;
            s.strLast = date;
            blnShown = blnShown || (blnAnyKindChosen ? blnWanted[p] : p != kMidpoint);
            kinds += (kinds.empty() ? "" : ", ") + ZDR::strPatternName[p];
        }
        if (!blnShown)
            continue;
        std::printf("%s  JD %d  %s\n", date.c_str(), static_cast<int>(jdn), kinds.c_str());
        PrintLines(section);
    }

    std::printf("\nDates showing each pattern kind:\n");
    for (int p = 0; p < kNumPatterns; ++p) {
        const KindSummary& s = summary[p];
        std::printf("  %-14s %6d", ZDR::strPatternName[p].c_str(), s.intDates);
        if (s.intDates > 0)
            std::printf("  first %s  last %s", s.strFirst.c_str(), s.strLast.c_str());
        std::printf("\n");
    }
    return cli::intExitOk;
}
