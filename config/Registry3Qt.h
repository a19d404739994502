#pragma once
// The per-user settings store of the desktop program, kept in the platform's settings
// files. The key path "Software\<organisation>\<application>[\<sub key>...]" is the
// settings of that organisation and application (the sub keys a group inside them);
// every other key path is a group of the settings "Quillfen" / "OtherKeys".

#include "config/SettingsStore.h"

namespace Registry3 {

class QtSettingsStore final : public SettingsStore {
  public:
    // Stores value (UTF-8) as a text under keyPath/name and saves the settings file.
    // Returns "0 New key created.", "0 Key already exists.", or "<error number> Unable to
    // create (or find) key." when nothing could be stored (also "2 Name not specified."
    // for an empty name), each followed by two blanks and the system's description.
    std::string WriteStringValue(const std::string& keyPath, const std::string& name,
                                 const std::string& value) override;

    // Reads the text stored under keyPath/name into value (UTF-8). Returns "0 OK",
    // "1 Key not found or is empty." (no such key, or its file unreadable), "2 Name not
    // specified.", "3 Name not found." (value unchanged in these three), or "4 The data
    // is invalid." for a stored value that is not one text (value then empty).
    std::string ReadStringValue(const std::string& keyPath, const std::string& name,
                                std::string& value) override;
};

}  // namespace Registry3
