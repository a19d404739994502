#pragma once
// zodarc-cli report: the title and the text report of one of the six modes.

namespace cli {

// Runs "zodarc-cli report" with the arguments after the command name (argv[0] is
// "report"). Returns intExitOk, intExitFailed (invalid date set, unreadable data files) or
// intExitUsage.
int ReportCommand(int argc, char* argv[]);

}  // namespace cli
