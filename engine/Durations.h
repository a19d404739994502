#pragma once
// The durations of the aspects in the table: one fixed-column text record per aspect cell,
// their sorting, the lines of the durations list with beginning, end and duration, the
// description of a natal chart or a synastry in sentences, the titles of the durations
// window, and the explanation of a double-clicked aspect cell. Texts are in the current
// language; report lines end in CR LF, message lines in "\n".
//
// Record layout (columns from 1): 1-2 first body, 3-4 second body, 5-6 first body again,
// 7-8 a blank and the aspect's digit, 9 a blank, 10-17 the deviation from exactness in
// radians with six decimals, then 22 columns of timing: beginning day (8 columns), end day
// (8) and duration in days (6), each right-justified; six blanks in place of the duration
// when a day is -1; 22 blanks for an aspect of the transiting Moon; 22 "-" in the natal
// modes and in synastry. Body and aspect numbers are right-justified, so that text order
// is numeric order.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "astro/CatalogueCounts.h"
#include "engine/AspectTable.h"
#include "engine/AspectTiming.h"
#include "engine/Chart.h"

namespace ZDR {

// Sort orders of the durations list (index of the sort list).
constexpr int16_t intSortFirstBody = 0;
constexpr int16_t intSortAspect = 1;
constexpr int16_t intSortDeviation = 2;
constexpr int16_t intSortSecondBody = 3;
constexpr int16_t intSortBeginning = 4;
constexpr int16_t intSortEnd = 5;
constexpr int16_t intSortDuration = 6;

// Returns the record column (from 1) that sort order 0..6 compares from: 1, 7, 9, 3, 18,
// 26, 34; 9 (the deviation) for another index.
int KeyColumn(int16_t intSortIndex);

// What the timing of the last computation rests on: its mode, the JDs of its dates, the
// world date's local day and timezone, and its options (orbs and zodiac).
struct TimingContext {
    int16_t intModeCode = 0;
    ChartOptions udtOptions;
    double dblChartAJD[3] = {};  // JD (UT) of the world date, 1st and 2nd birthdate
    int32_t lngWorldDay = 0;     // JDN of the world date's local civil date
    int16_t intTimeZone = 0;     // world timezone, minutes east of Greenwich
};

// Returns the context of a computation of mode 1..6 at the JDs (UT) dblChartAJD, the world
// date's local day taken in a zone intTimeZone minutes east of Greenwich, with the options
// it was computed with.
TimingContext TimingContextOf(int16_t intModeCode, const double (&dblChartAJD)[3],
                              int16_t intTimeZone, const ChartOptions& options);

// Returns the first aspect 1..7 whose three-letter abbreviation occurs in a cell text;
// 0 when none does.
int16_t CellAspect(const std::string& strCellText);

// Finds the two bodies of aspect cell intIndex in mode 1..6 (table of intNumCols columns):
// single chart, the body of the row - 1 and of the column + 1; personal transits, the natal
// body of the row - 1 and the transiting body of the column - 1; synastry, the 1st
// birthdate's body of the column - 1 and the 2nd birthdate's body of the row - 1. Returns
// false for a cell that holds no pair (positions, glyphs, corners).
bool CellBodies(int16_t intModeCode, int16_t intNumCols, int16_t intIndex, int16_t& intFirst,
                int16_t& intSecond);

// Returns the walk of the aspect k of bodies first and second in the context's mode: orb
// set 0 in World transits, 1 in personal transits with the natal body at its birth date.
AspectWalk WalkOfAspect(const TimingContext& context, int16_t intFirst, int16_t intSecond,
                        int16_t k);

// What a record holds, read back from its columns.
enum class RecordTiming : int16_t { Days, Moon, NotApplicable };
struct AspectRecordFields {
    int16_t intFirst = 0;
    int16_t intSecond = 0;
    int16_t intAspect = 0;
    double dblDeviation = 0;  // radians
    RecordTiming intTiming = RecordTiming::NotApplicable;
    double dblBegin = -1;  // local day number, -1 unknown
    double dblEnd = -1;
    int32_t lngDuration = 0;  // days; 0 when not known
};

// Returns one record (see the layout above); the days are whole local day numbers or -1.
std::string FormatAspectRecord(const AspectRecordFields& fields);

// Reads a record back; false for a text that is not one.
bool ParseAspectRecord(const std::string& strRecord, AspectRecordFields& fields);

// Returns the records of every aspect cell of the table (cell order, then aspect order),
// with deviations from the longitudes in dblPos (chart A column 0, chart B column 1) and,
// in the transit modes, the beginning and end from walks that share positions.
std::vector<std::string> GetDurations(const AspectTable& table, const TimingContext& context,
                                      const double (&dblPos)[intBodySlots][2],
                                      WalkPositions& positions);
std::vector<std::string> GetDurations(const AspectTable& table, const TimingContext& context,
                                      const double (&dblPos)[intBodySlots][2]);

// Sorts records[first..last] by the text from keyColumn (from 1) on, compared by character
// code, into descending order by a recursive quicksort; with blnDescendingFlag the result
// is then reversed in place, which gives ascending order. Ties keep the order this gives.
void QuickSortRecords(bool blnDescendingFlag, std::vector<std::string>& records, int first,
                      int last, int keyColumn);

// Sorts all records ascending by the key column of sort order 0..6.
void SortAspectRecords(std::vector<std::string>& records, int16_t intSortIndex);

// Character widths of the durations list and of the chart description, from the names of
// the current language: 1 body names, 2 aspect part, 3 second body, 4 and 5 the dates,
// 6 the description's sentences. Index 0 unused.
using DurationColumns = std::array<int16_t, 7>;
DurationColumns DurationColumnWidths();

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

// Returns the description of a natal chart or a synastry (mode 2, 3 or 6) from records
// sorted by deviation: a heading, every aspect as a sentence with the bodies' places in the
// zodiac (the positions of chart), the count by kind and, except in synastry, the aspect
// patterns of chart A with options.
std::string ChartDescription(const std::vector<std::string>& records, int16_t intModeCode,
                             const ChartPositions& chart, const ChartOptions& options,
                             const DurationColumns& widths);

// Appends to text the section of n patterns of pattern index p (0..13) whose lines are
// strLines, and adds n to intNumPatternsListed.
void AppendPatternSection(std::string& text, const std::string& strLines, int16_t n, int16_t p,
                          int16_t& intNumPatternsListed);

// The caption of the durations window for mode 1..6, and the title line above its text;
// strDateText holds the dates of the world date, the 1st and the 2nd birthdate as text; the
// title names the zodiac, sidereal when blnSidereal is set.
std::string DurationsCaption(int16_t intModeCode);
std::string DurationsTitle(int16_t intModeCode, const std::string (&strDateText)[3],
                           bool blnSidereal);

// The timing of one aspect cell: its bodies, aspect and the days of its beginning and end
// (local day numbers, -1 not found). The transit graphic draws from it.
struct CellTiming {
    int16_t intFirst = 0;   // single chart: the row's body; personal transits: the natal body
    int16_t intSecond = 0;  // the column's body; personal transits: the transiting body
    int16_t intAspect = 0;
    double dblBegin = -1;
    double dblEnd = -1;
};

// Finds the aspect of cell intIndex and walks for its beginning and end. Returns false
// when the mode has no timing (natal aspects, synastry), the cell holds no aspect, or the
// aspect is one of the Moon as second body (whose days are not searched: both stay -1).
bool TimingOfCell(const AspectTable& table, int16_t intIndex, const TimingContext& context,
                  CellTiming& timing);

// What a double-click on an aspect cell leads to.
enum class CellClick : int16_t {
    NoTiming,      // natal aspects or synastry: the focus goes to Compute
    NoAspect,      // the cell holds no aspect
    HiddenAspect,  // the aspect's colour is switched off
    MoonAspect,    // strMessage tells how long an aspect of the Moon lasts
    Timed          // strMessage explains the beginning and end; strQuestion asks on
};
struct CellExplanation {
    CellClick intOutcome = CellClick::NoAspect;
    CellTiming udtTiming;
    std::string strTitle;     // title of the message boxes
    std::string strMessage;   // the Moon's message or the explanation sentence
    std::string strQuestion;  // the explanation and the question whether to see all durations
};

// Explains a double-click on cell intIndex with the options in force (the orbs and zodiac
// of the context's computation): an aspect whose
// colour is 0 is hidden; with "waxing/waning aspects" the English explanation says whether
// the aspect waxes or wanes at the world date.
CellExplanation ExplainCell(const AspectTable& table, int16_t intIndex,
                            const TimingContext& context, const ConfigOptions& options);

}  // namespace ZDR
