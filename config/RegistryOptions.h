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

// The house system (HouseSystem, a system's name: "placidus" .. "topocentric"), the
// orientation of the wheel of a chart with a place (WheelLeft: "ascendant" or "aries") and
// whether its angles take part in aspects (AnglesInAspects: "1" or "0").
// Unlike the three above they are stored only once the user has chosen other than the
// default, so that a settings file of a user who never chose keeps its values as they are.
struct HouseOptions {
    int16_t intSystem = 0;  // Places::intPlacidus ..
    bool blnAscendantLeft = true;
    bool blnAnglesInAspects = false;
};

// Returns the stored house options; a missing or unknown value gives its default (Placidus,
// the Ascendant on the left, the angles not in aspects). Nothing is written.
HouseOptions LoadHouseOptions(SettingsStore& store);

// Writes each house option that differs from what the store holds (a missing value counts
// as its default).
void SaveHouseOptions(SettingsStore& store, const HouseOptions& options);

}  // namespace Registry3
