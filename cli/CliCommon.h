#pragma once
// What the commands of zodarc-cli share: one parser for their options (date sets, state
// file, mode, orbs, display and language), the start-up of the core with the data files
// beside the executable, JSON text and the exit codes.

#include <cstdint>
#include <string>

#include "config/Options.h"
#include "engine/Compute.h"
#include "text/Language.h"

namespace cli {

// Exit codes of every command.
constexpr int intExitOk = 0;
constexpr int intExitFailed = 1;  // invalid date set, data files unreadable
constexpr int intExitUsage = 2;   // unknown option, malformed or missing value

// A date set as given on the command line, in the terms of the date module.
struct DateSetOptions {
    std::string strYear;           // year text, "" when no date was given
    int intMonth = 0;              // month index 1..12, 0 when not given
    int intDay = 0;                // day index 1.., 0 when not given
    int intHalfHour = 25;          // half-hour index 1 (00:00) .. 48 (23:30); 25 is 12:00
    int intZoneMinutes = 0;        // zone offset, minutes east of Greenwich
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
// in the options' language, the zodiac, transiting-Moon and waxing-waning switches, and in
// config the configuration with the switches applied. Returns -1 when ready; otherwise
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

// Ends a command whose output holds positions: prints on standard error, in the current
// language, the message of each ephemeris file whose trouble the positions met (a missing
// file, for which the analytic theory stood in, a damaged one or a special file in its
// place). Returns intExitFailed when blnPositionFailed (a position the output holds could
// not be computed), else intExitOk.
int FinishPositions(const char* command, bool blnPositionFailed);

// Returns whether a body of the charts of mode 1..6, as the last computation left them in
// dblPos, has no position because the ephemeris failed.
bool ChartPositionFailed(int16_t mode);

// Points the core at its data files (beside the executable, else <prefix>/share/zodarc),
// fills the catalogue and reads the Pluto table. Returns false with the message in error.
bool PrepareCore(std::string& error);

}  // namespace cli
