#pragma once
// A cell of the aspect table as a sentence, for those who hear the table rather than see
// it: "Mars trine Neptune, 4°39', closing".

#include <cstdint>
#include <string>

#include "engine/AspectTable.h"

namespace ZDR {

// Returns cell intIndex of table (mode 1..6) read as a sentence in the current language:
// an aspect cell names its two bodies, the aspect, the deviation and, when the cell shows
// it, whether the aspect is closing or widening; an empty cell between two bodies says that
// they form no aspect; a glyph cell names its body; a position cell names its body and then
// its texts in words ("Saturn: 7°56', retrograde, 7° Aries 56'"); any other cell its texts,
// lines joined by a space. "" for a hidden cell, for any other empty cell and for an index
// outside the table.
std::string CellSentence(const AspectTable& table, int16_t intModeCode, int16_t intIndex);

// The header cells of a cell: the indices of the glyph cells that name the bodies of its
// row and of its column, -1 where there is none.
struct CellHeaders {
    int16_t intRow = -1;
    int16_t intColumn = -1;
};

// Returns the headers of cell intIndex of table. A cell between two bodies (shown or not)
// has both: its row's glyph (the first column of glyphs of the two-chart table, the
// diagonal of the single-chart one) and its column's glyph in the second row. A position
// has the glyph of its body; a glyph cell, the corner texts and the zodiac cell have none.
CellHeaders HeaderCells(const AspectTable& table, int16_t intIndex);

}  // namespace ZDR
