#include "config/RegistryOptions.h"

#include <string>

#include "places/Houses.h"

namespace Registry3 {

namespace {

// Returns the stored option text: "0" or "1" as read, "1" for anything else that could be
// read, strDefault when the value could not be read at all.
std::string ReadOption(SettingsStore& store, const char* strName, const char* strDefault) {
    std::string strValue;
    const std::string strStatus = store.ReadStringValue(strProgramKey, strName, strValue);
    if (strStatus.empty() || strStatus[0] != '0')
        return strDefault;
    return (strValue == "0" || strValue == "1") ? strValue : "1";
}

// Writes a check box's state back as "1" or "0"; the status is of no interest here.
void WriteOption(SettingsStore& store, const char* strName, bool blnOn) {
    store.WriteStringValue(strProgramKey, strName, blnOn ? "1" : "0");
}

constexpr char kHouseSystemName[] = "HouseSystem";
constexpr char kWheelLeftName[] = "WheelLeft";
constexpr char kAscendantLeft[] = "ascendant";
constexpr char kAriesRight[] = "aries";
constexpr char kAnglesName[] = "AnglesInAspects";

// Returns the text stored under name, "" when it could not be read.
std::string ReadText(SettingsStore& store, const char* strName) {
    std::string strValue;
    const std::string strStatus = store.ReadStringValue(strProgramKey, strName, strValue);
    return !strStatus.empty() && strStatus[0] == '0' ? strValue : std::string();
}

}  // namespace

HouseOptions LoadHouseOptions(SettingsStore& store) {
    HouseOptions options;
    const int16_t system = Places::HouseSystemIndex(ReadText(store, kHouseSystemName));
    if (system >= 0)
        options.intSystem = system;
    options.blnAscendantLeft = ReadText(store, kWheelLeftName) != kAriesRight;
    options.blnAnglesInAspects = ReadText(store, kAnglesName) == "1";
    return options;
}

void SaveHouseOptions(SettingsStore& store, const HouseOptions& options) {
    const HouseOptions stored = LoadHouseOptions(store);
    if (options.intSystem != stored.intSystem && options.intSystem >= 0 &&
        options.intSystem < Places::intNumHouseSystems)
        store.WriteStringValue(strProgramKey, kHouseSystemName,
                               Places::strHouseSystemName[options.intSystem]);
    if (options.blnAscendantLeft != stored.blnAscendantLeft)
        store.WriteStringValue(strProgramKey, kWheelLeftName,
                               options.blnAscendantLeft ? kAscendantLeft : kAriesRight);
    if (options.blnAnglesInAspects != stored.blnAnglesInAspects)
        WriteOption(store, kAnglesName, options.blnAnglesInAspects);
}

bool LoadTZDispOption(SettingsStore& store, int32_t intTimezoneMinutes) {
    const bool blnAmericas = intTimezoneMinutes >= -600 && intTimezoneMinutes <= -150;
    const bool blnOn = ReadOption(store, "TZDisp", blnAmericas ? "1" : "0") == "1";
    WriteOption(store, "TZDisp", blnOn);
    return blnOn;
}

bool LoadMoonOption(SettingsStore& store) {
    const bool blnOn = ReadOption(store, "Moon", "1") == "1";
    WriteOption(store, "Moon", blnOn);
    return blnOn;
}

bool LoadIPADOption(SettingsStore& store) {
    const bool blnSuppress = ReadOption(store, "IPAD", "1") == "0";
    WriteOption(store, "IPAD", !blnSuppress);
    return blnSuppress;
}

}  // namespace Registry3
