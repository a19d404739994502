#include "engine/CoreStartup.h"

#include <unistd.h>

#include <climits>
#include <filesystem>
#include <system_error>

#include "astro/DatePr2.h"
#include "astro/Ephemeris.h"
#include "astro/Positions.h"
#include "engine/Catalogue.h"
#include "text/Language.h"

namespace ZDR {

namespace {

constexpr char kProgramTextFile[] = "zdr.dat";
constexpr char kPlutoTableFile[] = "pluto.slx";

bool HoldsProgramText(const std::string& folder) {
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::u8path(folder) / kProgramTextFile, ec);
}

// true when an entry of folder is named like an ephemeris file, whatever its state: a
// damaged or misplaced one is the folder's own and is reported as such.
bool HoldsEphemerisFiles(const std::string& folder) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(std::filesystem::u8path(folder), ec), end;
         !ec && it != end; it.increment(ec)) {
        if (it->path().extension() == ".se1")
            return true;
    }
    return false;
}

}  // namespace

CoreStartup StartCore(const std::string& dataFolder) {
    CoreStartup startup;
    std::string message;
    const int32_t texts = Language::LoadProgramText(dataFolder, kProgramTextFile, message);
    if (texts <= 0) {
        startup.intOutcome = intStartupNoProgramText;
        startup.udtMessages.push_back({message, ""});
        return startup;
    }
    // A file cut short still loads; its missing texts would stay empty without a word. The
    // note cannot come from the file itself.
    if (texts < ZODARC_TEXT_COUNT) {
        startup.udtMessages.push_back(
            {"The program text file " + Language::ProgramTextPath(dataFolder, kProgramTextFile) +
                 " holds " + std::to_string(texts) + " of the " +
                 std::to_string(ZODARC_TEXT_COUNT) +
                 " texts it should hold: it may have been cut short, and the texts it lacks "
                 "stay empty.",
             ""});
    }
    DatePr2::InitialiseDatePr2();
    strDataFolder = Language::ProgramTextPath(dataFolder, "");
    orbitlib::set_datafiles_folder(EphemerisFolder(dataFolder).c_str());
    // One position from each ephemeris file: what is missing or damaged is known from the
    // start (orbitlib::EphemerisFiles), and the caller says it in its language.
    orbitlib::ProbeEphemerisFiles();
    BuildCatalogueNames();
    std::string reason;
    if (!ReadPlutoData(kPlutoTableFile, reason)) {
        startup.intOutcome = intStartupNoPlutoTable;
        startup.udtMessages.push_back({PlutoDataErrorMessage(reason), PlutoDataErrorTitle()});
    }
    return startup;
}

std::string DataFolder(const std::string& programFolder) {
    if (HoldsProgramText(programFolder))
        return programFolder;
    const std::string installed = programFolder + "/../share/zodarc";
    return HoldsProgramText(installed) ? installed : programFolder;
}

std::string EphemerisFolder(const std::string& dataFolder) {
    return HoldsEphemerisFiles(dataFolder) ? dataFolder : ZODARC_SYSTEM_EPHEMERIS_FOLDER;
}

std::string ExecutableFolder() {
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return ".";
    std::string folder(path, static_cast<std::size_t>(n));
    folder.erase(folder.rfind('/'));
    return folder;
}

}  // namespace ZDR
