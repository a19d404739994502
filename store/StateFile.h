#pragma once
// The state file: the main window's three dates, its mode and step size and most of the
// configuration, one value a line (52 lines, an optional 53rd), in zdr.usr and *.zdr files.
// The places of the date sets follow as lines of their own, which readers of the 52 lines
// pass over: a 53rd line repeating the 51st (the synastry proportion, which such a reader
// takes from the 53rd), then one line a date set with a place:
//   Place1: 14:07; -; 48.398410; 9.991550; Europe/Berlin; Ulm, Baden-Württemberg, Germany
// (date set 0..2 after "Place", the clock time, the choice for a skipped or repeated clock
// time "-", "summer" or "standard", latitude and longitude in degrees, zone, name). A file
// without places ends after line 52 as it always did.

#include <array>
#include <cstdint>
#include <string>

#include "astro/DateInput.h"
#include "config/Options.h"
#include "places/DatePlace.h"

namespace ZDR {

// Mode options in the order of the file: optPlanetary, optNatal(0), optNatal(1),
// optPersonal(0), optPersonal(1), optSynastry.
constexpr int intNumModeOptions = 6;

// Everything a state file carries, as plain values of the controls.
struct StateFileData {
    std::array<DatePr2::DateSetInput, 3> dateSets;  // world date, 1st and 2nd birthdate
    std::array<bool, intNumModeOptions> blnModeOption{};
    int16_t intStepSizeIndex = 1;  // cboForwardBack: 0..4
    // The dialog's controls; blnSidereal is the zodiac in force. blnSuppressInnerPlanetAspects
    // and blnDisplayNATZ are not in the file and never touched.
    ConfigOptions options;
    std::array<int16_t, 8> intOrbIndex{};  // the applied orb table: cboOrb list indices 0..15
    std::array<Places::DatePlace, 3> udtPlaces;  // the place of each date set, if it has one
};

// Longest year text the file keeps, in bytes; the writer shortens a longer one.
constexpr std::size_t intMaxYearTextLength = 255;
// Largest state file the reader accepts, in bytes.
constexpr std::size_t intMaxStateFileSize = 64 * 1024;

// Writes data as a state file at path (CR LF line ends) through a temporary file beside it
// that replaces path only when complete. Returns "" on success, else the failure's
// description; path is then as it was before.
std::string WriteStateFile(const std::string& path, const StateFileData& data);

// Reads the state file at path into data, line by line; data holds the current values on
// entry and keeps them where the file says so (a colour of 0). Returns "" on success, else
// the failure's description (missing file, not text, not a number, an index outside its
// list, early end); the values read before the failure are then already in data.
std::string ReadStateFile(const std::string& path, StateFileData& data);

// Returns the index 0..5 of the selected mode option of data, -1 when none is selected.
int SelectedModeOption(const StateFileData& data);

// Returns the path of the per-user state file: dataFolder (UTF-8), "Quillfen", "zdr.usr".
// Creates the folders up to "Quillfen" when they are missing; a failure shows later, when
// the file is written.
std::string UserStateFilePath(const std::string& dataFolder);

// The state-clean flag: set by each successful write or load of a state file, cleared by
// the one-second timer after more than five ticks. Quit asks nothing while it is set.
class StateCleanFlag {
  public:
    // Sets the flag and starts its count again at 0.
    void Set() {
        blnSet = true;
        intTicks = 0;
    }
    // Counts one tick of the timer while the flag is set; the sixth clears it.
    void Tick() {
        if (blnSet && ++intTicks > 5)
            blnSet = false;
    }
    // Returns whether a state file was written or loaded in the last five or six seconds.
    bool IsSet() const { return blnSet; }

  private:
    bool blnSet = false;
    int16_t intTicks = 0;
};

}  // namespace ZDR
