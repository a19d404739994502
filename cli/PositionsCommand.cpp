#include <cmath>
#include <cstdio>
#include <string>

#include "astro/DatePr2.h"
#include "astro/Positions.h"
#include "astro/Turn.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "engine/Angles.h"
#include "engine/AspectTable.h"
#include "engine/Catalogue.h"
#include "places/ClockTime.h"
#include "text/Language.h"

namespace cli {
namespace {

const CommandHelp kHelp = {
    "Usage: zodarc-cli positions [DATE SET] [--sidereal] [--language en|de] [--json]\n"
    "Prints the geocentric longitude of the Sun, Mercury .. Pluto and the Moon at one\n"
    "moment: degrees with six decimals, the position in its sign and whether the body is\n"
    "retrograde.\n",
    "  --json                one JSON object: {\"jd\": .., \"sidereal\": .., \"bodies\":\n"
    "                        [{\"name\": \"Sun\", \"longitude\": .., \"sign\": ..,\n"
    "                        \"retrograde\": ..}, ..] in the order Sun .. Pluto, Moon;\n"
    "                        a body without a position has \"longitude\": null and its\n"
    "                        \"error\" code (-99, -100 or another negative value). Names\n"
    "                        and signs are data: English, whatever --language says.\n"
    "                        With a place also \"place\": {\"name\", \"latitude\",\n"
    "                        \"longitude\", \"zone\"}, \"ut\" (YYYY-MM-DDTHH:MM:SS),\n"
    "                        \"offset\" (+HH:MM, +HH:MM:SS for a local mean time) and\n"
    "                        \"abbreviation\" (\"CEST\", \"LMT\"); \"jd\" is the UT instant\n",
    "A body without a position shows '<' before 1 January 1600, '>' after 31 December\n"
    "2099 (the Moon and Pluto), '?' when the ephemeris cannot give one.\n"};

// Program text numbers of the words of the text output.
constexpr int kTextDirect = 230;
constexpr int kTextBeforeRange = 231;
constexpr int kTextAfterRange = 232;
constexpr int kTextNoPosition = 233;

struct BodyPosition {
    double dblLongitude;  // radians, or a negative code
    bool blnRetrograde;
};

// Words after the mark of a body without a position, in the current language.
std::string UnavailableText(double code) {
    if (code == ZDR::dblBeforeRange)
        return Language::Text(kTextBeforeRange);
    if (code == ZDR::dblAfterRange)
        return Language::Text(kTextAfterRange);
    return Language::Text(kTextNoPosition);
}

double ToDegrees(double radians) {
    return radians / ZDR::dblTurn * 360;
}

// One line a body: name, degrees, sign position and direction, the names in the current
// language (a German sign abbreviation may hold an umlaut: the columns count characters).
void PrintText(double jd, const BodyPosition (&pos)[11], const DateSetOptions& set) {
    std::printf("JD %.6f (UT), %s\n", jd, Language::Text(ZDR::blnSidereal ? 44 : 45).c_str());
    if (set.udtPlace.blnSet && set.udtMoment.intOffsetIndex >= 0) {
        const Places::DatePlace& p = set.udtPlace;
        std::printf("%s%s%s, %s\n", p.strName.c_str(), p.strName.empty() ? "" : ", ",
                    p.strZone.c_str(), Places::OffsetCaption(set.udtMoment.Offset()).c_str());
    }
    for (int16_t b = 1; b <= 10; ++b) {
        const double L = pos[b].dblLongitude;
        const std::string name = DatePr2::PadRight(ZDR::strBodyName[b], 8, " ");
        if (L < 0) {
            std::printf("%s %11s  %s\n", name.c_str(),
                        ZDR::PositionCellText(L, false, false).c_str(), UnavailableText(L).c_str());
            continue;
        }
        std::printf("%s %11.6f  %s  %s\n", name.c_str(), ToDegrees(L),
                    DatePr2::PadRight(ZDR::FormatSignPosition(L, false, true), 9, " ").c_str(),
                    pos[b].blnRetrograde ? Language::Text(389).c_str()
                                         : Language::Text(kTextDirect).c_str());
    }
}

// The instant jd (UT) as "YYYY-MM-DDTHH:MM:SS", to the nearest second.
std::string UtText(double jd) {
    const double seconds = std::round((jd + 0.5) * 86400.0);
    const double day = std::floor(seconds / 86400.0);
    datekit::EuroDateRecord rec;
    rec.JDN = static_cast<int32_t>(day);
    DatePr2::JDNToDate(rec);
    const long s = static_cast<long>(seconds - day * 86400.0);
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02ld:%02ld:%02ld", rec.Year, rec.Month,
                  rec.Day, s / 3600, s / 60 % 60, s % 60);
    return text;
}

// The place members of the JSON object of a date set read at its place.
void PrintPlaceJson(const DateSetOptions& set) {
    const Places::DatePlace& p = set.udtPlace;
    std::printf("\"place\": {\"name\": %s, \"latitude\": %.6f, \"longitude\": %.6f, \"zone\": %s}, ",
                p.strName.empty() ? "null" : JsonString(p.strName).c_str(), p.dblLatitude,
                p.dblLongitude, JsonString(p.strZone).c_str());
    if (set.udtMoment.intOffsetIndex < 0)
        return;
    const Places::ClockOffset& offset = set.udtMoment.Offset();
    std::printf("\"ut\": \"%s\", \"offset\": \"%s\", \"abbreviation\": %s, ",
                UtText(set.udtMoment.dblJD).c_str(),
                Places::OffsetText(offset.intSeconds, offset.blnMeanTime).c_str(),
                JsonString(offset.strAbbreviation).c_str());
}

void PrintJson(double jd, const BodyPosition (&pos)[11], const DateSetOptions& set) {
    std::printf("{\"jd\": %.6f, ", jd);
    if (set.udtPlace.blnSet)
        PrintPlaceJson(set);
    std::printf("\"sidereal\": %s, \"bodies\": [", ZDR::blnSidereal ? "true" : "false");
    for (int16_t b = 1; b <= 10; ++b) {
        const double L = pos[b].dblLongitude;
        std::printf("%s{\"name\": %s, ", b > 1 ? ", " : "",
                    JsonString(ZDR::strBodyName[b]).c_str());
        if (L < 0) {
            std::printf(
                "\"longitude\": null, \"sign\": null, \"retrograde\": false, "
                "\"error\": %g}",
                L);
        } else {
            std::printf("\"longitude\": %.6f, \"sign\": %s, \"retrograde\": %s}", ToDegrees(L),
                        JsonString(ZDR::FormatSignPosition(L, false, true)).c_str(),
                        pos[b].blnRetrograde ? "true" : "false");
        }
    }
    std::printf("]}\n");
}

}  // namespace

int PositionsCommand(int argc, char* argv[]) {
    CommandOptions options;
    double jd[3];
    const int code = StartCommand("positions", 0, kHelp, argc, argv, options, jd);
    if (code >= 0)
        return code;
    // The JSON output is data: English names and signs whatever the language.
    if (options.blnJson) {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
    }
    BodyPosition pos[11] = {};
    bool blnFailed = false;
    for (int16_t b = 1; b <= 10; ++b) {
        pos[b].dblLongitude = ZDR::BodyLongitude(b, jd[0]);
        pos[b].blnRetrograde = ZDR::IsRetrograde(b, pos[b].dblLongitude, jd[0]);
        blnFailed = blnFailed || ZDR::PositionFailed(pos[b].dblLongitude);
    }
    if (options.blnJson) {
        PrintJson(jd[0], pos, options.udtSet[0]);
    } else {
        PrintText(jd[0], pos, options.udtSet[0]);
    }
    return PositionsExitCode("positions", blnFailed);
}

}  // namespace cli
