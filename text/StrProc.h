#pragma once
// Small text operations shared by the modules. Texts are UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

namespace StrProc {

// Returns text with every occurrence of from replaced by to, from left to right, never
// looking into an inserted to; text as it is when from is empty.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);

// Returns text with every occurrence of from replaced by to, where from matches whatever
// the case of its ASCII letters ("HTTP:" matches "http:"); text as it is when from is empty.
std::string ReplaceIgnoringCase(std::string text, const std::string& from, const std::string& to);

// Returns text with every ASCII capital A..Z in lower case; every other byte (umlauts and
// ß among them) stays as it is.
std::string LowerCase(std::string text);

// Returns the byte count (1 to 4) of the well-formed UTF-8 character that starts at
// text[i], or 0 for anything else (a stray continuation byte, an overlong form, a
// surrogate, a value above U+10FFFF, a character cut off by the end of text).
std::size_t Utf8CharLength(std::string_view text, std::size_t i);

// Returns the number of characters of UTF-8 text: every byte that does not continue a
// character counts one.
std::size_t CodePoints(std::string_view text);

}  // namespace StrProc
