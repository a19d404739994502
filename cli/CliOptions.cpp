#include "cli/CliOptions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <vector>

#include "astro/CatalogueCounts.h"
#include "astro/DatePr2.h"
#include "cli/CliCommon.h"
#include "cli/CliPlace.h"
#include "places/Houses.h"
#include "store/StateFile.h"
#include "text/StrProc.h"

namespace cli {
namespace {

const char* const kModeName[7] = {"",          "world",     "natal1",  "natal2",
                                  "personal1", "personal2", "synastry"};
const char* const kSetHeading[3] = {"World date", "1st birthdate", "2nd birthdate"};
const char* const kSetPrefix[3] = {"", "birth1-", "birth2-"};
bool AllDigits(const std::string& text) {
    if (text.empty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// The value of a text of one or two digits, or -1.
int SmallNumber(const std::string& text) {
    if (text.size() > 2 || !AllDigits(text))
        return -1;
    return std::atoi(text.c_str());
}

// The whole number of a text of at most three digits when it lies within lo..hi; else -1.
int Number(const std::string& text, int lo, int hi) {
    if (text.size() > 3 || !AllDigits(text))
        return -1;
    const int n = std::atoi(text.c_str());
    return n >= lo && n <= hi ? n : -1;
}

// The pieces of text between the separators ("" gives one empty piece).
std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == separator) {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

bool ParseDate(const std::string& value, DateSetOptions& set) {
    DateValue date;
    if (!ParseDateValue(value, date))
        return false;
    set.udtInput.strYearText = date.strYearText;
    set.udtInput.intMonthIndex = date.intMonth;
    set.udtInput.intDayIndex = date.intDay;
    return true;
}

// HH:MM, 00:00 to 23:59; a minute off the half-hour grid needs a place (cli::ResolvePlaces).
bool ParseTime(const std::string& value, DateSetOptions& set) {
    const std::size_t colon = value.find(':');
    if (colon == std::string::npos || value.size() - colon != 3)
        return false;
    const int h = SmallNumber(value.substr(0, colon));
    const int m = SmallNumber(value.substr(colon + 1));
    if (h < 0 || h > 23 || m < 0 || m > 59)
        return false;
    set.intClockMinute = static_cast<int16_t>(h * 60 + m);
    set.udtInput.intHourIndex = DatePr2::HalfHourIndex(value);
    return true;
}

// [GMT|UTC][+|-]H:MM, or [+|-]minutes; a zone of the list, -11:30 to +11:30 in half hours.
bool ParseZone(const std::string& value, DateSetOptions& set) {
    std::string rest = value;
    if (rest.compare(0, 3, "GMT") == 0 || rest.compare(0, 3, "UTC") == 0)
        rest.erase(0, 3);
    int sign = 1;
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
        sign = rest[0] == '-' ? -1 : 1;
        rest.erase(0, 1);
    } else if (rest.empty() && value.size() == 3) {
        rest = "0";  // "GMT" alone
    }
    int minutes;
    const std::size_t colon = rest.find(':');
    if (colon != std::string::npos) {
        const int h = SmallNumber(rest.substr(0, colon));
        const std::string m = rest.substr(colon + 1);
        if (h < 0 || m.size() != 2 || SmallNumber(m) < 0 || SmallNumber(m) > 59)
            return false;
        minutes = h * 60 + SmallNumber(m);
    } else {
        if (rest.size() > 4 || !AllDigits(rest))
            return false;
        minutes = std::atoi(rest.c_str());
    }
    if (minutes > 690 || minutes % 30 != 0)
        return false;
    set.udtInput.intTimezoneIndex =
        static_cast<int16_t>(DatePr2::DefaultTimezoneIndex(sign * minutes));
    return true;
}

bool ParseJD(const std::string& value, DateSetOptions& set) {
    if (value.empty())
        return false;
    char* end = nullptr;
    const double jd = std::strtod(value.c_str(), &end);
    if (*end != '\0' || !(std::fabs(jd) < 1e8))
        return false;
    set.dblJD = jd;
    return true;
}

}  // namespace

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

namespace {

// Reads the date-set option at argv[i] (--<prefix>date, --<prefix>time, --<prefix>zone or
// --<prefix>jd) with its value. Returns 1 when done, 0 when argv[i] is no such option, -1
// with the reason in error when the value is missing or malformed, or when --jd is mixed
// with the other three.
int TakeDateSetOption(const std::string& prefix, bool blnTakesJD, int argc, char* argv[], int& i,
                      DateSetOptions& set, std::string& error) {
    static const char* const kExpected[4] = {
        "YYYY-MM-DD (year 1 to 2799)",
        "HH:MM, 00:00 to 23:59 (on the half-hour grid unless the set has a place)",
        "+HH:MM, -HH:MM or minutes, a half-hour zone from -11:30 to +11:30",
        "a Julian Day in UT, e.g. 2451545.0 (at most 1e8 in size)"};
    const std::string names[4] = {"--" + prefix + "date", "--" + prefix + "time",
                                  "--" + prefix + "zone", "--" + prefix + "jd"};
    for (int which = 0; which < 4; ++which) {
        std::string value;
        const int taken = TakeValue(names[which], argc, argv, i, value);
        if (taken == 0)
            continue;
        if (which == 3 && !blnTakesJD) {
            error = names[3] + ": the command steps a date: give --" + prefix + "date";
            return -1;
        }
        if (taken < 0) {
            error = names[which] + " needs a value";
            return -1;
        }
        const bool blnParsed = which == 0   ? ParseDate(value, set)
                               : which == 1 ? ParseTime(value, set)
                               : which == 2 ? ParseZone(value, set)
                                            : ParseJD(value, set);
        if (!blnParsed) {
            error = names[which] + " '" + value + "': expected " + kExpected[which];
            return -1;
        }
        (which == 3 ? set.blnHasJD : set.blnHasDateParts) = true;
        if (set.blnHasJD && set.blnHasDateParts) {
            error = names[3] + " cannot be combined with " + names[0] + ", " + names[1] + " or " +
                    names[2];
            return -1;
        }
        return 1;
    }
    return 0;
}

// Reads "--state FILE" at argv[i]: a state file (zdr.usr, *.zdr) gives the three date
// sets, the mode (World transits when the file selects none) and the configuration.
// Returns 1 when done, 0 when argv[i] is no such option, -1 with the reason in error when
// the value is missing or the file unreadable.
int TakeStateOption(int argc, char* argv[], int& i, CommandOptions& options, std::string& error) {
    std::string path;
    const int taken = TakeValue("--state", argc, argv, i, path);
    if (taken <= 0) {
        if (taken < 0)
            error = "--state needs a value";
        return taken;
    }
    ZDR::StateFileData state;
    state.options = options.udtConfig;
    error = ZDR::ReadStateFile(path, state);
    if (!error.empty())
        return -1;
    for (int s = 0; s < 3; ++s) {
        options.udtSet[s] = DateSetOptions();
        options.udtSet[s].udtInput = state.dateSets[s];
        options.udtSet[s].udtPlace = state.udtPlaces[s];
        options.udtSet[s].intClockMinute = state.udtPlaces[s].intMinute;
    }
    const int option = ZDR::SelectedModeOption(state);
    // The mode codes follow the order of the file's mode options.
    options.intMode = static_cast<int16_t>(ZDR::intModeWorldTransits + (option < 0 ? 0 : option));
    options.udtConfig = state.options;
    return 1;
}

bool TakeMode(const std::string& value, CommandOptions& options) {
    for (int16_t m = ZDR::intModeWorldTransits; m <= ZDR::intModeSynastry; ++m) {
        if (value == kModeName[m]) {
            options.intMode = m;
            return true;
        }
    }
    return false;
}

bool TakeOrbs(const std::string& value, CommandOptions& options) {
    const std::vector<std::string> parts = Split(value, ',');
    if (parts.size() != static_cast<std::size_t>(ZDR::intCatalogueAspects))
        return false;
    int16_t degrees[ZDR::intCatalogueAspects];
    for (int k = 0; k < ZDR::intCatalogueAspects; ++k) {
        degrees[k] = static_cast<int16_t>(Number(parts[k], 0, ZDR::intNumOrbEntries - 1));
        if (degrees[k] < 0)
            return false;
    }
    std::copy(degrees, degrees + ZDR::intCatalogueAspects, options.udtConfig.intOrbListIndex.begin());
    return true;
}

// Takes a divisor 1..5 into the proportion of orbs of personal transits (intSet 0) or of
// synastry (1).
template <int intSet>
bool TakeProportion(const std::string& value, CommandOptions& options) {
    const int divisor = Number(value, 1, ZDR::intNumProportions);
    if (divisor > 0)
        options.udtConfig.intProportionIndex[intSet] = static_cast<int16_t>(divisor - 1);
    return divisor > 0;
}

bool TakeBoldFraction(const std::string& value, CommandOptions& options) {
    const int divisor = Number(value, 2, 20);
    for (int16_t index = 0; index < ZDR::intNumBoldfaceFactors && divisor > 0; ++index) {
        if (ZDR::BoldfaceDivisor(index) == divisor) {
            options.udtConfig.intBoldfaceFactorIndex = index;
            options.udtConfig.bln1DegOfOrb = false;
            return true;
        }
    }
    return false;
}

bool TakeLanguage(const std::string& value, CommandOptions& options) {
    if (value != "en" && value != "de")
        return false;
    options.intLanguage = value == "de" ? Language::intGerman : Language::intEnglish;
    return true;
}

// The file options of the pictures: the member of options that holds the file name. The
// pictures are written through Qt, whose file names are Unicode: a name that is not UTF-8
// would be written under another name.
template <std::string CommandOptions::*file>
bool TakePictureFile(const std::string& value, CommandOptions& options) {
    for (std::size_t i = 0, n = 0; i < value.size(); i += n) {
        if ((n = StrProc::Utf8CharLength(value, i)) == 0)
            return false;
    }
    options.*file = value;
    return !value.empty();
}

bool TakeScale(const std::string& value, CommandOptions& options) {
    options.intScale = Number(value, 1, 4);
    return options.intScale > 0;
}

bool TakePaper(const std::string& value, CommandOptions& options) {
    const std::string lower = StrProc::LowerCase(value);
    options.intPaper = lower == "a4" ? 1 : lower == "letter" ? 2 : 0;
    return options.intPaper > 0;
}

// The names of the bodies 1..10 and the aspects 1..7 on the command line.
// The bodies, then the natal angles that --transit takes with --angles.
const char* const kBodyWord[ZDR::intPointSlots] = {
    "", "sun", "mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune", "pluto",
    "moon", "ascendant", "midheaven"};
const char* const kAspectWord[ZDR::intAspectSlots] = {
    "", "conjunction", "opposition", "square", "trine", "sextile", "semisextile", "quincunx"};

// The index of word (any case) among words[1..count-1]; 0 when it is none of them.
int16_t WordIndex(const std::string& word, const char* const* words, int16_t count) {
    const std::string lower = StrProc::LowerCase(word);
    for (int16_t i = 1; i < count; ++i) {
        if (lower == words[i])
            return i;
    }
    return 0;
}

// TRANSITING,ASPECT,NATAL: "saturn,square,sun".
bool TakeTransit(const std::string& value, CommandOptions& options) {
    const std::vector<std::string> parts = Split(value, ',');
    if (parts.size() != 3)
        return false;
    options.intTransitBody = WordIndex(parts[0], kBodyWord, ZDR::intBodySlots);
    options.intTransitAspect = WordIndex(parts[1], kAspectWord, ZDR::intAspectSlots);
    options.intNatalBody = WordIndex(parts[2], kBodyWord, ZDR::intPointSlots);
    return options.intTransitBody > 0 && options.intTransitAspect > 0 && options.intNatalBody > 0;
}

bool TakeHouseSystem(const std::string& value, CommandOptions& options) {
    options.intHouseSystem = Places::HouseSystemIndex(value);
    return options.intHouseSystem >= 0;
}

// An option besides the date sets and --state: one with a value, which take reads (and
// tells whether it was good), or a switch, which sets its flag.
struct OptionEntry {
    const char* name;
    unsigned groups;       // the group that offers it; 0 for every command
    const char* expected;  // the values it takes; nullptr for a switch
    bool (*take)(const std::string& value, CommandOptions& options);
    bool CommandOptions::*flag;  // the flag of a switch
    const char* help;            // its --help lines; nullptr for --json, told by the command
};

const OptionEntry kOptions[] = {
    {"--mode", intTakesCharts, "world, natal1, natal2, personal1, personal2 or synastry", TakeMode,
     nullptr,
     "  --mode MODE           world      World transits: the world date among itself\n"
     "                        natal1     Natal aspects of the 1st birthdate\n"
     "                        natal2     Natal aspects of the 2nd birthdate\n"
     "                        personal1  Personal transits: world date (columns) against\n"
     "                                   the 1st birthdate (rows)\n"
     "                        personal2  the same with the 2nd birthdate\n"
     "                        synastry   1st birthdate (columns) against the 2nd (rows)\n"
     "                        (default world)\n"},
    {"--orbs", intTakesCharts, "seven whole degrees 0..15, comma-separated", TakeOrbs, nullptr,
     "  --orbs LIST           the orbs in whole degrees 0..15 of conjunction, opposition,\n"
     "                        square, trine, sextile, semisextile, quincunx, comma-separated\n"
     "                        (default 10,9,6,7,5,4,5); 0 switches an aspect off\n"},
    {"--personal", intTakesCharts, "a divisor 1..5", TakeProportion<0>, nullptr,
     "  --personal N          personal transits use the orbs divided by N, 1..5 (default 3)\n"},
    {"--synastry", intTakesCharts, "a divisor 1..5", TakeProportion<1>, nullptr,
     "  --synastry N          synastry uses the orbs divided by N, 1..5 (default 3)\n"},
    {"--bold-fraction", intTakesCharts, "one of 2 3 4 5 6 8 10 15 20", TakeBoldFraction, nullptr,
     "  --bold-fraction N     boldface below orb / N, N one of 2 3 4 5 6 8 10 15 20, instead\n"
     "                        of below 1 degree\n"},
    {"--no-bold", intTakesCharts, nullptr, nullptr, &CommandOptions::blnNoBold,
     "  --no-bold             no boldface\n"},
    {"--no-transiting-moon", intTakesCharts, nullptr, nullptr, &CommandOptions::blnNoTransitingMoon,
     "  --no-transiting-moon  personal transits without the transiting Moon\n"},
    {"--waxing-waning", intTakesWaxingWaning, nullptr, nullptr, &CommandOptions::blnWaxingWaning,
     "  --waxing-waning       count the waxing and waning aspects (single-chart modes)\n"},
    {"--sidereal", 0, nullptr, nullptr, &CommandOptions::blnSidereal,
     "  --sidereal            sidereal instead of tropical zodiac\n"},
    {"--radians", intTakesCharts, nullptr, nullptr, &CommandOptions::blnRadians,
     "  --radians             angles in radians with 4 decimals (the report then has no\n"
     "                        retrograde line)\n"},
    {"--language", 0, "en or de", TakeLanguage, nullptr,
     "  --language en|de      language of the results: names of bodies, signs and aspects,\n"
     "                        titles, table texts and reports (default en); the help and\n"
     "                        the error messages are in English\n"},
    {"--png", intTakesPicture, "a file name in UTF-8", TakePictureFile<&CommandOptions::strPng>,
     nullptr, "  --png FILE            the PNG picture to write (replaced when it exists)\n"},
    {"--scale", intTakesPicture, "a factor 1..4", TakeScale, nullptr,
     "  --scale N             the PNG at N times the picture's size, 1..4 (default 1), for\n"
     "                        print and slides\n"},
    {"--svg", intTakesPicture, "a file name in UTF-8", TakePictureFile<&CommandOptions::strSvg>,
     nullptr,
     "  --svg FILE            the picture as SVG, its texts as text (replaced when it exists)\n"},
    {"--pdf", intTakesPicture, "a file name in UTF-8", TakePictureFile<&CommandOptions::strPdf>,
     nullptr,
     "  --pdf FILE            the picture as a PDF page of its own size, its texts as text\n"},
    {"--sheet", intTakesPicture, "a file name in UTF-8", TakePictureFile<&CommandOptions::strSheet>,
     nullptr,
     "  --sheet FILE          the chart sheet as a one-page PDF: title, dates, the wheel, the\n"
     "                        aspect table and the report, in the language chosen\n"},
    {"--paper", intTakesPicture, "a4 or letter", TakePaper, nullptr,
     "  --paper a4|letter     the chart sheet's paper (default: the locale's, Letter in the\n"
     "                        USA and Canada, A4 elsewhere)\n"},
    {"--transit", intTakesPicture, "TRANSITING,ASPECT,NATAL such as saturn,square,sun", TakeTransit,
     nullptr,
     "  --transit T,A,N       personal transits: instead of the wheel, the transit graphic of\n"
     "                        transiting body T in aspect A to natal body N, as saturn,\n"
     "                        square,sun (bodies sun, mercury .. pluto, moon, and with\n"
     "                        --angles the natal ascendant or midheaven; aspects\n"
     "                        conjunction, opposition, square, trine, sextile, semisextile,\n"
     "                        quincunx); the aspect must stand at the world date\n"},
    {"--aries-right", intTakesPicture, nullptr, nullptr, &CommandOptions::blnAriesRight,
     "  --aries-right         a wheel with houses keeps 0 degrees Aries on the right, as\n"
     "                        a wheel without a place (default: the Ascendant on the left)\n"},
    {"--angles", intTakesAngles, nullptr, nullptr, &CommandOptions::blnAngles,
     "  --angles              the Ascendant and the Midheaven of a birthdate with a place\n"
     "                        take part in the aspects (the mode's birthdates need a place)\n"},
    {"--house-system", intTakesHouses | intTakesAngles,
     "placidus, koch, porphyry, regiomontanus, campanus, equal, whole-sign, alcabitius or "
     "topocentric",
     TakeHouseSystem, nullptr,
     "  --house-system NAME   placidus (default), koch, porphyry, regiomontanus, campanus,\n"
     "                        equal (from the Ascendant), whole-sign, alcabitius or\n"
     "                        topocentric\n"},
    {"--json", 0, nullptr, nullptr, &CommandOptions::blnJson, nullptr},
};

// Reads the option of kOptions at argv[i] that the groups offer. Returns 1 when done, 0
// when argv[i] is none of them, -1 with the reason in error.
int TakeListedOption(unsigned groups, int argc, char* argv[], int& i, CommandOptions& options,
                     std::string& error) {
    const std::string arg = argv[i];
    for (const OptionEntry& entry : kOptions) {
        if (entry.groups != 0 && (entry.groups & groups) == 0)
            continue;
        if (!entry.expected) {
            if (arg != entry.name)
                continue;
            options.*entry.flag = true;
            return 1;
        }
        std::string value;
        const int taken = TakeValue(entry.name, argc, argv, i, value);
        if (taken == 0)
            continue;
        if (taken < 0) {
            error = std::string(entry.name) + " needs a value";
        } else if (!entry.take(value, options)) {
            error = "'" + value + "' after " + entry.name + ": expected " + entry.expected;
            return -1;
        }
        return taken;
    }
    return 0;
}

// Returns the --help lines describing the date-set options with the given prefix.
std::string DateSetHelp(const std::string& prefix, bool blnTakesJD) {
    static const char* const kLines[][2] = {
        {"date YYYY-MM-DD", "civil date, proleptic Gregorian, 0001-01-01 to 2799-12-31"},
        {"time HH:MM", "local time on the half-hour grid (default 12:00); with a"},
        {"", "place any minute, 00:00 to 23:59"},
        {"zone ZONE", "zone east of Greenwich: +HH:MM, -HH:MM, GMT+H:MM or minutes,"},
        {"", "-11:30 to +11:30 in half hours (default GMT)"},
        {"jd JD", "a Julian Day in UT instead of date, time and zone"}};
    // The jd line comes last.
    return OptionHelpLines(prefix, kLines, std::size(kLines) - (blnTakesJD ? 0 : 1)) +
           PlaceHelp(prefix);
}

// Prints the help of a command that takes the groups given: its usage, the options, the
// date sets, its notes and the exit codes.
void PrintHelp(unsigned groups, const CommandHelp& help) {
    const bool blnCharts = (groups & intTakesCharts) != 0;
    std::printf("%s\n", help.strUsage);
    if (blnCharts) {
        std::printf(
            "  --state FILE          date sets, mode and configuration of a state\n"
            "                        file (zdr.usr, *.zdr); options after it change "
            "them\n");
    }
    for (const OptionEntry& entry : kOptions) {
        if (entry.groups == 0 || (entry.groups & groups) != 0)
            std::printf("%s", entry.help ? entry.help : help.strJson);
    }
    if (!blnCharts) {
        std::printf("\nDate set:\n%s", DateSetHelp(kSetPrefix[0], (groups & intStepsADate) == 0).c_str());
    } else {
        for (int s = 0; s < 3; ++s) {
            std::printf("\n%s:\n%s", kSetHeading[s], DateSetHelp(kSetPrefix[s], true).c_str());
        }
        std::printf(
            "\nOnly the date sets of the mode are read, in the order world date, 1st, 2nd\n"
            "birthdate; the first invalid one ends the command.\n");
    }
    std::printf("\n%s%s", help.strNotes,
                help.strExitCodes ? help.strExitCodes
                                  : "Exit codes: 0 done, 1 invalid date set or unreadable data "
                                    "files, 2 usage error.\n");
}
}  // namespace

bool ParseDateValue(const std::string& text, DateValue& date) {
    std::string rest = text;
    std::string sign;
    if (!rest.empty() && (rest[0] == '-' || rest[0] == '+')) {
        sign = rest.substr(0, 1);
        rest.erase(0, 1);
    }
    const std::vector<std::string> parts = Split(rest, '-');
    const std::size_t count = parts.size();
    if (count > 3 || !AllDigits(parts[0]))
        return false;
    int month = 0;
    int day = 0;
    if (count >= 2 && (month = SmallNumber(parts[1])) < 1)
        return false;
    if (count == 3 && (day = SmallNumber(parts[2])) < 1)
        return false;
    // The year box has no sign: a year before 1 stands as the year 0, which is as early.
    date.strYearText = sign == "-" ? "0" : parts[0];
    date.intMonth = static_cast<int16_t>(month);
    date.intDay = static_cast<int16_t>(day);
    return true;
}

int32_t DateOptionDay(const std::string& text) {
    DateValue date;
    if (!ParseDateValue(text, date) || date.intDay == 0)
        return -1;
    const double day = DatePr2::DateSetToLocalDay(date.strYearText, date.intMonth, date.intDay, 1);
    return day < 0 ? -1 : static_cast<int32_t>(day);
}

std::string OptionHelpLines(const std::string& prefix, const char* const (*lines)[2],
                            std::size_t count) {
    std::string help;
    for (std::size_t k = 0; k < count; ++k) {
        const std::string option = lines[k][0][0] ? "--" + prefix + lines[k][0] : "";
        // An option too long for its column stands on a line of its own.
        if (option.size() > 21)
            help += "  " + option + "\n";
        char text[160];
        std::snprintf(text, sizeof text, "  %-21s %s\n", option.size() > 21 ? "" : option.c_str(),
                      lines[k][1]);
        help += text;
    }
    return help;
}

int ParseCommandOptions(const char* command, unsigned groups, const CommandHelp& help, int argc,
                        char* argv[], CommandOptions& options) {
    const bool blnCharts = (groups & intTakesCharts) != 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string error;
        int taken = blnCharts ? TakeStateOption(argc, argv, i, options, error) : 0;
        for (int s = 0; s < (blnCharts ? 3 : 1) && taken == 0; ++s)
            taken = TakeDateSetOption(kSetPrefix[s], (groups & intStepsADate) == 0, argc, argv,
                                      i, options.udtSet[s], error);
        for (int s = 0; s < (blnCharts ? 3 : 1) && taken == 0; ++s)
            taken = TakePlaceOption(kSetPrefix[s], argc, argv, i, options.udtSet[s], error);
        if (taken == 0)
            taken = TakeListedOption(groups, argc, argv, i, options, error);
        if (taken == 0 && (arg == "--help" || arg == "-h")) {
            PrintHelp(groups, help);
            return intExitOk;
        }
        if (taken == 0) {
            error = "unknown option '" + arg + "' (see zodarc-cli " + command + " --help)";
        }
        if (taken <= 0) {
            std::fprintf(stderr, "zodarc-cli %s: %s\n", command, error.c_str());
            return intExitUsage;
        }
    }
    return ResolvePlaces(command, options);
}
const char* ModeName(int16_t mode) {
    return mode >= ZDR::intModeWorldTransits && mode <= ZDR::intModeSynastry ? kModeName[mode] : "";
}
}  // namespace cli
