#pragma once
// The commands of zodarc-cli. Each takes the arguments that follow its name (argv[0] is the
// command name) and returns the exit code.

namespace cli {

// zodarc-cli positions: the longitudes of the ten bodies at one moment.
int PositionsCommand(int argc, char* argv[]);

}  // namespace cli
