#pragma once
// Small text operations shared by the modules. Texts are UTF-8.

#include <string>

namespace StrProc {

// Returns text with every occurrence of from replaced by to, from left to right, never
// looking into an inserted to; text as it is when from is empty.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);

// Returns text with every ASCII capital A..Z in lower case; every other byte (umlauts and
// ß among them) stays as it is.
std::string LowerCase(std::string text);

}  // namespace StrProc
