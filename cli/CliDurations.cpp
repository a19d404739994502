#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "astro/DateInput.h"
#include "astro/DatePr2.h"
#include "astro/Turn.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "config/Options.h"
#include "config/OptionsInForce.h"
#include "engine/AspectTiming.h"
#include "engine/Catalogue.h"
#include "engine/ChartDescription.h"
#include "engine/Compute.h"
#include "engine/Durations.h"
#include "places/DatePlace.h"
#include "text/Language.h"

namespace cli {
namespace {

const CommandHelp kHelp = {
    "Usage: zodarc-cli durations [--state FILE] [--mode MODE] [DATE SETS] [ORBS AND DISPLAY]\n"
    "                            [--sort ORDER] [--no-duration] [--exact]\n"
    "                            [--language en|de] [--json]\n"
    "Computes one mode and lists every aspect of its table as the durations window does:\n"
    "in World transits and personal transits the two bodies, the aspect with its deviation\n"
    "from exactness and the local days (world timezone) on which it came within its orb and\n"
    "leaves it again, with the duration; in the natal modes and in synastry a description\n"
    "of the chart in sentences.\n"
    "  --sort ORDER          first, aspect, deviation (default), second, begin, end or\n"
    "                        duration; sorted by begin or end, the transiting Moon's\n"
    "                        aspects are left out\n"
    "  --no-duration         the bodies and aspects only\n"
    "  --exact               also the moments at which each transit is exact within its\n"
    "                        days, to the minute in the world timezone (up to three times\n"
    "                        for a retrograde transit)\n",
    "  --json                a JSON list, one object per aspect: {\"first\", \"second\" (body\n"
    "                        names), \"aspect\" (its name), \"deviation\" (degrees), \"begin\",\n"
    "                        \"end\" (local dates YYYY-MM-DD, null when not found or not\n"
    "                        applicable), \"days\" (null when not known)} and with --exact\n"
    "                        \"exact\": [\"YYYY-MM-DDTHH:MM\", ..] (null without days); names\n"
    "                        in English\n",
    "The text output is the durations window's title, an empty line and its text. The\n"
    "aspects of the Moon as second body are not timed: an aspect of the Moon lasts hours.\n"};

const char* const kSortName[7] = {"first", "aspect", "deviation", "second",
                                  "begin", "end",    "duration"};

// What this command takes besides the options every chart command takes.
struct DurationsOptions {
    int16_t intSortIndex = ZDR::intSortDeviation;
    bool blnShowDuration = true;
    bool blnExact = false;
};

// Takes --sort, --no-duration and --exact out of the arguments; the others stay in rest.
// Returns false with the reason in error.
bool TakeOwnOptions(int argc, char* argv[], DurationsOptions& own, std::vector<char*>& rest,
                    std::string& error) {
    rest.push_back(argv[0]);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--no-duration") {
            own.blnShowDuration = false;
        } else if (arg == "--exact") {
            own.blnExact = true;
        } else if (arg == "--sort" || arg.compare(0, 7, "--sort=") == 0) {
            std::string value;
            if (arg == "--sort") {
                if (i + 1 >= argc) {
                    error = "--sort needs a value";
                    return false;
                }
                value = argv[++i];
            } else {
                value = arg.substr(7);
            }
            own.intSortIndex = -1;
            for (int16_t s = 0; s < 7; ++s) {
                if (value == kSortName[s])
                    own.intSortIndex = s;
            }
            if (own.intSortIndex < 0) {
                error = "'" + value +
                        "' after --sort: expected first, aspect, deviation, second, begin, end "
                        "or duration";
                return false;
            }
        } else {
            rest.push_back(argv[i]);
        }
    }
    rest.push_back(nullptr);
    return true;
}

// A date set in words as the window writes it; a Julian Day given as such is named so.
std::string DateSetText(const DateSetOptions& set, double jd) {
    if (set.blnHasJD) {
        char text[40];
        std::snprintf(text, sizeof text, "JD %.6f (UT)", jd);
        return text;
    }
    DatePr2::DateSetInput input = set.udtInput;
    if (set.udtPlace.blnSet)
        return Places::PlaceDateText(input, set.udtPlace, false, Language::intLanguage);
    input.intTimezoneIndex = ZoneIndex(set);
    return DatePr2::InputDateToString(input, false, false, Language::intLanguage);
}

// "2020-01-07T13:45": a JD (UT) in the zone, to the minute.
std::string IsoMinute(double jd, int zoneMinutes) {
    const long long minutes = std::llround((jd + 0.5) * 1440.0) + zoneMinutes;
    const int32_t day = ZDR::LocalDayNumber(jd, zoneMinutes);
    const int ofDay = static_cast<int>(minutes - static_cast<long long>(day) * 1440);
    char time[16];
    std::snprintf(time, sizeof time, "T%02d:%02d", ofDay / 60 % 24, ofDay % 60);
    return DayText(day) + time;
}

// The exact moments of a timed record, as ISO date-times; false when it has no days.
bool ExactTexts(const ZDR::AspectRecordFields& f, const ZDR::TimingContext& context,
                ZDR::WalkPositions& positions, std::vector<std::string>& texts) {
    if (f.intTiming != ZDR::RecordTiming::Days || f.dblBegin < 0 || f.dblEnd < 0)
        return false;
    const ZDR::AspectWalk walk = ZDR::WalkOfAspect(context, f.intFirst, f.intSecond, f.intAspect);
    for (double jd : ZDR::ExactMoments(walk, positions, f.dblBegin, f.dblEnd))
        texts.push_back(IsoMinute(jd, context.intTimeZone));
    return true;
}

void PrintJson(const std::vector<std::string>& records, const ZDR::TimingContext& context,
               bool blnExact, ZDR::WalkPositions& positions) {
    // Names in English whatever the language of the texts.
    Language::intLanguage = Language::intEnglish;
    ZDR::BuildCatalogueNames();
    std::printf("[");
    bool blnFirst = true;
    for (const std::string& record : records) {
        ZDR::AspectRecordFields f;
        if (!ZDR::ParseAspectRecord(record, f))
            continue;
        const bool blnDays = f.intTiming == ZDR::RecordTiming::Days;
        auto day = [&](double d) { return blnDays && d >= 0 ? "\"" + DayText(d) + "\"" : "null"; };
        std::printf(
            "%s{\"first\": %s, \"second\": %s, \"aspect\": %s, \"deviation\": %.4f, "
            "\"begin\": %s, \"end\": %s, \"days\": ",
            blnFirst ? "" : ",\n ", JsonString(ZDR::strBodyName[f.intFirst]).c_str(),
            JsonString(ZDR::strBodyName[f.intSecond]).c_str(),
            JsonString(ZDR::udtAspect[f.intAspect].strName).c_str(),
            f.dblDeviation / ZDR::dblTurn * 360.0, day(f.dblBegin).c_str(), day(f.dblEnd).c_str());
        if (blnDays && f.dblBegin >= 0 && f.dblEnd >= 0)
            std::printf("%d", static_cast<int>(f.lngDuration));
        else
            std::printf("null");
        if (blnExact) {
            std::vector<std::string> texts;
            if (ExactTexts(f, context, positions, texts)) {
                std::printf(", \"exact\": [");
                for (std::size_t i = 0; i < texts.size(); ++i)
                    std::printf("%s%s", i > 0 ? ", " : "", JsonString(texts[i]).c_str());
                std::printf("]");
            } else {
                std::printf(", \"exact\": null");
            }
        }
        std::printf("}");
        blnFirst = false;
    }
    std::printf("]\n");
}

// The list with CR LF made LF, and under each timed line its exact moments with --exact.
void PrintText(const std::vector<std::string>& records, const ZDR::DurationListView& view,
               const ZDR::TimingContext& context, bool blnExact, ZDR::WalkPositions& positions) {
    for (const std::string& record : records) {
        const std::vector<std::string> one(1, record);
        std::string line = ZDR::DurationListText(one, view);
        if (line.empty())
            continue;
        line.erase(line.size() - 2);
        std::printf("%s\n", line.c_str());
        ZDR::AspectRecordFields f;
        std::vector<std::string> texts;
        if (blnExact && ZDR::ParseAspectRecord(record, f) &&
            ExactTexts(f, context, positions, texts)) {
            std::string exact = "    exact:";
            for (const std::string& t : texts)
                exact += " " + t;
            std::printf("%s\n", exact.c_str());
        }
    }
}

}  // namespace

int DurationsCommand(int argc, char* argv[]) {
    DurationsOptions own;
    std::vector<char*> rest;
    std::string error;
    if (!TakeOwnOptions(argc, argv, own, rest, error)) {
        std::fprintf(stderr, "zodarc-cli durations: %s\n", error.c_str());
        return intExitUsage;
    }
    CommandOptions options;
    double jd[3];
    const int code = StartCommand("durations", intTakesCharts | intTakesAngles, kHelp,
                                  static_cast<int>(rest.size()) - 1, rest.data(), options, jd);
    if (code >= 0)
        return code;
    const ZDR::ChartOptions& config = ZDR::ChartOptionsInForce();
    ZDR::ComputeResult result;
    ZDR::ComputeAtJD(options.intMode, jd, options.blnRadians, config, result, options.udtAngles);

    const int16_t zone = ZoneMinutes(options.udtSet[0]);
    ZDR::TimingContext context = ZDR::TimingContextOf(options.intMode, jd, zone, config);
    ZDR::TakeNatalAngles(context, result);
    ZDR::WalkPositions positions(context.lngWorldDay, context.intTimeZone, config);
    std::vector<std::string> records =
        ZDR::GetDurations(result.udtTable, context, result.dblPos, positions);

    const int intExit = PositionsExitCode("durations", ChartPositionFailed(result));
    const bool blnTransits = ZDR::IsTransitMode(options.intMode);
    ZDR::SortAspectRecords(records, blnTransits ? own.intSortIndex : ZDR::intSortDeviation);
    if (options.blnJson) {
        PrintJson(records, context, own.blnExact, positions);
        return intExit;
    }

    std::string dates[3];
    for (int s = 0; s < 3; ++s) {
        if (jd[s] >= 0)
            dates[s] = DateSetText(options.udtSet[s], jd[s]);
    }
    std::printf("%s\n\n",
                ZDR::DurationsTitle(options.intMode, dates, config.udtConfig.blnSidereal).c_str());
    const ZDR::DurationColumns widths =
        ZDR::DurationColumnWidths(ZDR::HasAngles(result, 0) || ZDR::HasAngles(result, 1));
    if (!blnTransits) {
        std::string text = ZDR::ChartDescription(records, options.intMode, result, config, widths);
        std::string plain;
        for (char c : text) {
            if (c != '\r')
                plain += c;
        }
        std::printf("%s", plain.c_str());
        return intExit;
    }
    ZDR::DurationListView view;
    view.udtOptions = config;
    view.intModeCode = options.intMode;
    view.blnShowDuration = own.blnShowDuration;
    view.intSortIndex = own.intSortIndex;
    view.intWidth = widths;
    PrintText(records, view, context, own.blnExact, positions);
    return intExit;
}

}  // namespace cli
