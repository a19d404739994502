#include "text/Language.h"

#include "text/ProgramText.h"

namespace Language {

const char* const strLanguageCode[3] = {"EN", "DE", ""};

int16_t intLanguage = intEnglish;

namespace {

#ifdef _WIN32
constexpr char chrPathSeparator = '\\';
bool IsPathSeparator(char c) {
    return c == '\\' || c == '/';
}
#else
constexpr char chrPathSeparator = '/';
bool IsPathSeparator(char c) {
    return c == '/';
}
#endif

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string Text(int n) {
    return TextIn(n, intLanguage);
}

std::string TextIn(int n, int language) {
    std::string strBuffer;
    const int32_t length =
        mathaid::FetchProgramText(n, language, strBuffer, lngProgramTextBufferSize);
    if (length <= 0 || strBuffer == "~")
        return std::string();
    return strBuffer;
}

std::string ProgramTextPath(const std::string& folder, const std::string& fileName) {
    if (folder.empty())
        return fileName;
    if (IsPathSeparator(folder.back()))
        return folder + fileName;
    return folder + chrPathSeparator + fileName;
}

int32_t LoadProgramText(const std::string& folder, const std::string& fileName,
                        std::string& strMessage) {
    const std::string path = ProgramTextPath(folder, fileName);
    const int32_t outcome = mathaid::LoadProgramText(path);
    strMessage = ProgramTextFailureMessage(outcome, path);
    return outcome;
}

std::string ProgramTextFailureMessage(int32_t code, const std::string& path) {
    switch (code) {
        case 0:
            return "No program text was read.";
        case -1:
            return "Cannot open file containing program text.\n" + path;
        case -2:
            return "Particular memory allocation error.";
        case -3:
            return "Too much program text.";
        case -4:
            return "Text not recovered.";
        case -6:
            return "File is empty.";
        case -7:
            return "Error reading file.";
        case -8:
            return "General memory allocation error.";
        default:
            break;
    }
    if (code > 0)
        return std::string();
    if (code < -1500) {
        return "Duplicate in program text at line " + std::to_string(-(code + 1500)) + ".";
    }
    if (code < -1000)
        return "String too long at line " + std::to_string(-(code + 1000)) + ".";
    if (code < -500)
        return "Missing string at line " + std::to_string(-(code + 500)) + ".";
    return "Error " + std::to_string(code);
}

int16_t InitialLanguage(const std::string& strLanguage) {
    if (strLanguage.size() < 2)
        return intEnglish;
    for (int16_t i = 0; i < intNumLanguages; ++i) {
        const char* code = strLanguageCode[i];
        if (AsciiUpper(strLanguage[0]) == code[0] && AsciiUpper(strLanguage[1]) == code[1]) {
            return i;
        }
    }
    return intEnglish;
}

std::string ApplicationKeyPath() {
    return Text(273) + "\\" + Text(310) + "\\" + strProductCode;
}

}  // namespace Language
