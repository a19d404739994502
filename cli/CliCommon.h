#pragma once
// What the commands of zodarc-cli share: the exit codes, the start of a command (its
// options, cli/CliOptions.h, then the core with the data files beside the executable) and
// JSON text.

#include <cstdint>
#include <string>

#include "cli/CliOptions.h"
#include "engine/Compute.h"
#include "places/Houses.h"

namespace cli {

// Exit codes of every command.
constexpr int intExitOk = 0;
constexpr int intExitFailed = 1;  // invalid date set, data files unreadable
constexpr int intExitUsage = 2;   // unknown option, malformed or missing value

// Starts a command: reads the arguments after its name (argv[0] is the name) into options,
// taking the groups given, then readies a computation of the options' mode: the JD (UT) of
// each date set the mode reads into jd (-1 for the others), the core with its program text
// in the options' language, in force (ZDR::OptionsInForce) the configuration with the
// switches applied, and with --angles the angles of the mode's birthdates into options.
// Returns -1 when ready; otherwise the exit code after printing: intExitOk the help for
// --help, intExitUsage "zodarc-cli COMMAND: reason" for an unknown option, a missing or
// malformed value, an unreadable state file or --angles without a place, intExitFailed
// the first invalid date set or the data files' message.
int StartCommand(const char* command, unsigned groups, const CommandHelp& help, int argc,
                 char* argv[], CommandOptions& options, double (&jd)[3]);

// Returns the timezone entry of a date set: an empty timezone is GMT, and so is a Julian
// Day. ZoneMinutes gives its offset, minutes east of Greenwich; for a set read at its place
// the offset of the place's clock (rounded to the minute).
int16_t ZoneIndex(const DateSetOptions& set);
int16_t ZoneMinutes(const DateSetOptions& set);

// Returns the date of a local day number (JDN + fraction) as "YYYY-MM-DD", the year in at
// least four digits ("0500-05-30").
std::string DayText(double day);

// Returns text as a JSON string literal, quotes included (UTF-8 passes unchanged).
std::string JsonString(const std::string& text);

// Starts the core from the data files of this executable (ZDR::DataFolder: beside it, else
// <prefix>/share/zodarc), the names in the current language, and prints each message of
// the start-up on standard error after prefix, those on the ephemeris files among them.
// Returns whether the core started.
bool StartCoreFromExecutable(const std::string& prefix);

// Returns the exit code of a command whose output holds positions: intExitFailed when
// blnPositionFailed (a position it printed could not be computed; the start-up has named
// the ephemeris file to blame), else intExitOk.
int PositionsExitCode(const char* command, bool blnPositionFailed);

// Returns whether a body of the charts of the computation result has no position because
// the ephemeris failed.
bool ChartPositionFailed(const ZDR::ComputeResult& result);

// Computes the houses of date set 1 or 2 of options at its moment in result, with the house
// system asked for and the zodiac in force; false without a place (and for the world date).
bool HousesOfSet(const CommandOptions& options, const ZDR::ComputeResult& result, int16_t set,
                 Places::Houses& houses);

// Computes the houses of date set 1 or 2 of options at jd (UT), as HousesOfSet does.
bool HousesAt(const CommandOptions& options, int16_t set, double jd, Places::Houses& houses);

// Fills angles with the Ascendant and Midheaven of each birthdate of options' mode that has
// a place, at its JD in jd. Returns whether one had.
bool AnglesOfSets(const CommandOptions& options, const double (&jd)[3], ZDR::SetAngles& angles);

// Returns the report of the computation result of options' mode as the window shows it
// after a computation (the table on display), with the options in force.
std::string ReportText(const CommandOptions& options, ZDR::ComputeResult& result);

}  // namespace cli
