#pragma once
// The place of a date set on the command line: --place NAME from the atlas, or --lat, --lon
// and --tz, with the prefix of the set's date options; --dst chooses for a clock time that
// a change of offset skipped or repeated.

#include <string>

#include "cli/CliOptions.h"

namespace cli {

// Reads the place option at argv[i] of the date set with prefix ("", "birth1-",
// "birth2-"). Returns 1 when done, 0 when argv[i] is none, -1 with the reason in error.
int TakePlaceOption(const std::string& prefix, int argc, char* argv[], int& i,
                    DateSetOptions& set, std::string& error);

// Turns the place options of each set read into its place: the largest atlas place of
// that name (named on standard error with the number of others) or the coordinates given.
// Returns -1 when every set is sound, else intExitUsage after printing the reason: no
// such place (with up to ten candidates), coordinates incomplete or out of range, an
// unknown zone, a minute off the half-hour grid without a place.
int ResolvePlaces(const char* command, CommandOptions& options);

// Returns the --help lines of the place options of a date set with prefix.
std::string PlaceHelp(const std::string& prefix);

// zodarc-cli place NAME [--json]: the atlas's places of that name.
int PlaceCommand(int argc, char* argv[]);

}  // namespace cli
