#pragma once
// The description of a natal chart or a synastry in sentences, in the current language;
// its lines end in CR LF.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Chart.h"
#include "engine/Durations.h"

namespace ZDR {

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

}  // namespace ZDR
