#pragma once
// What the commands of zodarc-cli share: the options of a date set, the start-up of the
// core with the data files beside the executable, and the exit codes.

#include <cstdint>
#include <string>

#include "config/Options.h"

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

// Reads the date-set option at argv[i] (--<prefix>date, --<prefix>time, --<prefix>zone or
// --<prefix>jd) with its value and moves i onto the value. Returns 1 when done, 0 when
// argv[i] is no such option, -1 with the reason in error when the value is missing or
// malformed, or when --jd is mixed with the other three.
int TakeDateSetOption(const std::string& prefix, int argc, char* argv[], int& i,
                      DateSetOptions& set, std::string& error);

// Returns the JD (UT) of a date set: dblJD when --jd was given, otherwise the date module's
// JD or its code -1 (incomplete), -2 (no such date), -3 (too early), -4 (too late).
double DateSetJD(const DateSetOptions& set);

// Returns the reason for a date-set code -1 .. -4, e.g. "the date is incomplete".
std::string DateSetErrorText(double code);

// Returns text as a JSON string literal, quotes included (UTF-8 passes unchanged).
std::string JsonString(const std::string& text);

// Returns the --help lines describing the date-set options with the given prefix.
std::string DateSetHelp(const std::string& prefix);

// Reads "--state FILE" at argv[i] and moves i onto the value: a state file (zdr.usr, *.zdr)
// gives the three date sets, the mode code 1..6 (World transits when the file selects none)
// and the configuration. Returns 1 when done, 0 when argv[i] is no such option, -1 with the
// reason in error when the value is missing or the file unreadable.
int TakeStateOption(int argc, char* argv[], int& i, DateSetOptions (&sets)[3], int16_t& mode,
                    ZDR::ConfigOptions& config, std::string& error);

// The --help line of --state.
extern const char* const strStateHelp;

// Points the core at its data files (beside the executable, else <prefix>/share/zodarc),
// fills the catalogue and reads the Pluto table. Returns false with the message in error.
bool PrepareCore(std::string& error);

}  // namespace cli
