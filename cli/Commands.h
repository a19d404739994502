#pragma once
// The commands of zodarc-cli. Each takes the arguments that follow its name (argv[0] is the
// command name) and returns the exit code: intExitOk, intExitFailed (invalid date set,
// unreadable data files) or intExitUsage (see CliCommon.h).

namespace cli {

// zodarc-cli positions: the longitudes of the ten bodies at one moment.
int PositionsCommand(int argc, char* argv[]);

// zodarc-cli table: the aspect table of one of the six modes.
int TableCommand(int argc, char* argv[]);

// zodarc-cli report: the title and the text report of one of the six modes.
int ReportCommand(int argc, char* argv[]);

// zodarc-cli search: steps the world date until an aspect pattern is present. Exit codes
// of its own: 0 found, 1 not found in the span, 2 usage error, 3 unreadable data files.
int SearchCommand(int argc, char* argv[]);
// zodarc-cli durations: every aspect of one mode with its beginning, end and duration, or
// the description of a natal chart or a synastry.
int DurationsCommand(int argc, char* argv[]);

// zodarc-cli calendar: every passage of a transit through its orb over a period, with
// its beginning, exact moments and end; also as CSV and iCalendar files.
int CalendarCommand(int argc, char* argv[]);

// zodarc-cli houses: the Ascendant, the Midheaven, the house cusps and each body's house for
// one date set with a place.
int HousesCommand(int argc, char* argv[]);

// zodarc-cli chart: the chart wheel of one of the six modes as a PNG picture.
int ChartCommand(int argc, char* argv[]);

}  // namespace cli
