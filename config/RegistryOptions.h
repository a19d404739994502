#pragma once
// The three options of the configuration dialog that are kept in the per-user settings
// store: North American timezone abbreviations (TZDisp), the transiting Moon (Moon) and
// aspects of the inner planets (IPAD). Each loader reads its value, falls back to the
// default when it is missing or unreadable, writes the value straight back (so that a
// missing or malformed value is repaired at once) and returns the dialog box's state; the
// dialog puts its boxes in force (config/OptionsInForce.h).

#include <cstdint>

#include "config/SettingsStore.h"

namespace Registry3 {

// The key under which the program keeps its values.
constexpr char strProgramKey[] = "Software\\Quillfen\\ZDR";

// Returns the state of "Display North American timezones" from TZDisp. When the value is
// missing or unreadable it is on exactly when intTimezoneMinutes, the PC's offset in
// minutes east of Greenwich, lies from -600 to -150 (the Americas).
bool LoadTZDispOption(SettingsStore& store, int32_t intTimezoneMinutes);

// Returns the state of "Include transiting Moon" from Moon (on when missing or
// unreadable).
bool LoadMoonOption(SettingsStore& store);

// Returns the state of "Don't show aspects including inner planets": ticked exactly when
// IPAD reads "0".
bool LoadIPADOption(SettingsStore& store);

}  // namespace Registry3
