#include <cstdio>
#include <string>

#include "astro/CatalogueCounts.h"
#include "astro/DatePr2.h"
#include "astro/Positions.h"
#include "astro/Turn.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "engine/Angles.h"
#include "engine/AspectTable.h"
#include "engine/Catalogue.h"
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
    "                        and signs are data: English, whatever --language says\n",
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
void PrintText(double jd, const BodyPosition (&pos)[ZDR::intBodySlots]) {
    std::printf("JD %.6f (UT), %s\n", jd, Language::Text(ZDR::blnSidereal ? 44 : 45).c_str());
    for (int16_t b = 1; b <= ZDR::intCatalogueBodies; ++b) {
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

void PrintJson(double jd, const BodyPosition (&pos)[ZDR::intBodySlots]) {
    std::printf("{\"jd\": %.6f, \"sidereal\": %s, \"bodies\": [", jd,
                ZDR::blnSidereal ? "true" : "false");
    for (int16_t b = 1; b <= ZDR::intCatalogueBodies; ++b) {
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
    BodyPosition pos[ZDR::intBodySlots] = {};
    bool blnFailed = false;
    for (int16_t b = 1; b <= ZDR::intCatalogueBodies; ++b) {
        pos[b].dblLongitude = ZDR::BodyLongitude(b, jd[0]);
        pos[b].blnRetrograde = ZDR::IsRetrograde(b, pos[b].dblLongitude, jd[0]);
        blnFailed = blnFailed || ZDR::PositionFailed(pos[b].dblLongitude);
    }
    if (options.blnJson) {
        PrintJson(jd[0], pos);
    } else {
        PrintText(jd[0], pos);
    }
    return PositionsExitCode("positions", blnFailed);
}

}  // namespace cli
