#pragma once
// What the commands of zodarc-cli share: one parser for their options (date sets, state
// file, mode, orbs, display and language), the start-up of the core with the data files
// beside the executable, JSON text and the exit codes.

#include <cstdint>
#include <string>

#include "astro/DateInput.h"
#include "config/Options.h"
#include "engine/Compute.h"
#include "text/Language.h"

namespace cli {

// Exit codes of every command.
constexpr int intExitOk = 0;
constexpr int intExitFailed = 1;  // invalid date set, data files unreadable
constexpr int intExitUsage = 2;   // unknown option, malformed or missing value

// A date set as given on the command line or by a state file: the window's controls of
// the set (an empty hour is 12:00, an empty timezone GMT), or a JD.
struct DateSetOptions {
    DatePr2::DateSetInput udtInput;
    bool blnHasDateParts = false;  // one of --date, --time, --zone was given
    bool blnHasJD = false;         // --jd was given; dblJD stands for the whole set
    double dblJD = 0;              // JD (UT)
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
};

// The option groups a command takes besides those every command takes (the world date
// set, --sidereal, --language, --json and --help).
constexpr unsigned intTakesCharts = 1;        // --state, --mode, the birthdates, orbs, boldface,
                                              // --no-transiting-moon, --radians
constexpr unsigned intTakesWaxingWaning = 2;  // --waxing-waning

// A command's own parts of its --help: the usage lines and what the command does, the
// lines that describe its --json output, and the closing notes on its text output.
struct CommandHelp {
    const char* strUsage;
    const char* strJson;
    const char* strNotes;
};

// Starts a command: reads the arguments after its name (argv[0] is the name) into options,
// taking the groups given, then readies a computation of the options' mode: the JD (UT) of
// each date set the mode reads into jd (-1 for the others), the core with its program text
// in the options' language, and in force (and in config) the configuration with the
// switches applied. Returns -1 when ready; otherwise
// the exit code after printing: intExitOk the help for --help, intExitUsage
// "zodarc-cli COMMAND: reason" for an unknown option, a missing or malformed value or an
// unreadable state file, intExitFailed the first invalid date set or the data files' message.
int StartCommand(const char* command, unsigned groups, const CommandHelp& help, int argc,
                 char* argv[], CommandOptions& options, double (&jd)[3],
                 ZDR::ConfigOptions& config);

// Returns the command-line name of mode code 1..6 (world, natal1, natal2, personal1,
// personal2, synastry); "" for another code.
const char* ModeName(int16_t mode);

// Returns text as a JSON string literal, quotes included (UTF-8 passes unchanged).
std::string JsonString(const std::string& text);

// Starts the core from the data files of this executable (ZDR::DataFolder: beside it, else
// <prefix>/share/zodarc), the names in the current language, and prints each message of
// the start-up on standard error after prefix. Returns whether the core started.
bool StartCoreFromExecutable(const std::string& prefix);

}  // namespace cli
