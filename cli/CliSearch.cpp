#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "astro/DateInput.h"
#include "astro/DatePr2.h"
#include "astro/FileProc.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "config/Options.h"
#include "config/OptionsInForce.h"
#include "engine/Catalogue.h"
#include "search/RunUntil.h"
#include "search/Stepping.h"
#include "text/EphemerisText.h"
#include "text/Language.h"
#include "text/StrProc.h"

namespace cli {
namespace {

const CommandHelp kHelp = {
    "Usage: zodarc-cli search --date YYYY-MM-DD [--time HH:MM] [--zone ZONE]\n"
    "                         --pattern NAME [--at-least N] [--step SIZE] [--back]\n"
    "                         [--until YYYY-MM-DD] [--all] [--quiet] [--sidereal]\n"
    "                         [--language en|de] [--json]\n"
    "Steps the world date as the main window's run does, from the date given (which is\n"
    "not tested itself) by one step at a time, and tests the aspect patterns of World\n"
    "transits at every step, with the default orbs, until the pattern is present.\n"
    "  --pattern NAME        the pattern: grand trine, kite, rectangle, T-square, grand\n"
    "                        cross, yod, yod-kite, trapezium, 6-stellium .. 3-stellium,\n"
    "                        grand sextile, midpoint; in English or German, in any case,\n"
    "                        blanks or hyphens alike (grand-trine), or its index 0..13\n"
    "  --at-least N          stop only when at least N of them are present, 1..99\n"
    "                        (default 1)\n"
    "  --step SIZE           half-hour, day, week, month or year (default day)\n"
    "  --back                step backwards in time\n"
    "  --until YYYY-MM-DD    the last day to test (default the end of the supported range,\n"
    "                        31 December 2799, or 1 January 1 with --back)\n"
    "  --all                 list every step up to --until at which the pattern is\n"
    "                        present, instead of stopping at the first; needs --until\n"
    "  --quiet               no progress line on a terminal and no note on a long span\n",
    "  --json                one JSON object: {\"found\", \"date\", \"time\", \"count\",\n"
    "                        \"message\"} (not found: the last date tested, its count and\n"
    "                        an empty message); with --all a list of the finds\n",
    "The text output is one line a find: date, time and the message the main window shows\n"
    "(\"2031-05-12 12:00  Grand trine found.\"), or a line saying that the span holds no\n"
    "find. The patterns of a step are exactly those of the report at that date.\n"
    "On a terminal, standard error shows the date reached twice a second. A span that\n"
    "would take more than three minutes at the pace measured in the first second is\n"
    "noted there, with the time it would take.\n",
    "Exit codes: 0 found, 1 not found up to the end of the span, 2 usage error or invalid\n"
    "date, 3 unreadable data files or a step whose positions a damaged ephemeris file\n"
    "withholds.\n"};

constexpr int intExitNotFound = 1;
constexpr int intExitCannotRun = 3;
constexpr int intMaxAtLeast = 99;

const char* const kStepName[ZDR::intNumStepSizes] = {"half-hour", "day", "week", "month", "year"};

// What the search's own options give.
struct SearchOptions {
    int16_t intStep = ZDR::intStepDay;
    bool blnBack = false;
    std::string strPattern;
    int intAtLeast = 1;
    bool blnAll = false;
    bool blnQuiet = false;
    bool blnUntil = false;  // --until was given, as strUntil
    std::string strUntil;
};

// A pattern name made comparable: ASCII in lower case, hyphens and underscores as blanks.
std::string Comparable(const std::string& name) {
    std::string text = StrProc::LowerCase(name);
    for (char& c : text) {
        if (c == '-' || c == '_')
            c = ' ';
    }
    return text;
}

// The pattern index of a name in English or German, or of an index 0..13; -1 for none.
int16_t PatternIndex(const std::string& name) {
    if (!name.empty() && name.size() <= 2 &&
        name.find_first_not_of("0123456789") == std::string::npos) {
        const int p = std::stoi(name);
        return static_cast<int16_t>(p < ZDR::intNumPatternKinds ? p : -1);
    }
    const int16_t language = Language::intLanguage;
    int16_t found = -1;
    for (const int16_t l : {Language::intEnglish, Language::intGerman}) {
        Language::intLanguage = l;
        ZDR::BuildCatalogueNames();
        for (int16_t p = 0; p < ZDR::intNumPatternKinds && found < 0; ++p) {
            if (Comparable(ZDR::strPatternName[p]) == Comparable(name))
                found = p;
        }
    }
    Language::intLanguage = language;
    ZDR::BuildCatalogueNames();
    return found;
}

// Takes the value of option name at args[i] ("--name VALUE" or "--name=VALUE"). Returns 1
// with the value, 0 when args[i] is another option, -1 when the value is missing.
int TakeValue(const char* name, const std::vector<char*>& args, std::size_t& i,
              std::string& value) {
    const std::size_t n = std::strlen(name);
    if (std::strcmp(args[i], name) == 0) {
        if (i + 1 >= args.size())
            return -1;
        value = args[++i];
        return 1;
    }
    if (std::strncmp(args[i], name, n) == 0 && args[i][n] == '=') {
        value = args[i] + n + 1;
        return 1;
    }
    return 0;
}

// Takes the search's own options out of argv into search; the others stay in rest for
// the parser every command shares. Returns false with the reason in error.
bool TakeSearchOptions(int argc, char* argv[], SearchOptions& search, std::vector<char*>& rest,
                       std::string& error) {
    const std::vector<char*> args(argv, argv + argc);
    rest.assign(1, argv[0]);
    bool blnHasPattern = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        std::string value;
        int taken = 0;
        if (std::strcmp(args[i], "--back") == 0) {
            search.blnBack = true;
        } else if (std::strcmp(args[i], "--all") == 0) {
            search.blnAll = true;
        } else if (std::strcmp(args[i], "--quiet") == 0) {
            search.blnQuiet = true;
        } else if ((taken = TakeValue("--step", args, i, value)) > 0) {
            search.intStep = -1;
            for (int16_t s = 0; s < ZDR::intNumStepSizes; ++s) {
                if (value == kStepName[s])
                    search.intStep = s;
            }
            if (search.intStep < 0) {
                error =
                    "'" + value + "' after --step: expected half-hour, day, week, month or year";
                return false;
            }
        } else if (taken == 0 && (taken = TakeValue("--pattern", args, i, value)) > 0) {
            search.strPattern = value;
            blnHasPattern = true;
        } else if (taken == 0 && (taken = TakeValue("--at-least", args, i, value)) > 0) {
            const bool blnNumber = !value.empty() && value.size() <= 2 &&
                                   value.find_first_not_of("0123456789") == std::string::npos;
            search.intAtLeast = blnNumber ? std::stoi(value) : 0;
            if (search.intAtLeast < 1 || search.intAtLeast > intMaxAtLeast) {
                error = "'" + value + "' after --at-least: expected a count 1..99";
                return false;
            }
        } else if (taken == 0 && (taken = TakeValue("--until", args, i, value)) > 0) {
            search.strUntil = value;
            search.blnUntil = true;
        } else if (taken == 0) {
            rest.push_back(args[i]);
        }
        if (taken < 0) {
            error = std::string(args[i]) + " needs a value";
            return false;
        }
    }
    const bool blnHelp = std::any_of(rest.begin(), rest.end(), [](const char* a) {
        return std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0;
    });
    if (!blnHelp && !blnHasPattern) {
        error = "--pattern is needed (see zodarc-cli search --help)";
        return false;
    }
    if (!blnHelp && search.blnAll && !search.blnUntil) {
        error = "--all needs --until";
        return false;
    }
    return true;
}

// The date and time of a date set: "2031-05-12" and "12:00".
std::string DateText(const DatePr2::DateSetInput& set) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", std::stoi(set.strYearText),
                  set.intMonthIndex, set.intDayIndex);
    return text;
}
std::string TimeText(const DatePr2::DateSetInput& set) {
    return DatePr2::DayFractionToTimeText((set.intHourIndex - 1) / 48.0, false);
}

// Prints one step as text or as a JSON object (without a line end).
void PrintStep(bool blnJson, bool blnFound, const DatePr2::DateSetInput& set, int16_t count,
               const std::string& message) {
    if (blnJson) {
        std::printf(
            "{\"found\": %s, \"date\": \"%s\", \"time\": \"%s\", \"count\": %d, "
            "\"message\": %s}",
            blnFound ? "true" : "false", DateText(set).c_str(), TimeText(set).c_str(), count,
            JsonString(message).c_str());
    } else {
        std::printf("%s %s  %s\n", DateText(set).c_str(), TimeText(set).c_str(), message.c_str());
    }
}

// Days in a step of each size, on the average.
constexpr double kStepDays[ZDR::intNumStepSizes] = {1.0 / 48, 1, 7, 365.2425 / 12, 365.2425};
// A span longer than this (seconds) at the measured pace is noted.
constexpr double kLongSpanSeconds = 180;
// The pace is measured over this time (seconds); the progress line is shown this often.
constexpr double kMeasureSeconds = 1;
constexpr double kProgressSeconds = 0.5;

// What a search tells on standard error while it runs: on a terminal the date reached,
// and once the pace is known, a note when the rest of the span would take long.
class SearchProgress {
  public:
    SearchProgress(bool blnQuiet, int16_t step, int32_t lastDay)
        : blnQuiet(blnQuiet),
          blnTerminal(!blnQuiet && FileProc::IsTerminal(stderr)),
          dblStepDays(kStepDays[step]),
          lngLastDay(lastDay),
          udtStart(Clock::now()),
          udtShown(udtStart) {}
    ~SearchProgress() { Clear(); }

    // Notes a step at local day day (JDN) with its date text.
    void Step(int32_t day, const std::string& date) {
        ++lngSteps;
        if (blnQuiet || (lngSteps & 63) != 0)
            return;
        const Clock::time_point now = Clock::now();
        const double elapsed = Seconds(udtStart, now);
        if (!blnEstimated && elapsed >= kMeasureSeconds) {
            blnEstimated = true;
            const double rest = std::abs(lngLastDay - day) / dblStepDays * elapsed / lngSteps;
            if (rest > kLongSpanSeconds) {
                Clear();
                std::fprintf(stderr,
                             "zodarc-cli search: the rest of the span takes about %.0f minutes "
                             "at this pace; --until or a larger --step shortens it\n",
                             std::ceil(rest / 60));
            }
        }
        if (blnTerminal && Seconds(udtShown, now) >= kProgressSeconds) {
            udtShown = now;
            std::fprintf(stderr, "\rzodarc-cli search: %s", date.c_str());
            blnShown = true;
        }
    }

    // Takes the progress line off the terminal.
    void Clear() {
        if (!blnShown)
            return;
        std::fprintf(stderr, "\r%*s\r", 40, "");
        blnShown = false;
    }

  private:
    using Clock = std::chrono::steady_clock;
    static double Seconds(Clock::time_point from, Clock::time_point to) {
        return std::chrono::duration<double>(to - from).count();
    }
    bool blnQuiet;
    bool blnTerminal;
    double dblStepDays;
    int32_t lngLastDay;
    Clock::time_point udtStart;
    Clock::time_point udtShown;
    long lngSteps = 0;
    bool blnEstimated = false;
    bool blnShown = false;
};

}  // namespace

int SearchCommand(int argc, char* argv[]) {
    SearchOptions search;
    std::vector<char*> rest;
    std::string error;
    if (!TakeSearchOptions(argc, argv, search, rest, error)) {
        std::fprintf(stderr, "zodarc-cli search: %s\n", error.c_str());
        return intExitUsage;
    }
    CommandOptions options;
    double jd[3];
    const int code =
        StartCommand("search", intStepsADate, kHelp, static_cast<int>(rest.size()), rest.data(), options, jd);
    const DateSetOptions& world = options.udtSet[0];
    if (code == intExitFailed) {
        // An invalid start date is a mistake in the command; otherwise the data files failed.
        DatePr2::DateSetInput start = world.udtInput;
        const bool blnBadDate = DatePr2::InputDateToAJDate(start, 0) < 0;
        return blnBadDate ? intExitUsage : intExitCannotRun;
    }
    if (code >= 0)
        return code;
    ZDR::RunUntilSettings settings;
    settings.intAspectPatternToFind = PatternIndex(search.strPattern);
    if (settings.intAspectPatternToFind < 0) {
        std::fprintf(stderr,
                     "zodarc-cli search: unknown pattern '%s' (see zodarc-cli search --help)\n",
                     search.strPattern.c_str());
        return intExitUsage;
    }
    settings.blnTwoOrMore = search.intAtLeast > 1;
    if (settings.blnTwoOrMore)
        settings.intNumToFindIndex = static_cast<int16_t>(search.intAtLeast - 2);
    const int32_t lngUntil = search.blnUntil ? DateOptionDay(search.strUntil) : -1;
    if (search.blnUntil && lngUntil < 0) {
        std::fprintf(stderr,
                     "zodarc-cli search: --until '%s': expected YYYY-MM-DD (year 1 to 2799)\n",
                     search.strUntil.c_str());
        return intExitUsage;
    }

    // The world date as the window's controls hold it: the hour and zone filled in.
    DatePr2::DateSetInput set = world.udtInput;
    DatePr2::InputDateToAJDate(set, 0);
    const double dblMidpointOrb = ZDR::MidpointOrb(ZDR::OptionsInForce().intMidpointOrbIndex);

    int16_t counts[14] = {};
    int16_t count = 0;
    bool blnAnyFound = false;
    bool blnTested = false;
    const DatePr2::DateSetInput start = set;
    DatePr2::DateSetInput last = set;
    const std::vector<std::string> saidAtStart = ZDR::EphemerisFileMessages();
    const int32_t lngLastDay = lngUntil >= 0       ? lngUntil
                               : search.blnBack ? DateOptionDay("0001-01-01")
                                                : DateOptionDay("2799-12-31");
    SearchProgress progress(search.blnQuiet, search.intStep, lngLastDay);
    if (options.blnJson && search.blnAll)
        std::printf("[");
    while (ZDR::StepWorldDate(set, search.intStep, search.blnBack) == ZDR::intStepDone) {
        const double local = DatePr2::DateSetToLocalDay(set.strYearText, set.intMonthIndex,
                                                        set.intDayIndex, set.intHourIndex);
        const int32_t day = static_cast<int32_t>(local);
        if (lngUntil >= 0 && (search.blnBack ? day < lngUntil : day > lngUntil))
            break;
        progress.Step(day, DateText(set));
        const double jdStep = DatePr2::InputDateToAJDate(set, 0);
        ZDR::PatternCountsAt(jdStep, dblMidpointOrb, counts);
        if (ChartPositionFailed(ZDR::intModeWorldTransits)) {
            progress.Clear();
            // Without all positions the answer would be a false "not found".
            if (options.blnJson && search.blnAll)
                std::printf("]\n");
            for (const std::string& message : ZDR::EphemerisFileMessages()) {
                if (std::find(saidAtStart.begin(), saidAtStart.end(), message) == saidAtStart.end())
                    std::fprintf(stderr, "%s\n", message.c_str());
            }
            std::fprintf(stderr, "zodarc-cli search: no positions at %s %s; the search stops\n",
                         DateText(set).c_str(), TimeText(set).c_str());
            return intExitCannotRun;
        }
        last = set;
        blnTested = true;
        if (!ZDR::PatternFound(settings, counts, count))
            continue;
        progress.Clear();
        if (options.blnJson && blnAnyFound)
            std::printf(", ");
        blnAnyFound = true;
        PrintStep(options.blnJson, true, set, count, ZDR::PatternFoundMessage(settings, count));
        if (!search.blnAll)
            break;
    }
    if (options.blnJson) {
        if (search.blnAll)
            std::printf("]");
        else if (!blnAnyFound)
            PrintStep(true, false, last, blnTested ? count : 0, "");
        std::printf("\n");
    } else if (!blnAnyFound) {
        std::printf("Not found from %s %s to %s %s.\n", DateText(start).c_str(),
                    TimeText(start).c_str(), DateText(last).c_str(), TimeText(last).c_str());
    }
    return blnAnyFound ? intExitOk : intExitNotFound;
}

}  // namespace cli
