#pragma once
// Named string values kept per user under a key path such as "Software\Quillfen\ZDR".
// The core reads and writes options through this interface; the desktop program
// supplies the implementation over its settings file.

#include <string>

namespace Registry3 {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // Writes value under keyPath/name, creating the key when missing. Returns a status
    // text whose first character is the digit code ("0 New key created.", ...).
    virtual std::string WriteStringValue(const std::string& keyPath, const std::string& name,
                                         const std::string& value) = 0;

    // Reads keyPath/name into value. Returns a status text: "0 OK", "1 Key not found or
    // is empty.", "2 Name not specified.", "3 Name not found.", ...
    virtual std::string ReadStringValue(const std::string& keyPath, const std::string& name,
                                        std::string& value) = 0;
};

}  // namespace Registry3
