#pragma once
// Program text by number in the current language, and the current language itself.

#include <cstdint>
#include <string>

namespace Language {

constexpr int16_t intEnglish = 0;
constexpr int16_t intGerman = 1;

// The current language: intEnglish or intGerman.
extern int16_t intLanguage;

// Returns program text #n in the current language; the empty text for a number the
// table lacks, and for an entry that is a lone "~".
std::string Text(int n);

// Returns program text #n in the given language (1 German, any other value English).
std::string TextIn(int n, int language);

}  // namespace Language
