#include <cstdio>
#include <string>

#include "astro/Positions.h"
#include "astro/Turn.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "engine/Angles.h"
#include "engine/AspectTable.h"
#include "engine/Catalogue.h"

namespace cli {
namespace {

const char* const kHelp =
    "Usage: zodarc-cli positions [DATE SET] [--sidereal] [--json]\n"
    "Prints the geocentric longitude of the Sun, Mercury .. Pluto and the Moon at one\n"
    "moment: degrees with six decimals, the position in its sign and whether the body is\n"
    "retrograde.\n"
    "\n"
    "Date set:\n";

const char* const kHelpOptions =
    "\n"
    "  --sidereal            sidereal instead of tropical zodiac\n"
    "  --json                one JSON object: {\"jd\": .., \"sidereal\": .., \"bodies\":\n"
    "                        [{\"name\": \"Sun\", \"longitude\": .., \"sign\": ..,\n"
    "                        \"retrograde\": ..}, ..]} in the order Sun .. Pluto, Moon;\n"
    "                        a body without a position has \"longitude\": null and its\n"
    "                        \"error\" code (-99, -100 or another negative value)\n"
    "\n"
    "A body without a position shows '<' before 1 January 1600, '>' after 31 December\n"
    "2099 (the Moon and Pluto), '?' when the ephemeris cannot give one.\n"
    "Exit codes: 0 done, 1 invalid date set or unreadable data files, 2 usage error.\n";

struct BodyPosition {
    double dblLongitude;  // radians, or a negative code
    bool blnRetrograde;
};

// Words after the mark of a body without a position.
const char* UnavailableText(double code) {
    if (code == ZDR::dblBeforeRange)
        return "no position before 1 January 1600";
    if (code == ZDR::dblAfterRange)
        return "no position after 31 December 2099";
    return "no position";
}

double ToDegrees(double radians) {
    return radians / ZDR::dblTurn * 360;
}

void PrintText(double jd, const BodyPosition (&pos)[11]) {
    std::printf("JD %.6f (UT), %s zodiac\n", jd, ZDR::blnSidereal ? "sidereal" : "tropical");
    for (int16_t b = 1; b <= 10; ++b) {
        const double L = pos[b].dblLongitude;
        if (L < 0) {
            std::printf("%-8s %11s  %s\n", ZDR::strBodyName[b].c_str(),
                        ZDR::PositionCellText(L, false, false).c_str(), UnavailableText(L));
            continue;
        }
        std::printf("%-8s %11.6f  %-9s  %s\n", ZDR::strBodyName[b].c_str(), ToDegrees(L),
                    ZDR::FormatSignPosition(L, false, true).c_str(),
                    pos[b].blnRetrograde ? "retrograde" : "direct");
    }
}

void PrintJson(double jd, const BodyPosition (&pos)[11]) {
    std::printf("{\"jd\": %.6f, \"sidereal\": %s, \"bodies\": [", jd,
                ZDR::blnSidereal ? "true" : "false");
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
    DateSetOptions set;
    bool blnSidereal = false;
    bool blnJson = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string error;
        const int taken = TakeDateSetOption("", argc, argv, i, set, error);
        if (taken < 0) {
            std::fprintf(stderr, "zodarc-cli positions: %s\n", error.c_str());
            return intExitUsage;
        }
        if (taken > 0)
            continue;
        if (arg == "--sidereal") {
            blnSidereal = true;
        } else if (arg == "--json") {
            blnJson = true;
        } else if (arg == "--help" || arg == "-h") {
            std::printf("%s%s%s", kHelp, DateSetHelp("").c_str(), kHelpOptions);
            return intExitOk;
        } else {
            std::fprintf(stderr,
                         "zodarc-cli positions: unknown option '%s' (see zodarc-cli positions "
                         "--help)\n",
                         arg.c_str());
            return intExitUsage;
        }
    }
    const double jd = DateSetJD(set);
    if (jd < 0 && !set.blnHasJD) {
        std::fprintf(stderr, "zodarc-cli positions: %s\n", DateSetErrorText(jd).c_str());
        return intExitFailed;
    }
    std::string error;
    if (!PrepareCore(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return intExitFailed;
    }
    ZDR::blnSidereal = blnSidereal;
    BodyPosition pos[11] = {};
    for (int16_t b = 1; b <= 10; ++b) {
        pos[b].dblLongitude = ZDR::BodyLongitude(b, jd);
        pos[b].blnRetrograde = ZDR::IsRetrograde(b, pos[b].dblLongitude, jd);
    }
    if (blnJson) {
        PrintJson(jd, pos);
    } else {
        PrintText(jd, pos);
    }
    return intExitOk;
}

}  // namespace cli
