#include "text/EphemerisText.h"

#include <algorithm>
#include <cstdio>

#include "astro/Ephemeris.h"
#include "astro/Positions.h"
#include "text/Language.h"
#include "text/StrProc.h"

namespace ZDR {

namespace {

constexpr int kTextTitle = 260;
constexpr int kTextDamaged = 261;
constexpr int kTextPlanetsMissing = 262;
constexpr int kTextMoonMissing = 263;
constexpr int kTextNotRegular = 264;
constexpr int kTextLibrarySays = 265;
constexpr int kTextDisagrees = 1201;

// Text #n with the file's name and the years first to last put in.
std::string FileText(int n, const char* name, int first, int last) {
    std::string text = StrProc::ReplaceAll(Language::Text(n), "FILE", name);
    text = StrProc::ReplaceAll(text, "FIRST", std::to_string(first));
    return StrProc::ReplaceAll(text, "LAST", std::to_string(last));
}

std::string FileMessage(const orbitlib::EphemerisFile& file) {
    using orbitlib::FileTrouble;
    std::string message;
    switch (file.udtTrouble) {
        case FileTrouble::Damaged:
            message = FileText(kTextDamaged, file.strName, file.intFirstYear, file.intLastYear);
            break;
        case FileTrouble::Missing:
            if (file.blnMoonFile) {
                // The Moon has positions only in the covered range of the program.
                message = FileText(kTextMoonMissing, file.strName,
                                   std::max<int>(file.intFirstYear, intFirstCoveredYear),
                                   std::min<int>(file.intLastYear, intLastCoveredYear));
            } else {
                message = FileText(kTextPlanetsMissing, file.strName, file.intFirstYear,
                                   file.intLastYear);
            }
            break;
        case FileTrouble::None:
            break;
    }
    if (file.dblDisagreement > 0) {
        char degrees[32];
        std::snprintf(degrees, sizeof degrees, "%.2f", file.dblDisagreement);
        std::string number = degrees;
        if (Language::intLanguage == Language::intGerman)
            std::replace(number.begin(), number.end(), '.', ',');
        message += " " + StrProc::ReplaceAll(Language::Text(kTextDisagrees), "DEGREES", number);
    }
    if (!message.empty() && !file.strLibraryText.empty())
        message += "\n" + Language::Text(kTextLibrarySays) + " " + file.strLibraryText;
    return message;
}

}  // namespace

std::vector<std::string> EphemerisFileMessages() {
    std::vector<std::string> messages;
    const std::string refused = orbitlib::RefusedLibraryFile();
    if (!refused.empty())
        messages.push_back(StrProc::ReplaceAll(Language::Text(kTextNotRegular), "FILE", refused));
    const orbitlib::EphemerisFile* files = orbitlib::EphemerisFiles();
    for (int k = 0; k < orbitlib::intNumEphemerisFiles; ++k) {
        std::string message = FileMessage(files[k]);
        if (!message.empty())
            messages.push_back(std::move(message));
    }
    return messages;
}

std::string EphemerisFilesMessage() {
    std::string text;
    for (const std::string& message : EphemerisFileMessages())
        text += (text.empty() ? "" : "\n\n") + message;
    return text;
}

std::string EphemerisFilesTitle() {
    return Language::Text(kTextTitle);
}

}  // namespace ZDR
