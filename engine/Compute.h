#pragma once
// The compute driver: turns the inputs of the main window (the mode, up to three date
// sets, the options) into the result of a computation: positions, retrograde flags, the
// aspect table with its aspects, the counts per aspect type and the retrograde list. A
// computation reads its input and options and writes its result, nothing else: two may
// run side by side.

#include <cstdint>
#include <string>

#include "astro/DateInput.h"
#include "engine/AspectTable.h"
#include "engine/Chart.h"

namespace ZDR {

// Mode codes, as recorded by a computation; 0 means no mode.
constexpr int16_t intModeWorldTransits = 1;
constexpr int16_t intModeNatal1 = 2;     // natal aspects of the 1st birthdate
constexpr int16_t intModeNatal2 = 3;     // natal aspects of the 2nd birthdate
constexpr int16_t intModePersonal1 = 4;  // personal transits of the 1st birthdate
constexpr int16_t intModePersonal2 = 5;  // personal transits of the 2nd birthdate
constexpr int16_t intModeSynastry = 6;

// Outcome codes of Compute besides the date codes -1..-4.
constexpr int16_t intComputeDone = 0;
constexpr int16_t intComputeNoMode = -5;  // mode code outside 1..6: nothing was computed

// The Ascendant and the Midheaven (radians, in the zodiac in force) of each date set 0..2
// whose place is known; negative where a set has none. They take part in the aspects when
// the options say so.
struct SetAngles {
    double dblAngle[3][intNumAngles] = {{-1, -1}, {-1, -1}, {-1, -1}};
};

// What a computation reads: the mode, the three date sets (0 world date, 1st and 2nd
// birthdate; read like the window's controls and updated the same way), the display of
// angles, the options in force (config/OptionsInForce.h ChartOptionsInForce) and the
// timezone entry that an empty timezone box takes, and the angles of the date sets. Compute writes
// back the JD (UT) of each date set it converted, or the date code -1..-4 of the one it could not
// convert.
struct ComputeInput {
    int16_t intModeCode = intModeWorldTransits;
    DatePr2::DateSetInput udtDateSet[3];
    bool blnRadians = false;
    ChartOptions udtOptions;
    int16_t intDefaultTimezoneIndex = 0;
    // The JD (UT) of a date set that the caller has read itself (at a place, to the minute);
    // a negative value: the date set is read from udtDateSet.
    double dblSetJD[3] = {-1, -1, -1};
    double dblChartAJD[3] = {};
    SetAngles udtAngles;
};

// The chart: what one computation computes. Its positions (ChartPositions: longitudes and
// retrograde flags of each side, the chart-A bodies taking part), the table with its
// aspect cells, the counts, the retrograde bodies of a single-chart computation in degrees
// (count, and their abbreviations each followed by a blank), the mode code and the JDs (UT)
// it was computed at. A computation stopped by an invalid date leaves it as it was.
struct ComputeResult : ChartPositions {
    AspectTable udtTable;
    int16_t intNumRetro = 0;
    std::string strRetroList;
    int16_t intModeCode = 0;
    // Julian Day (UT) of the world date (0), the 1st birthdate (1) and the 2nd birthdate
    // (2); a set the mode does not read keeps the value of an earlier computation.
    double dblChartAJD[3] = {};
    // Number of aspects of each type 1..7; with waxing and waning on, how many of them are
    // waxing and how many waning. Row 0 unused.
    int16_t intNumAspectsOfType[intAspectSlots] = {};
    int16_t intNumWaxingOfType[intAspectSlots] = {};
    int16_t intNumWaningOfType[intAspectSlots] = {};
    // Number of patterns found per pattern index 0..13 (13 midpoints), stored by the report
    // (engine/Report.h BuildSingleChartReport); 0 until then.
    int16_t intNumPatternsOfType[intCataloguePatterns] = {};
};

// Returns whether mode 1..6 compares two charts (personal transits, synastry).
bool IsTwoChartMode(int16_t intModeCode);

// Returns whether mode 1..6 follows the world date: World transits and the two personal
// transits (1, 4, 5).
bool IsTransitMode(int16_t intModeCode);

// Returns whether mode 1..6 is one of the two personal transits (4, 5).
bool IsPersonalTransitMode(int16_t intModeCode);

// Returns whether mode 1..6 reads date set 0..2 (set 0: modes 1, 4, 5; set 1: 2, 4, 6;
// set 2: 3, 5, 6).
bool ModeUsesDateSet(int16_t intModeCode, int16_t intSet);

// Returns the number of chart-A bodies that take part in mode 1..6: all but the Moon in
// personal transits without the transiting Moon, otherwise all.
int16_t NumChartABodies(int16_t intModeCode, bool blnIncludeTransitingMoon);

// Runs one computation with the options of input: converts the date sets of the mode in the
// order world date, 1st, 2nd birthdate into JDs, then fills the whole result. Returns
// intComputeDone; the date code -1..-4 of the first invalid set, whose index 0..2 goes
// into intFailedSet, the result unchanged; or intComputeNoMode.
int16_t Compute(ComputeInput& input, ComputeResult& result, int16_t& intFailedSet);

// Runs one computation at given Julian Days (UT) instead of date sets: dblJD[set] for each
// set 0..2 that the mode reads, then as Compute with the options and angles given. Returns
// intComputeDone, or intComputeNoMode with nothing computed.
int16_t ComputeAtJD(int16_t intModeCode, const double dblJD[3], bool blnRadians,
                    const ChartOptions& options, ComputeResult& result,
                    const SetAngles& angles = SetAngles());

// The part of a computation after the positions: lays out the table of the mode (with the
// rows and columns of the angles that result's positions hold), fills the position cells, finds the
// aspects with the orbs of options (the movement marks at result's JDs), counts them per type (and
// waxing and waning when the options say so), shows the zodiac cell and records the mode.
// Mode 1..6.
void ComputeFromPositions(int16_t intModeCode, bool blnRadians, const ChartOptions& options,
                          ComputeResult& result);

// Returns the number of aspect abbreviations found in the texts of the table's cells
// (0 .. intNumCells - 1, every aspect 1..7 counted once per cell that holds it).
int16_t GetTotalNumAspects(const AspectTable& table);

}  // namespace ZDR
