#pragma once
// Aspect patterns among the bodies 1..intNumBodies of chart A of a chart, always with the
// orbs of orb set 0 of the options given: grand trine, kite, rectangle, T-square, grand cross, yod,
// yod-kite, trapezium, stelliums of three to six bodies and grand sextile.
//
// Every finder returns one line per pattern, each ending in CR LF, in the order the search
// meets them ("" when there is none), and adds one to intPatternCount per line (the
// caller sets it to 0 first). With blnFullNames a line is the bodies' full names joined
// by "-" ("Sun-Mars-Jupiter"); otherwise it is the pattern name, ": ", the abbreviations
// and the mean deviation from exactness of the pattern's aspects, degrees and minutes
// ("Grand trine: Su-Ma-Ju (<text #154> 2°15')").

#include <cstdint>
#include <string>
#include <vector>

#include "astro/CatalogueCounts.h"
#include "engine/Chart.h"

namespace ZDR {

// Three bodies pairwise trine: I-A-B by ascending index.
std::string FindGrandTrine(const ChartPositions& chart, const ChartOptions& options,
                           bool blnFullNames, int16_t& intPatternCount);

// A grand trine and a fourth body opposite one corner and sextile the other two: the
// opposed corner first, then the other corners in turn, then the fourth body.
std::string FindKite(const ChartPositions& chart, const ChartOptions& options, bool blnFullNames,
                     int16_t& intPatternCount);

// Two oppositions joined by sextiles and trines, each rectangle listed once: I-J-K-B
// with I opposite J and K opposite B.
std::string FindRectangle(const ChartPositions& chart, const ChartOptions& options,
                          bool blnFullNames, int16_t& intPatternCount);

// An opposition I-J and a body K square both: I-K-J. A grand cross holds four of them.
std::string FindTSquare(const ChartPositions& chart, const ChartOptions& options, bool blnFullNames,
                        int16_t& intPatternCount);

// Two oppositions square to each other: I-A-J-B, I the lowest index, I opposite J.
std::string FindGrandCross(const ChartPositions& chart, const ChartOptions& options,
                           bool blnFullNames, int16_t& intPatternCount);

// A sextile I-J and a body K quincunx both: I-K-J. A yod-kite holds one.
std::string FindYod(const ChartPositions& chart, const ChartOptions& options, bool blnFullNames,
                    int16_t& intPatternCount);

// A yod I-K-J and a body L opposite K and semisextile I and J: I-K-J-L.
std::string FindYodKite(const ChartPositions& chart, const ChartOptions& options, bool blnFullNames,
                        int16_t& intPatternCount);

// An opposition I-J bridged by K (trine I, sextile J) and L (sextile I and K, trine J):
// I-J-K-L.
std::string FindTrapezium(const ChartPositions& chart, const ChartOptions& options,
                          bool blnFullNames, int16_t& intPatternCount);

// Bodies pairwise in conjunction, by ascending index: six, five, four or three of them.
// Every part of a larger stellium is a smaller one too.
std::string FindStellium6(const ChartPositions& chart, const ChartOptions& options,
                          bool blnFullNames, int16_t& intPatternCount);
std::string FindStellium5(const ChartPositions& chart, const ChartOptions& options,
                          bool blnFullNames, int16_t& intPatternCount);
std::string FindStellium4(const ChartPositions& chart, const ChartOptions& options,
                          bool blnFullNames, int16_t& intPatternCount);
std::string FindStellium3(const ChartPositions& chart, const ChartOptions& options,
                          bool blnFullNames, int16_t& intPatternCount);

// Two grand trines whose corners are sextile in exactly six of the nine cross pairs:
// I-A-B-J-C-D, with no deviation in the abbreviated line. Sets intPatternCount to 1
// (not one per line) whenever it lists any.
std::string FindGrandSextile(const ChartPositions& chart, const ChartOptions& options,
                             bool blnFullNames, int16_t& intPatternCount);

// What one finder listed: pattern index 0..13 (13 midpoints), its count and its lines.
struct PatternGroup {
    int16_t intPattern = 0;
    int16_t intCount = 0;
    std::string strText;
};

// Runs every finder in the report's order (grand trine, kite, rectangle, T-square, grand
// cross, yod, yod-kite, trapezium, the largest stellium size found, grand sextile) and
// then the midpoint check with the midpoint orb of options; returns the groups that listed
// anything, in that order.
std::vector<PatternGroup> FindAllPatterns(const ChartPositions& chart, const ChartOptions& options,
                                          bool blnFullNames);

// Sets intCount[p] for every pattern index 0..13 to the count that PatternSection stores
// for it after a computation when all 14 were 0 before; no line of text is made.
void CountAllPatterns(const ChartPositions& chart, const ChartOptions& options,
                      int16_t (&intCount)[intCataloguePatterns]);

// Returns the pattern section of the main window's report, the abbreviated lines of each
// group followed by an empty line, and stores each group's count into
// intNumPatternsOfType; a stellium found sets the counts of the smaller sizes to 0. The
// counts of patterns not found are left as they were.
std::string PatternSection(const ChartPositions& chart, const ChartOptions& options,
                           int16_t (&intNumPatternsOfType)[intCataloguePatterns]);

}  // namespace ZDR
