#include "text/StrProc.h"

namespace StrProc {

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    if (from.empty())
        return text;
    for (std::string::size_type at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string LowerCase(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

}  // namespace StrProc
