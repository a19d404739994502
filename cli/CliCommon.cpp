#include "cli/CliCommon.h"

#include <cmath>
#include <cstdio>

#include "astro/CatalogueCounts.h"
#include "astro/DatePr2.h"
#include "astro/Positions.h"
#include "config/Options.h"
#include "config/OptionsInForce.h"
#include "engine/Compute.h"
#include "engine/CoreStartup.h"
#include "engine/Report.h"
#include "places/ClockTime.h"
#include "places/HouseTexts.h"
#include "text/EphemerisText.h"

namespace cli {
namespace {

const char* const kSetName[3] = {"world date", "1st birthdate", "2nd birthdate"};
const char* const kSetPrefix[3] = {"", "birth1-", "birth2-"};

// Returns the reason for a date-set code -1 .. -4, e.g. "the date is incomplete".
std::string DateSetErrorText(double code) {
    if (code == DatePr2::dblDateIncomplete)
        return "the date is incomplete (year, month and day)";
    if (code == DatePr2::dblNoSuchDate)
        return "no such date";
    if (code == DatePr2::dblDateTooEarly)
        return "the date is too early (before 1 January 1)";
    if (code == DatePr2::dblDateTooLate)
        return "the date is too late (1 January 2800 or later)";
    return "the date is invalid";
}

// Returns the reason a place cannot be used, or why its clock time needs a choice.
std::string PlaceErrorText(const DateSetOptions& set, const std::string& prefix) {
    const double code = set.udtMoment.dblJD;
    if (code == Places::dblPlaceBadLatitude)
        return "the latitude is not within -90 to 90 degrees";
    if (code == Places::dblPlaceBadLongitude)
        return "the longitude is not within -180 to 180 degrees";
    if (code == Places::dblPlaceBadTime)
        return "the clock time is not within 00:00 to 23:59";
    if (code == Places::dblPlaceSkippedTime || code == Places::dblPlaceRepeatedTime) {
        const Places::ClockReading& r = set.udtMoment.udtReading;
        return std::string("the clock time ") +
               (code == Places::dblPlaceSkippedTime ? "does not exist" : "exists twice") +
               " that day in " + set.udtPlace.strZone + ": the offset changed from " +
               Places::OffsetCaption(r.udtOffset[0]) + " to " +
               Places::OffsetCaption(r.udtOffset[1]) + "; choose --" + prefix +
               "dst yes for the larger offset (summer time) or --" + prefix +
               "dst no for the smaller";
    }
    return "no such zone in the system's zone data: " + set.udtPlace.strZone;
}

// Readies the computation as StartCommand tells. Returns -1, or intExitFailed (intExitUsage
// for a place) after printing the reason.
int PrepareCommand(const char* command, CommandOptions& options, double (&jd)[3]) {
    for (int16_t s = 0; s < 3; ++s) {
        jd[s] = -1.0;
        if (!ZDR::ModeUsesDateSet(options.intMode, s))
            continue;
        // Read as the window reads its controls; an empty timezone is GMT.
        DateSetOptions& set = options.udtSet[s];
        DatePr2::DateSetInput input = set.udtInput;
        if (set.udtPlace.blnSet && !set.blnHasJD) {
            set.udtMoment = Places::PlaceDateToJD(input, set.udtPlace);
            jd[s] = set.udtMoment.dblJD;
            if (jd[s] <= Places::dblPlaceBadLatitude) {
                std::fprintf(stderr, "zodarc-cli %s: %s: %s\n", command, kSetName[s],
                             PlaceErrorText(set, kSetPrefix[s]).c_str());
                return intExitUsage;
            }
        } else {
            jd[s] = set.blnHasJD ? set.dblJD : DatePr2::InputDateToAJDate(input, 0);
        }
        // A Julian Day holds to the range of the dates.
        const double code = set.blnHasJD ? DatePr2::CheckJDRange(jd[s]) : jd[s];
        if (code < 0) {
            std::fprintf(stderr, "zodarc-cli %s: %s: %s\n", command, kSetName[s],
                         DateSetErrorText(code).c_str());
            return intExitFailed;
        }
    }
    Language::intLanguage = options.intLanguage;
    if (!StartCoreFromExecutable(""))
        return intExitFailed;
    ZDR::ConfigOptions config = options.udtConfig;
    config.blnUseBoldface = config.blnUseBoldface && !options.blnNoBold;
    config.blnSidereal = config.blnSidereal || options.blnSidereal;
    config.blnIncludeTransitingMoon =
        config.blnIncludeTransitingMoon && !options.blnNoTransitingMoon;
    config.blnWaxingWaningAspects = config.blnWaxingWaningAspects || options.blnWaxingWaning;
    config.blnAnglesInAspects = options.blnAngles;
    ZDR::UseSettings(config);
    if (options.blnAngles && !AnglesOfSets(options, jd, options.udtAngles)) {
        std::fprintf(stderr,
                     "zodarc-cli %s: --angles: no birthdate of the mode has a place (a world "
                     "date has none); give --birth1-place or --birth1-lat and --birth1-lon (or "
                     "those of birth2)\n",
                     command);
        return intExitUsage;
    }
    return -1;
}
}  // namespace

int StartCommand(const char* command, unsigned groups, const CommandHelp& help, int argc,
                 char* argv[], CommandOptions& options, double (&jd)[3]) {
    const int code = ParseCommandOptions(command, groups, help, argc, argv, options);
    return code >= 0 ? code : PrepareCommand(command, options, jd);
}
int16_t ZoneIndex(const DateSetOptions& set) {
    constexpr int16_t kGreenwichIndex = 24;
    const int16_t index = set.udtInput.intTimezoneIndex;
    return set.blnHasJD || index == 0 ? kGreenwichIndex : index;
}

int16_t ZoneMinutes(const DateSetOptions& set) {
    // A set read at its place keeps the clock of the place, to the minute.
    if (set.udtPlace.blnSet && set.udtMoment.intOffsetIndex >= 0 && !set.blnHasJD)
        return static_cast<int16_t>(std::lround(set.udtMoment.Offset().intSeconds / 60.0));
    return static_cast<int16_t>(DatePr2::TimezoneList(false)[ZoneIndex(set)].intMinutes);
}

std::string DayText(double day) {
    datekit::EuroDateRecord rec;
    rec.JDN = static_cast<int32_t>(day);
    DatePr2::JDNToDate(rec);
    return DatePr2::DateToIsoText(rec);
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

bool StartCoreFromExecutable(const std::string& prefix) {
    const ZDR::CoreStartup core = ZDR::StartCore(ZDR::DataFolder(ZDR::ExecutableFolder()));
    for (const ZDR::StartupMessage& message : core.udtMessages)
        std::fprintf(stderr, "%s%s\n", prefix.c_str(), message.strText.c_str());
    if (core.intOutcome != ZDR::intStartupDone)
        return false;
    for (const std::string& message : ZDR::EphemerisFileMessages())
        std::fprintf(stderr, "%s%s\n", prefix.c_str(), message.c_str());
    return true;
}

int PositionsExitCode(const char* command, bool blnPositionFailed) {
    if (!blnPositionFailed)
        return intExitOk;
    if (ZDR::EphemerisFileMessages().empty())
        std::fprintf(stderr, "zodarc-cli %s: a position could not be computed\n", command);
    return intExitFailed;
}

bool ChartPositionFailed(const ZDR::ComputeResult& result) {
    const int16_t mode = result.intModeCode;
    for (int16_t b = 1; b <= result.intNumBodies; ++b) {
        if (ZDR::PositionFailed(result.dblPos[b][0]))
            return true;
    }
    for (int16_t b = 1; ZDR::IsTwoChartMode(mode) && b <= ZDR::intCatalogueBodies; ++b) {
        if (ZDR::PositionFailed(result.dblPos[b][1]))
            return true;
    }
    return false;
}

bool HousesOfSet(const CommandOptions& options, const ZDR::ComputeResult& result, int16_t set,
                 Places::Houses& houses) {
    return HousesAt(options, set, result.dblChartAJD[set], houses);
}

bool HousesAt(const CommandOptions& options, int16_t set, double jd, Places::Houses& houses) {
    const Places::DatePlace& place = options.udtSet[set].udtPlace;
    if (set <= 0 || set > 2 || !place.blnSet || jd < 0)
        return false;
    houses = Places::ComputeHouses(jd, place.dblLatitude, place.dblLongitude,
                                   options.intHouseSystem, ZDR::OptionsInForce().blnSidereal);
    return true;
}

bool AnglesOfSets(const CommandOptions& options, const double (&jd)[3], ZDR::SetAngles& angles) {
    angles = ZDR::SetAngles();
    bool blnAny = false;
    for (int16_t set = 1; set < 3; ++set) {
        Places::Houses houses;
        if (!ZDR::ModeUsesDateSet(options.intMode, set) || !HousesAt(options, set, jd[set], houses))
            continue;
        angles.dblAngle[set][0] = houses.dblAscendant;
        angles.dblAngle[set][1] = houses.dblMidheaven;
        blnAny = true;
    }
    return blnAny;
}

std::string ReportText(const CommandOptions& options, ZDR::ComputeResult& result) {
    const ZDR::ChartOptions& chartOptions = ZDR::ChartOptionsInForce();
    std::string report =
        ZDR::ComputationReport(result, chartOptions, options.blnRadians, false, false);
    if (ZDR::IsTwoChartMode(options.intMode))
        return report;
    // A birth chart with a place has houses.
    const int16_t set = options.intMode == ZDR::intModeNatal1   ? 1
                        : options.intMode == ZDR::intModeNatal2 ? 2
                                                                : 0;
    Places::Houses houses;
    if (HousesOfSet(options, result, set, houses)) {
        double L[ZDR::intBodySlots] = {};
        for (int16_t b = 1; b <= ZDR::intCatalogueBodies; ++b)
            L[b] = result.dblPos[b][0];
        report += Places::HouseReport(houses, L);
    }
    return report;
}

}  // namespace cli
