#pragma once
// The records of the durations: one fixed-column text record per aspect cell, written,
// read back and sorted.
//
// Record layout (columns from 1): 1-2 first body, 3-4 second body (11 and 12 the angles), 5-6 first
// body again, 7-8 a blank and the aspect's digit, 9 a blank, 10-17 the deviation from exactness in
// radians with six decimals, then 22 columns of timing: beginning day (8 columns), end day
// (8) and duration in days (6), each right-justified; six blanks in place of the duration
// when a day is -1; 22 blanks for an aspect of the transiting Moon; 22 "-" in the natal
// modes and in synastry. Body and aspect numbers are right-justified, so that text order
// is numeric order.

#include <cstdint>
#include <string>
#include <vector>

#include "astro/CatalogueCounts.h"

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

// The longitudes of the two bodies of a record in mode 1..6 from dblPos (chart A column 0,
// chart B column 1): chart A for the single-chart modes; in personal transits the natal
// (first) body from chart B and the transiting one from chart A; in synastry the first
// from chart A (1st birthdate) and the second from chart B. Radians.
void RecordLongitudes(int16_t mode, const double (&dblPos)[intPointSlots][2], int16_t first,
                      int16_t second, double& lon1, double& lon2);

// Sorts records[first..last] by the text from keyColumn (from 1) on, compared by character
// code, into descending order by a recursive quicksort; with blnDescendingFlag the result
// is then reversed in place, which gives ascending order. Ties keep the order this gives.
void QuickSortRecords(bool blnDescendingFlag, std::vector<std::string>& records, int first,
                      int last, int keyColumn);

// Sorts all records ascending by the key column of sort order 0..6.
void SortAspectRecords(std::vector<std::string>& records, int16_t intSortIndex);

}  // namespace ZDR
