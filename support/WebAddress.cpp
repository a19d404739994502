#include "support/WebAddress.h"

#include "text/StrProc.h"

namespace weblink {

std::string NormaliseScheme(const std::string& address) {
    return StrProc::ReplaceIgnoringCase(address, "http:", "https:");
}

std::string AddressExtension(const std::string& address) {
    const std::string::size_type folderEnd = address.find_last_of("/\\");
    const std::string::size_type dot = address.rfind('.');
    if (dot == std::string::npos || (folderEnd != std::string::npos && dot < folderEnd))
        return std::string();
    return StrProc::LowerCase(address.substr(dot));
}

std::string LaunchFailureMessage(int32_t result, const std::string& extension) {
    // The number is written as a signed figure: a blank in place of a plus sign.
    const std::string line =
        "Error launching web browser, error code =" + std::string(result >= 0 ? " " : "") +
        std::to_string(result) + ".";
    switch (result) {
        case lngNoAssociation:
            return line + "\n\nFile extension '" + extension +
                   "' is not associated with any application program.";
        case 8:
            return line + "\n\nOut of memory.";
        case 2:
            return line + "\n\nPlease try once more.";
        default:
            return line;
    }
}

std::string LaunchFailureTitle() {
    return "Cannot launch web browser";
}

std::string ManualPagePath(const std::string& dataFolder, int language) {
    std::string folder = dataFolder;
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\')
        folder += '/';
    return folder + "manual/" + (language == 1 ? "de" : "en") + "/index.html";
}

}  // namespace weblink
