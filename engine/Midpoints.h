#pragma once
// Midpoint configurations of chart A: three of the bodies Sun to Pluto of which one
// stands at the midpoint of the other two (of either arc between them) within a small
// orb. The Moon takes no part. Lines end in CR LF.

#include <cstdint>
#include <string>

#include "engine/Chart.h"

namespace ZDR {

// Returns "X-M-Y" when one of the bodies a, b, c (1..10, tested in that order) of chart stands
// within dblOrb (radians, strictly) of the midpoint of the other two or of its opposite
// point: M that body, X and Y the others by ascending index, as full names when
// blnFullNames, otherwise as abbreviations ("Su-Ma-Ju"). Returns "" when none does, when
// a body has no position, when two longitudes are equal, or for an index outside 1..10.
std::string MidpointTriple(const ChartPositions& chart, int16_t a, int16_t b, int16_t c,
                           bool blnFullNames, double dblOrb);

// Returns every midpoint configuration of the Sun to Pluto of chart once, in the order first met,
// one line each: "Sun-Mars-Jupiter" with blnNatalReport, otherwise the pattern name
// first ("Midpoint: Su-Ma-Ju"). Pairs in conjunction (orb set 0) take no part, nor does a
// third body conjunct either of them. intNum is set to the number of lines. The midpoint
// orb is that of options; 0 finds nothing.
std::string CheckForMidpoint(const ChartPositions& chart, const ChartOptions& options,
                             bool blnNatalReport, int16_t& intNum);

// Returns the number of lines CheckForMidpoint gives, without making them.
int16_t CountMidpoints(const ChartPositions& chart, const ChartOptions& options);

}  // namespace ZDR
