#pragma once
// Running until an aspect pattern is found: the stop test made after every step of a run,
// its message, and the pattern counts of one step worked out without the table and report.

#include <cstdint>
#include <string>

#include "astro/CatalogueCounts.h"
#include "engine/Chart.h"

namespace ZDR {

// Pattern indices 0..13 (13 = midpoint configuration) and what the run dialog leaves for
// the stop test.
constexpr int16_t intNumPatternKinds = 14;
struct RunUntilSettings {
    int16_t intAspectPatternToFind = -1;  // pattern index 0..13; -1: run until stopped
    bool blnTwoOrMore = false;            // "Stop only when at least this many are found"
    int16_t intNumToFindIndex = 0;        // list index k of that minimum: at least k + 2
};

// The stop test: returns true when the searched pattern is present among the counts
// intCount[0..13] of the last computation, at least intNumToFindIndex + 2 times with
// blnTwoOrMore and at least once without; intFound receives its count. False (and
// intFound 0) when intAspectPatternToFind is not a pattern index (a run until stopped).
bool PatternFound(const RunUntilSettings& settings, const int16_t (&intCount)[intCataloguePatterns],
                  int16_t& intFound);

// Returns the message of a find of intFound patterns in the current language, with the
// pattern names of the catalogue: "Two grand trines found." ("Zwei Große Trigon
// gefunden.") with blnTwoOrMore, "Grand trine found." ("Großes Trigon gefunden.")
// without. "" when intAspectPatternToFind is not a pattern index.
std::string PatternFoundMessage(const RunUntilSettings& settings, int16_t intFound);

// Returns the title of the message: program text #122.
std::string PatternFoundTitle();

// Works out the pattern counts of World transits at jd (UT) as a full computation and its
// report leave them in intNumPatternsOfType after a step: the positions of the ten bodies,
// then the count of every pattern index 0..13 into intCount, with the orbs, midpoint orb
// and zodiac of options. No table, no text. Returns false when the ephemeris failed to give
// a body's position (one outside the covered range is no failure).
bool PatternCountsAt(double jd, const ChartOptions& options,
                     int16_t (&intCount)[intCataloguePatterns]);

}  // namespace ZDR
