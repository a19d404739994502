#pragma once
// A cell of the aspect table as a sentence, for those who hear the table rather than see
// it: "Mars trine Neptune, 4°39', closing".

#include <cstdint>
#include <string>

#include "engine/AspectTable.h"

namespace ZDR {

// Returns cell intIndex of table (mode 1..6) read as a sentence in the current language:
// an aspect cell names its two bodies, the aspect, the deviation and, when the cell shows
// it, whether the aspect is closing or widening; a glyph cell names its body; a position
// cell names its body and then its texts; any other cell its texts, lines joined by a
// space. "" for a hidden or empty cell or an index outside the table.
std::string CellSentence(const AspectTable& table, int16_t intModeCode, int16_t intIndex);

}  // namespace ZDR
