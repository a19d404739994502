#pragma once
// Starting the core, and the one rule that finds the data files. The desktop program, the
// command line, the benchmarks and the tests all start the core here: program text, date
// module, catalogue, the positions' data folder and the Pluto table.

#include <cstdint>
#include <string>
#include <vector>

namespace ZDR {

// Outcome codes of StartCore.
constexpr int16_t intStartupDone = 0;
constexpr int16_t intStartupNoProgramText = -1;  // zdr.dat missing or unreadable
constexpr int16_t intStartupNoPlutoTable = -2;   // pluto.slx missing or unreadable

// A message of the start-up for its caller to show: the text (lines joined by "\n") and
// the title ("" for none).
struct StartupMessage {
    std::string strText;
    std::string strTitle;
};

// What the start-up leaves for its caller: the outcome, and the messages to show in their
// order (the failure that ended the start-up, or what it has to say though it went on).
struct CoreStartup {
    int16_t intOutcome = intStartupDone;
    std::vector<StartupMessage> udtMessages;
};

// Starts the core from dataFolder, which holds zdr.dat and pluto.slx: loads the program
// text, initialises the date module (the PC's timezone), points the positions at the
// folder (strDataFolder, with a trailing separator) and at EphemerisFolder(dataFolder),
// where it computes one position from each ephemeris file (ZDR::EphemerisFileMessages then
// names each file that is missing or damaged, in the language current when it is asked),
// fills the catalogue with its names in the current language and reads the Pluto table.
// Ends at the first failure: intStartupNoProgramText (nothing after it was done) or
// intStartupNoPlutoTable, each with its message.
CoreStartup StartCore(const std::string& dataFolder);

// Returns the folder of the data files of a program that runs from programFolder: that
// folder when it holds zdr.dat, else programFolder/../share/zodarc when that one does (an
// installed program), else programFolder.
std::string DataFolder(const std::string& programFolder);

// Returns the folder of the ephemeris files (*.se1) for a data folder: the data folder when
// it holds any (a build folder, or an install that carries copies), else the system's
// ephemeris folder that the build was configured with (Debian: /usr/share/libswe/ephe).
std::string EphemerisFolder(const std::string& dataFolder);

// Returns the folder of the running executable without a trailing separator; "." when the
// system does not tell.
std::string ExecutableFolder();

}  // namespace ZDR
