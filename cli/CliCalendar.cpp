#include <cstdio>
#include <string>
#include <vector>

#include "astro/DatePr2.h"
#include "astro/FileProc.h"
#include "calendar/CalendarExport.h"
#include "calendar/TransitCalendar.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "config/OptionsInForce.h"
#include "engine/Compute.h"

namespace cli {
namespace {

const CommandHelp kHelp = {
    "Usage: zodarc-cli calendar --from YYYY-MM-DD --to YYYY-MM-DD [--mode MODE] [DATE SETS]\n"
    "                           [ORBS AND DISPLAY] [--moon] [--csv FILE] [--ics FILE]\n"
    "                           [--ics-exact] [--language en|de] [--json]\n"
    "Lists every transit of a period: each passage of two bodies through the orb of an\n"
    "aspect that overlaps the period, with the moment it comes within its orb, every moment\n"
    "at which it is exact (a retrograde planet can be exact three times) and the moment it\n"
    "leaves the orb, to the minute in the world timezone (--zone). A passage that begins\n"
    "before the period or ends after it keeps its real beginning and end.\n"
    "  --from YYYY-MM-DD     the first day of the period (local days of the world timezone)\n"
    "  --to YYYY-MM-DD       the last day of the period, at most 100 years after --from\n"
    "                        (the world date defaults to --from; it gives the timezone)\n"
    "  --mode MODE           world (default), personal1 or personal2: the transiting bodies\n"
    "                        against the natal positions of the 1st or 2nd birthdate\n"
    "  --moon                also the aspects of the transiting Moon (hundreds a month)\n"
    "  --csv FILE            also write the passages to FILE as CSV\n"
    "  --ics FILE            also write them to FILE as an iCalendar file: one all-day event\n"
    "                        per passage with its exact moments in the description\n"
    "  --ics-exact           in the iCalendar file one timed event per exact moment instead\n",
    "  --json                a JSON list, one object per passage: {\"first\", \"second\" (body\n"
    "                        names; in personal transits the transiting, then the natal\n"
    "                        body), \"aspect\" (its name), \"begin\", \"end\", \"exact\": [..]}\n"
    "                        with moments \"YYYY-MM-DDTHH:MM\" in the world timezone, null\n"
    "                        beyond the range of the positions; names in English\n",
    "The text output is one line per passage, sorted by its first exact moment (else its\n"
    "beginning). Aspects whose orb is 0 are left out. A file is written whole or not at all.\n"};

// The longest period, in years.
constexpr int kLongestPeriodYears = 100;

// What this command takes besides the options every chart command takes.
struct CalendarOptions {
    std::string strFrom;
    std::string strTo;
    std::string strCsv;
    std::string strIcs;
    bool blnMoon = false;
    bool blnIcsExact = false;
    bool blnHasWorldDate = false;
};

// Takes the command's own options out of the arguments; the others stay in rest. Returns
// false with the reason in error.
bool TakeOwnOptions(int argc, char* argv[], CalendarOptions& own, std::vector<char*>& rest,
                    std::string& error) {
    rest.push_back(argv[0]);
    struct Valued {
        const char* name;
        std::string CalendarOptions::*value;
    };
    const Valued kValued[] = {{"--from", &CalendarOptions::strFrom},
                              {"--to", &CalendarOptions::strTo},
                              {"--csv", &CalendarOptions::strCsv},
                              {"--ics", &CalendarOptions::strIcs}};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        bool blnTaken = false;
        for (const Valued& v : kValued) {
            const std::string name = v.name;
            if (arg == name || arg.compare(0, name.size() + 1, name + "=") == 0) {
                if (arg == name) {
                    if (i + 1 >= argc) {
                        error = name + " needs a value";
                        return false;
                    }
                    own.*v.value = argv[++i];
                } else {
                    own.*v.value = arg.substr(name.size() + 1);
                }
                blnTaken = true;
            }
        }
        if (blnTaken)
            continue;
        if (arg == "--moon") {
            own.blnMoon = true;
        } else if (arg == "--ics-exact") {
            own.blnIcsExact = true;
        } else {
            if (arg == "--date" || arg == "--jd" || arg == "--state" ||
                arg.compare(0, 7, "--date=") == 0 || arg.compare(0, 5, "--jd=") == 0 ||
                arg.compare(0, 8, "--state=") == 0)
                own.blnHasWorldDate = true;
            rest.push_back(argv[i]);
        }
    }
    return true;
}

// The JDN of the day a hundred years after a date that DateOptionDay takes (29 February:
// 28 February), also beyond the years the program computes.
int32_t HundredYearsOn(const std::string& text) {
    DateValue date;
    ParseDateValue(text, date);
    datekit::EuroDateRecord rec;
    rec.Year = std::stoi(date.strYearText) + kLongestPeriodYears;
    rec.Month = date.intMonth;
    for (rec.Day = date.intDay; rec.Day > 0; --rec.Day) {
        const int32_t jdn = DatePr2::DateToJDN(rec);
        if (rec.Valid)
            return jdn;
    }
    return -1;
}

// Checks the period. Returns false with the reason in error.
bool PeriodDays(const CalendarOptions& own, int32_t& from, int32_t& to, std::string& error) {
    if (own.strFrom.empty() || own.strTo.empty()) {
        error = "the period needs --from and --to";
        return false;
    }
    from = DateOptionDay(own.strFrom);
    to = DateOptionDay(own.strTo);
    const char* const kDate = ": expected a date YYYY-MM-DD from 0001-01-01 to 2799-12-31";
    if (from < 0) {
        error = "'" + own.strFrom + "' after --from" + kDate;
        return false;
    }
    if (to < 0) {
        error = "'" + own.strTo + "' after --to" + kDate;
        return false;
    }
    if (to < from) {
        error = "--to " + own.strTo + " lies before --from " + own.strFrom;
        return false;
    }
    if (to > HundredYearsOn(own.strFrom)) {
        error = "the period from " + own.strFrom + " to " + own.strTo +
                " is longer than 100 years";
        return false;
    }
    return true;
}

}  // namespace

int CalendarCommand(int argc, char* argv[]) {
    CalendarOptions own;
    std::vector<char*> rest;
    std::string error;
    if (!TakeOwnOptions(argc, argv, own, rest, error)) {
        std::fprintf(stderr, "zodarc-cli calendar: %s\n", error.c_str());
        return intExitUsage;
    }
    bool blnHelp = false;
    for (char* arg : rest)
        blnHelp = blnHelp || std::string(arg) == "--help";
    int32_t from = 0, to = 0;
    if (!blnHelp && !PeriodDays(own, from, to, error)) {
        std::fprintf(stderr, "zodarc-cli calendar: %s\n", error.c_str());
        return intExitUsage;
    }
    // Without a world date of its own the period's first day gives it (and GMT the zone).
    std::string date = "--date=" + own.strFrom;
    if (!own.blnHasWorldDate && !blnHelp)
        rest.push_back(date.data());
    rest.push_back(nullptr);
    CommandOptions options;
    double jd[3];
    const int code = StartCommand("calendar", intTakesCharts | intTakesAngles, kHelp,
                                  static_cast<int>(rest.size()) - 1, rest.data(), options, jd);
    if (code >= 0)
        return code;
    const bool blnPersonal = ZDR::IsPersonalTransitMode(options.intMode);
    if (!blnPersonal && options.intMode != ZDR::intModeWorldTransits) {
        std::fprintf(stderr,
                     "zodarc-cli calendar: --mode %s: the calendar takes world, personal1 or "
                     "personal2\n",
                     ModeName(options.intMode));
        return intExitUsage;
    }
    const int16_t zone = ZoneMinutes(options.udtSet[0]);
    const int16_t natalSet = options.intMode == ZDR::intModePersonal2 ? 2 : 1;
    ZDR::CalendarRequest request = ZDR::CalendarRequestOf(
        blnPersonal, jd[natalSet], ZDR::LocalMidnightJD(from, zone),
        ZDR::LocalMidnightJD(to + 1, zone), zone, own.blnMoon, ZDR::ChartOptionsInForce());
    for (int16_t a = 0; a < ZDR::intNumAngles && blnPersonal; ++a)
        request.dblNatalAngle[a] = options.udtAngles.dblAngle[natalSet][a];
    const std::vector<ZDR::Passage> passages = ZDR::TransitCalendar(request);

    struct Output {
        const std::string& path;
        std::string text;
    };
    std::vector<Output> files;
    if (!own.strCsv.empty())
        files.push_back(Output{own.strCsv, ZDR::CalendarCsv(passages, blnPersonal, zone)});
    if (!own.strIcs.empty()) {
        ZDR::ICalendarInput in;
        in.blnPersonal = blnPersonal;
        in.dblNatalJD = jd[natalSet];
        in.blnSidereal = request.blnSidereal;
        in.blnExactEvents = own.blnIcsExact;
        in.zoneMinutes = zone;
        in.dblFromJD = request.dblFromJD;
        in.dblToJD = request.dblToJD;
        in.dblStampJD = DatePr2::NowAsJD();
        files.push_back(Output{own.strIcs, ZDR::CalendarICalendar(passages, in)});
    }
    for (const Output& file : files) {
        const std::string failure = FileProc::WriteWholeFile(file.path, file.text);
        if (!failure.empty()) {
            std::fprintf(stderr, "zodarc-cli calendar: %s\n", failure.c_str());
            return intExitFailed;
        }
    }
    if (options.blnJson)
        std::printf("%s", ZDR::CalendarJson(passages, zone).c_str());
    else
        std::printf("%s", ZDR::CalendarText(passages, blnPersonal, zone).c_str());
    return intExitOk;
}

}  // namespace cli
