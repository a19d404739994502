#pragma once
// The options of the commands of zodarc-cli and their one parser: date sets, state file,
// mode, orbs, display and language, and each command's --help.

#include <cstddef>
#include <cstdint>
#include <string>

#include "astro/DateInput.h"
#include "config/Options.h"
#include "engine/Compute.h"
#include "places/DatePlace.h"
#include "text/Language.h"

namespace cli {

// A date as every date option takes it: YYYY-MM-DD, or YYYY-MM and YYYY that a date set
// then calls incomplete. The year is digits, after a sign for a year before 1; month and
// day are one or two digits, neither 0.
struct DateValue {
    std::string strYearText;  // as the year box holds it: "0" for a year before 1
    int16_t intMonth = 0;     // 1..99, 0 when not given
    int16_t intDay = 0;       // 1..99, 0 when not given
};

// Returns whether text is a date of that form, read into date; nothing else is taken.
bool ParseDateValue(const std::string& text, DateValue& date);

// Returns the JDN of text, a whole date YYYY-MM-DD that exists and lies within 1 January 1
// to 31 December 2799; -1 for anything else.
int32_t DateOptionDay(const std::string& text);

// A date set as given on the command line or by a state file: the window's controls of
// the set (an empty hour is 12:00, an empty timezone GMT), or a JD.
struct DateSetOptions {
    DatePr2::DateSetInput udtInput;
    bool blnHasDateParts = false;  // one of --date, --time, --zone was given
    bool blnHasJD = false;         // --jd was given; dblJD stands for the whole set
    double dblJD = 0;              // JD (UT)
    int16_t intClockMinute = -1;   // --time as minutes of the day, also off the half-hour grid
    // The place: --place NAME (strPlaceName) or --lat, --lon, --tz (each marked in
    // intPlaceParts), made into udtPlace by cli::ResolvePlaces; udtMoment is the set read
    // at its place by the start of a command.
    std::string strPlaceName;
    unsigned intPlaceParts = 0;
    Places::DatePlace udtPlace;
    Places::PlaceMoment udtMoment;
};

// What the options of a command give. The switches (--no-bold, --sidereal,
// --no-transiting-moon, --waxing-waning) hold wherever they stand, also before a --state.
struct CommandOptions {
    int16_t intMode = ZDR::intModeWorldTransits;
    DateSetOptions udtSet[3];  // world date, 1st birthdate, 2nd birthdate
    ZDR::ConfigOptions udtConfig = ZDR::DefaultOptions(Language::intEnglish, {});
    int16_t intLanguage = Language::intEnglish;
    bool blnNoBold = false;
    bool blnSidereal = false;
    bool blnNoTransitingMoon = false;
    bool blnWaxingWaning = false;
    bool blnRadians = false;
    bool blnJson = false;
    std::string strPng;    // --png: the picture a command writes
    std::string strSvg;    // --svg: the same as SVG
    std::string strPdf;    // --pdf: the same as a one-page PDF
    std::string strSheet;  // --sheet: the chart sheet as PDF
    int intScale = 1;      // --scale: the PNG at 1..4 times the picture's size
    int16_t intPaper = 0;  // --paper: the sheet's paper, 0 the locale's, 1 A4, 2 Letter
    // --transit: the transit whose graphic a command draws, transiting body 1..10, aspect
    // 1..7 and natal body 1..10; all 0 when not given.
    int16_t intTransitBody = 0;
    int16_t intTransitAspect = 0;
    int16_t intNatalBody = 0;
    int16_t intHouseSystem = 0;  // --house-system: Places::intPlacidus ..
    bool blnAngles = false;      // --angles: the birthdates' angles take part in aspects
    ZDR::SetAngles udtAngles;    // with --angles, those angles (StartCommand finds them)
    bool blnAriesRight = false;  // --aries-right: a wheel with houses not turned
};

// The option groups a command takes besides those every command takes (the world date
// set, --sidereal, --language, --json and --help).
constexpr unsigned intTakesCharts = 1;        // --state, --mode, the birthdates, orbs, boldface,
                                              // --no-transiting-moon, --radians
constexpr unsigned intTakesWaxingWaning = 2;  // --waxing-waning
constexpr unsigned intTakesPicture = 4;       // --png, --svg, --pdf, --sheet, --scale,
                                              // --paper, --transit
constexpr unsigned intStepsADate = 8;         // the world date is a date to step: no --jd
constexpr unsigned intTakesHouses = 16;       // --house-system
constexpr unsigned intTakesAngles = 32;       // --angles (and --house-system)

// A command's own parts of its --help: the usage lines and what the command does, the
// lines that describe its --json output, the closing notes on its text output, and the
// line of its exit codes when they are not those of every command.
struct CommandHelp {
    const char* strUsage;
    const char* strJson;
    const char* strNotes;
    const char* strExitCodes = nullptr;
};

// Reads the arguments after a command's name (argv[0] is the name) into options, taking
// the groups given. Returns -1 when all were read, otherwise the exit code after printing:
// intExitOk the help for --help, intExitUsage "zodarc-cli COMMAND: reason" for an unknown
// option, a missing or malformed value or an unreadable state file.
int ParseCommandOptions(const char* command, unsigned groups, const CommandHelp& help, int argc,
                        char* argv[], CommandOptions& options);

// Takes the value of option name at argv[i] ("--name VALUE" or "--name=VALUE") and moves i
// onto it. Returns 1 with the value, 0 when argv[i] is another option, -1 when the value is
// missing.
int TakeValue(const std::string& name, int argc, char* argv[], int& i, std::string& value);

// Returns --help lines of options: each entry of lines is an option name without "--" (the
// prefix goes in front; "" continues the line before) and its description, in two columns.
std::string OptionHelpLines(const std::string& prefix, const char* const (*lines)[2],
                            std::size_t count);

// Returns the command-line name of mode code 1..6 (world, natal1, natal2, personal1,
// personal2, synastry); "" for another code.
const char* ModeName(int16_t mode);

}  // namespace cli
