#pragma once
// Program text by number in the current language, and the current language itself and its
// start-up value. Storing it and switching it: config/LanguageSetting.h.

#include <cstdint>
#include <string>

namespace Language {

constexpr int16_t intEnglish = 0;
constexpr int16_t intGerman = 1;

// Number of languages offered, and the two-letter code of each by language index; the
// table has room for a third language, whose code is empty.
constexpr int16_t intNumLanguages = 2;
extern const char* const strLanguageCode[3];

// Size in characters of the buffer that receives each fetched text.
constexpr int32_t lngProgramTextBufferSize = 1024;

// This program's product code: the last part of its settings key path.
constexpr const char* strProductCode = "ZDR";

// The current language: intEnglish or intGerman.
extern int16_t intLanguage;

// Returns program text #n in the current language; the empty text for a number the
// table lacks, and for an entry that is a lone "~".
std::string Text(int n);

// Returns program text #n in the given language (1 German, any other value English).
std::string TextIn(int n, int language);

// Returns the full path of the program-text file: folder, the platform's separator
// (unless folder already ends in one) and fileName; fileName alone for an empty folder.
std::string ProgramTextPath(const std::string& folder, const std::string& fileName);

// Loads the program text from fileName in folder. Returns the loader's outcome: the number
// of texts (> 0), or 0 / a negative code (see mathaid::LoadProgramText); strMessage gets
// the failure message to show before the program ends, and is empty on success.
int32_t LoadProgramText(const std::string& folder, const std::string& fileName,
                        std::string& strMessage);

// Returns the message for a load outcome code (0 or negative; a line break is "\n"), for
// example "String too long at line 200." for -1200; the empty text for a count > 0.
std::string ProgramTextFailureMessage(int32_t code, const std::string& path);

// Returns the index of the language whose code matches the first two letters of
// strLanguage, ignoring case ("EN" 0, "DE" 1); intEnglish when none matches.
int16_t InitialLanguage(const std::string& strLanguage);

// Returns the settings key path: text #273, "\", text #310, "\" and the product code
// ("Software\Quillfen\ZDR" with the shipped texts).
std::string ApplicationKeyPath();

}  // namespace Language
