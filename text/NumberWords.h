#pragma once
// Counts written as words at the start of report sentences.

#include <cstdint>
#include <string>

namespace StrProc {

// Returns n as a word with a capital first letter: "No", "One" .. "Twenty one" ..
// "Ninety nine" (German "Keine", "Eine" .. "Eine und zwanzig"); from 100 on the digits
// with thousands separators, "," in English and "." in German ("1,234", "1.234"). A
// negative n is written as its digits.
std::string NumberWord(int32_t n, bool blnGerman);

}  // namespace StrProc
