#pragma once
// The durations of the aspects in the table: the records of the aspect cells with their
// beginning and end, the lines of the durations list with beginning, end and duration,
// and the titles of the durations window. Texts are in the current language; list lines
// end in CR LF.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "astro/CatalogueCounts.h"
#include "engine/AspectRecords.h"
#include "engine/AspectTable.h"
#include "engine/AspectTiming.h"
#include "engine/Chart.h"
#include "engine/Compute.h"

namespace ZDR {

// What the timing of the last computation rests on: its mode, the JDs of its dates, the
// world date's local day and timezone, and its options (orbs and zodiac).
struct TimingContext {
    int16_t intModeCode = 0;
    ChartOptions udtOptions;
    double dblChartAJD[3] = {};  // JD (UT) of the world date, 1st and 2nd birthdate
    int32_t lngWorldDay = 0;     // JDN of the world date's local civil date
    int16_t intTimeZone = 0;     // world timezone, minutes east of Greenwich
    // The natal Ascendant and Midheaven of personal transits (radians), negative when the
    // birthdate's angles take no part.
    double dblNatalAngle[intNumAngles] = {-1, -1};
};

// Returns the context of a computation of mode 1..6 at the JDs (UT) dblChartAJD, the world
// date's local day taken in a zone intTimeZone minutes east of Greenwich, with the options
// it was computed with.
TimingContext TimingContextOf(int16_t intModeCode, const double (&dblChartAJD)[3],
                              int16_t intTimeZone, const ChartOptions& options);

// Puts the natal angles of chart's personal transits (mode of context) into context.
void TakeNatalAngles(TimingContext& context, const ChartPositions& chart);

// Returns the context of a computed chart: its mode and JDs, and the natal angles that take
// part in its personal transits.
TimingContext TimingContextOf(const ComputeResult& chart, int16_t intTimeZone,
                              const ChartOptions& options);

// Returns the first aspect 1..7 whose three-letter abbreviation occurs in a cell text;
// 0 when none does.
int16_t CellAspect(const std::string& strCellText);

// Finds the two bodies of aspect cell intIndex in mode 1..6 (table of intNumCols columns):
// single chart, the body of the row - 1 and of the column + 1; personal transits, the natal
// body of the row - 1 and the transiting body of the column - 1; synastry, the 1st
// birthdate's body of the column - 1 and the 2nd birthdate's body of the row - 1; bodies 11
// and 12 are the angles of a table with them. Returns false for a cell that holds no pair
// (positions, glyphs, corners).
bool CellBodies(int16_t intModeCode, int16_t intNumCols, int16_t intIndex, int16_t& intFirst,
                int16_t& intSecond);

// Returns the walk of the aspect k of bodies first and second in the context's mode: orb
// set 0 in World transits, 1 in personal transits with the natal body at its birth date (a
// natal angle at the context's longitude).
AspectWalk WalkOfAspect(const TimingContext& context, int16_t intFirst, int16_t intSecond,
                        int16_t k);

// Returns the records of every aspect cell of the table (cell order, then aspect order),
// with deviations from the longitudes in dblPos (chart A column 0, chart B column 1) and,
// in the transit modes, the beginning and end from walks that share positions.
std::vector<std::string> GetDurations(const AspectTable& table, const TimingContext& context,
                                      const double (&dblPos)[intPointSlots][2],
                                      WalkPositions& positions);
std::vector<std::string> GetDurations(const AspectTable& table, const TimingContext& context,
                                      const double (&dblPos)[intPointSlots][2]);

// Character widths of the durations list and of the chart description, from the names of
// the current language: 1 body names, 2 aspect part, 3 second body, 4 and 5 the dates,
// 6 the description's sentences. Index 0 unused. With blnAngles the names of the angles
// count too.
using DurationColumns = std::array<int16_t, 7>;
DurationColumns DurationColumnWidths(bool blnAngles = false);

// How the durations list is shown: the mode, "Show duration", the sort order, the widths,
// and the options of the computation (the orbs tell how long an aspect of the Moon lasts).
struct DurationListView {
    ChartOptions udtOptions;
    int16_t intModeCode = 0;
    bool blnShowDuration = true;
    int16_t intSortIndex = intSortDeviation;
    DurationColumns intWidth{};
};

// Returns the duration of d days in words: "1 day", "1 year", "1 year, 35 days", "2 years,
// 1 day", "28 days" (years of 365.2425 days).
std::string DurationText(int32_t d);

// Returns the hours an aspect of the Moon lasts, about: four times the orb of aspect k in
// orb set 0..2 of options, in whole degrees.
int MoonAspectHours(int16_t k, int16_t orbSet, const ChartOptions& options);

// Returns the line of one record in the durations list: the bodies and the aspect with its
// deviation, then, with "Show duration", the beginning, the end and the duration (or, for
// the transiting Moon, how long its aspects last).
std::string FormatDurationLine(const DurationListView& view, const AspectRecordFields& fields);

// Returns the durations list of the records in their order, one line each ending in CR LF;
// sorted by beginning or end, the aspects of the transiting Moon are left out.
std::string DurationListText(const std::vector<std::string>& records, const DurationListView& view);

// The caption of the durations window for mode 1..6, and the title line above its text;
// strDateText holds the dates of the world date, the 1st and the 2nd birthdate as text; the
// title names the zodiac, sidereal when blnSidereal is set.
std::string DurationsCaption(int16_t intModeCode);
std::string DurationsTitle(int16_t intModeCode, const std::string (&strDateText)[3],
                           bool blnSidereal);

// Returns the local date of a whole local day number in words, in the current language.
std::string LocalDayText(double day);

}  // namespace ZDR
