#include "cli/CliReport.h"

#include <cstdio>
#include <string>

#include "astro/Positions.h"
#include "cli/CliCommon.h"
#include "config/Options.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "engine/Report.h"
#include "text/Language.h"

namespace cli {
namespace {

const char* const kHelp =
    "Usage: zodarc-cli report [--state FILE] [--mode MODE] [DATE SETS] [--language en|de]\n"
    "                         [--waxing-waning] [--radians] [--sidereal]\n"
    "                         [--no-transiting-moon] [--json]\n"
    "Computes one mode with the default orbs, or those of a state file, and prints the title\n"
    "and the report that the main window shows beside the table: the aspects by type and\n"
    "their total; in the single-chart modes also the aspect patterns, the midpoints and the\n"
    "retrograde bodies.\n"
    "\n"
    "  --mode MODE           world, natal1, natal2, personal1, personal2 or synastry, as\n"
    "                        for zodarc-cli table (default world)\n"
    "\n";

const char* const kHelpOptions =
    "\n"
    "Only the date sets of the mode are read, in the order world date, 1st, 2nd birthdate;\n"
    "the first invalid one ends the command.\n"
    "\n"
    "  --language en|de      texts in English (default) or German\n"
    "  --waxing-waning       count the waxing and waning aspects (single-chart modes)\n"
    "  --radians             angles in radians: no retrograde line\n"
    "  --sidereal            sidereal instead of tropical zodiac\n"
    "  --no-transiting-moon  personal transits without the transiting Moon\n"
    "  --json                one JSON object: {\"mode\", \"title\", \"report\"}, the report\n"
    "                        with its CR LF line ends\n"
    "\n"
    "The text output is the title, an empty line and the report, one line end each.\n"
    "Exit codes: 0 done, 1 invalid date set or unreadable data files, 2 usage error.\n";

const char* const kModeName[7] = {"",          "world",     "natal1",  "natal2",
                                  "personal1", "personal2", "synastry"};
const char* const kSetName[3] = {"world date", "1st birthdate", "2nd birthdate"};
const char* const kSetPrefix[3] = {"", "birth1-", "birth2-"};

struct ReportOptions {
    int16_t intMode = ZDR::intModeWorldTransits;
    DateSetOptions udtSet[3];
    int16_t intLanguage = Language::intEnglish;
    ZDR::ConfigOptions udtConfig = ZDR::DefaultOptions(Language::intEnglish, {});
    bool blnWaxingWaning = false;
    bool blnRadians = false;
    bool blnSidereal = false;
    bool blnNoTransitingMoon = false;
    bool blnJson = false;
};

// Takes the value of option name at argv[i] ("--name VALUE" or "--name=VALUE"). Returns 1
// with the value, 0 when argv[i] is another option, -1 when the value is missing.
int TakeValue(const std::string& name, int argc, char* argv[], int& i, std::string& value) {
    const std::string arg = argv[i];
    if (arg == name) {
        if (i + 1 >= argc)
            return -1;
        value = argv[++i];
        return 1;
    }
    if (arg.compare(0, name.size() + 1, name + "=") == 0) {
        value = arg.substr(name.size() + 1);
        return 1;
    }
    return 0;
}

bool ParseMode(const std::string& value, int16_t& mode) {
    for (int16_t m = ZDR::intModeWorldTransits; m <= ZDR::intModeSynastry; ++m) {
        if (value == kModeName[m]) {
            mode = m;
            return true;
        }
    }
    return false;
}

bool ParseLanguage(const std::string& value, int16_t& language) {
    if (value == "en" || value == "de") {
        language = value == "de" ? Language::intGerman : Language::intEnglish;
        return true;
    }
    return false;
}

void PrintHelp() {
    std::printf("%s%s\n", kHelp, strStateHelp);
    for (int s = 0; s < 3; ++s)
        std::printf("%s%s:\n%s", s > 0 ? "\n" : "", kSetName[s],
                    DateSetHelp(kSetPrefix[s]).c_str());
    std::printf("%s", kHelpOptions);
}

// Reads the arguments. Returns -1 when done, otherwise the exit code to end with (help
// printed, or a usage error reported).
int ParseArguments(int argc, char* argv[], ReportOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string error;
        int taken = TakeStateOption(argc, argv, i, options.udtSet, options.intMode,
                                    options.udtConfig, error);
        for (int s = 0; s < 3 && taken == 0; ++s)
            taken = TakeDateSetOption(kSetPrefix[s], argc, argv, i, options.udtSet[s], error);
        if (taken < 0) {
            std::fprintf(stderr, "zodarc-cli report: %s\n", error.c_str());
            return intExitUsage;
        }
        if (taken > 0)
            continue;

        std::string value;
        bool blnValid = true;
        const char* expected = "";
        if ((taken = TakeValue("--mode", argc, argv, i, value)) != 0) {
            blnValid = ParseMode(value, options.intMode);
            expected = "world, natal1, natal2, personal1, personal2 or synastry";
        } else if ((taken = TakeValue("--language", argc, argv, i, value)) != 0) {
            blnValid = ParseLanguage(value, options.intLanguage);
            expected = "en or de";
        } else if (arg == "--waxing-waning") {
            options.blnWaxingWaning = true;
        } else if (arg == "--radians") {
            options.blnRadians = true;
        } else if (arg == "--sidereal") {
            options.blnSidereal = true;
        } else if (arg == "--no-transiting-moon") {
            options.blnNoTransitingMoon = true;
        } else if (arg == "--json") {
            options.blnJson = true;
        } else if (arg == "--help" || arg == "-h") {
            PrintHelp();
            return intExitOk;
        } else {
            std::fprintf(stderr,
                         "zodarc-cli report: unknown option '%s' (see zodarc-cli report --help)\n",
                         arg.c_str());
            return intExitUsage;
        }
        if (taken < 0) {
            std::fprintf(stderr, "zodarc-cli report: %s needs a value\n", arg.c_str());
            return intExitUsage;
        }
        if (!blnValid) {
            std::fprintf(stderr, "zodarc-cli report: '%s' after %s: expected %s\n", value.c_str(),
                         arg.substr(0, arg.find('=')).c_str(), expected);
            return intExitUsage;
        }
    }
    return -1;
}

// The report with the shell's line ends: every CR LF becomes LF.
std::string WithLineFeeds(const std::string& text) {
    std::string out;
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

}  // namespace

int ReportCommand(int argc, char* argv[]) {
    ReportOptions options;
    const int parsed = ParseArguments(argc, argv, options);
    if (parsed >= 0)
        return parsed;

    double jd[3] = {-1.0, -1.0, -1.0};
    for (int16_t s = 0; s < 3; ++s) {
        if (!ZDR::ModeUsesDateSet(options.intMode, s))
            continue;
        jd[s] = DateSetJD(options.udtSet[s]);
        if (jd[s] < 0) {
            const std::string reason = options.udtSet[s].blnHasJD
                                           ? "a Julian Day of 0 or more is needed"
                                           : DateSetErrorText(jd[s]);
            std::fprintf(stderr, "zodarc-cli report: %s: %s\n", kSetName[s], reason.c_str());
            return intExitFailed;
        }
    }

    Language::intLanguage = options.intLanguage;
    std::string error;
    if (!PrepareCore(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return intExitFailed;
    }
    if (Language::LoadProgramText(ZDR::strDataFolder, "zdr.dat", error) <= 0) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return intExitFailed;
    }
    ZDR::ConfigOptions config = options.udtConfig;
    config.blnWaxingWaningAspects = config.blnWaxingWaningAspects || options.blnWaxingWaning;
    ZDR::blnSidereal = options.blnSidereal || config.blnSidereal;
    ZDR::blnIncludeTransitingMoon = !options.blnNoTransitingMoon && config.blnIncludeTransitingMoon;
    ZDR::blnWaxingWaningAspects = config.blnWaxingWaningAspects;

    ZDR::ComputeResult result;
    ZDR::ComputeAtJD(options.intMode, jd, options.blnRadians, config, result);
    // As the window shows them after a computation: the table on display, no graphic.
    const std::string title = ZDR::SetModeTitle(options.intMode, false);
    const std::string report =
        ZDR::IsTwoChartMode(options.intMode)
            ? ZDR::BuildTwoChartReport(options.intMode, false, false)
            : ZDR::BuildSingleChartReport(
                  config.blnWaxingWaningAspects, ZDR::MidpointOrb(config.intMidpointOrbIndex),
                  result.intNumRetro, result.strRetroList, options.blnRadians);
    if (options.blnJson) {
        std::printf("{\"mode\": \"%s\", \"title\": %s, \"report\": %s}\n",
                    kModeName[options.intMode], JsonString(title).c_str(),
                    JsonString(report).c_str());
        return intExitOk;
    }
    std::string text = WithLineFeeds(report);
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    std::printf("%s\n\n%s", title.c_str(), text.c_str());
    return intExitOk;
}

}  // namespace cli
