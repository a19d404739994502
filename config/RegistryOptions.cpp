#include "config/RegistryOptions.h"

#include <string>

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

}  // namespace

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
