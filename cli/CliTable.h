#pragma once
// zodarc-cli table: the aspect table of one of the six modes.

namespace cli {

// Runs "zodarc-cli table" with the arguments after the command name (argv[0] is "table").
// Returns intExitOk, intExitFailed (invalid date set, unreadable data files) or
// intExitUsage.
int TableCommand(int argc, char* argv[]);

}  // namespace cli
