// zodarc-cli houses: the Ascendant, the Midheaven, the twelve cusps and each body's house
// for one date set with a place.
#include <cstdio>
#include <string>

#include "astro/CatalogueCounts.h"
#include "astro/DatePr2.h"
#include "astro/Positions.h"
#include "astro/Turn.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "config/OptionsInForce.h"
#include "engine/Angles.h"
#include "engine/Catalogue.h"
#include "places/HouseTexts.h"
#include "places/Houses.h"
#include "text/Language.h"

namespace cli {
namespace {

const CommandHelp kHelp = {
    "Usage: zodarc-cli houses DATE SET WITH A PLACE [--house-system NAME] [--sidereal]\n"
    "                         [--language en|de] [--json]\n"
    "Prints the Ascendant, the Midheaven and the twelve house cusps of one moment at one\n"
    "place, and the house of each body. Placidus and Koch are not defined beyond the polar\n"
    "circles: there the Porphyry cusps are given instead, and said so.\n",
    "  --json                one JSON object: {\"system\": .., \"fallback\": null or the\n"
    "                        system used instead, \"jd\": .., \"ascendant\": ..,\n"
    "                        \"midheaven\": .., \"cusps\": [twelve longitudes in degrees,\n"
    "                        house 1 first], \"houses\": {\"Sun\": 10, ..}} (a body\n"
    "                        without a position has null)\n",
    "The date set needs a place: --place NAME, or --lat, --lon and --tz.\n"};

double Degrees(double radians) {
    return radians / ZDR::dblTurn * 360;
}

void PrintJson(double jd, const Places::Houses& h, const double (&L)[ZDR::intBodySlots]) {
    std::printf("{\"system\": \"%s\", \"fallback\": ", Places::strHouseSystemName[h.intSystem]);
    if (h.FellBack()) {
        std::printf("\"%s\"", Places::strHouseSystemName[h.intSystemUsed]);
    } else {
        std::printf("null");
    }
    std::printf(", \"jd\": %.6f, \"ascendant\": %.6f, \"midheaven\": %.6f, \"cusps\": [", jd,
                Degrees(h.dblAscendant), Degrees(h.dblMidheaven));
    for (int k = 1; k <= 12; ++k)
        std::printf("%s%.6f", k > 1 ? ", " : "", Degrees(h.dblCusp[k]));
    std::printf("], \"houses\": {");
    for (int16_t b = 1; b <= ZDR::intCatalogueBodies; ++b) {
        std::printf("%s%s: ", b > 1 ? ", " : "", JsonString(ZDR::strBodyName[b]).c_str());
        if (L[b] < 0) {
            std::printf("null");
        } else {
            std::printf("%d", Places::HouseOf(h, L[b]));
        }
    }
    std::printf("}}\n");
}

void PrintText(double jd, const Places::Houses& h, const double (&L)[ZDR::intBodySlots]) {
    std::printf("JD %.6f (UT), %s\n", jd, Places::HouseSystemTitle(h).c_str());
    if (h.FellBack())
        std::printf("%s\n", Places::HouseFallbackText(h).c_str());
    for (const std::string& line : Places::HouseLines(h, L))
        std::printf("%s\n", line.c_str());
}

}  // namespace

int HousesCommand(int argc, char* argv[]) {
    CommandOptions options;
    double jd[3];
    const int code = StartCommand("houses", intTakesHouses, kHelp, argc, argv, options, jd);
    if (code >= 0)
        return code;
    const Places::DatePlace& place = options.udtSet[0].udtPlace;
    if (!place.blnSet) {
        std::fprintf(stderr,
                     "zodarc-cli houses: houses need a place: --place NAME, or --lat, --lon and "
                     "--tz\n");
        return intExitUsage;
    }
    if (options.blnJson) {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
    }
    const bool blnSidereal = ZDR::OptionsInForce().blnSidereal;
    const Places::Houses houses = Places::ComputeHouses(
        jd[0], place.dblLatitude, place.dblLongitude, options.intHouseSystem, blnSidereal);
    double L[ZDR::intBodySlots] = {};
    bool blnFailed = false;
    for (int16_t b = 1; b <= ZDR::intCatalogueBodies; ++b) {
        L[b] = ZDR::BodyLongitudeIn(b, jd[0], blnSidereal);
        blnFailed = blnFailed || ZDR::PositionFailed(L[b]);
    }
    if (options.blnJson) {
        PrintJson(jd[0], houses, L);
    } else {
        PrintText(jd[0], houses, L);
    }
    return PositionsExitCode("houses", blnFailed);
}

}  // namespace cli
