#pragma once
// The language as a setting: kept in the per-user settings store as value "Language" under
// the application key, read at start-up, and the core of switching it.

#include <cstdint>
#include <string>

#include "config/SettingsStore.h"

namespace Language {

// Reads the stored language code (value "Language" under ApplicationKeyPath()); the
// empty text when the store has none.
std::string StoredLanguage(Registry3::SettingsStore& store);

// Writes the code of the current language ("EN" or "DE") as value "Language" under
// ApplicationKeyPath(). Returns the store's status text ("0 ..." when written).
std::string StoreLanguage(Registry3::SettingsStore& store);

// The core of a language switch: sets intLanguage (intGerman for 1, intEnglish for any
// other value), rebuilds the catalogue names in it and stores it. The window then
// re-texts itself and recomputes. Returns the store's status text.
std::string SwitchLanguage(int16_t language, Registry3::SettingsStore& store);

}  // namespace Language
