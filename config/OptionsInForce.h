#pragma once
// The options in force: the configuration that "Use settings" applied last, which every
// computation is given. UseSettings is their one writer; the configuration dialog, its
// transiting-Moon box, a state file and the command line all put options in force through
// it.

#include "engine/Chart.h"
#include "engine/ConfigOptions.h"

namespace ZDR {

// Returns the options in force: the defaults (English) until the first UseSettings.
const ConfigOptions& OptionsInForce();

// Returns the options in force as a computation takes them (MakeChartOptions of
// OptionsInForce); until the first UseSettings every orb is 0.
const ChartOptions& ChartOptionsInForce();

// Puts options in force: keeps them, and builds ChartOptionsInForce from them.
void UseSettings(const ConfigOptions& options);

// Puts in force what a state file restores: every option of fileOptions except those that
// the file does not keep ("Don't show aspects including inner planets", "Display North
// American timezones", the house system and the wheel's orientation), which stay as they
// are in force.
void UseStateFileSettings(const ConfigOptions& fileOptions);

}  // namespace ZDR
