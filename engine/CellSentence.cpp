#include "engine/CellSentence.h"

#include "astro/CatalogueCounts.h"
#include "engine/Catalogue.h"
#include "engine/Durations.h"
#include "text/Language.h"

namespace ZDR {
namespace {

// Program texts: the movement an aspect cell shows with " -" and " +".
constexpr int kClosing = 1001;
constexpr int kWidening = 1002;

// Returns the body whose glyph letter a header cell shows, or the angle whose abbreviation
// it shows; 0 for another cell.
int16_t BodyOfHeader(const TableCell& cell) {
    if (cell.intFont == CellFont::Glyph) {
        for (int16_t b = 1; b <= intCatalogueBodies; ++b)
            if (strBodyGlyph[b] == cell.strText)
                return b;
        return 0;
    }
    if (cell.dblBackColor == dblHeaderCellColor)
        for (int16_t a = pointAscendant; a <= pointMidheaven; ++a)
            if (strBodyAbbr[a] == cell.strText)
                return a;
    return 0;
}

// Returns the body named by the header cell at row, col of table, or 0.
int16_t GlyphBodyAt(const AspectTable& table, int16_t row, int16_t col) {
    if (row < 0 || col < 0 || row >= table.intNumRows || col >= table.intNumCols)
        return 0;
    const TableCell& cell = table.udtCell[row * table.intNumCols + col];
    return cell.blnVisible ? BodyOfHeader(cell) : 0;
}

// Returns text with its line breaks replaced by joint.
std::string JoinLines(std::string text, const std::string& joint) {
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at))
        text.replace(at, 1, joint);
    return text;
}

}  // namespace

std::string CellSentence(const AspectTable& table, int16_t intModeCode, int16_t intIndex) {
    if (intIndex < 0 || intIndex >= table.intNumCells || intIndex >= intMaxNumCells)
        return "";
    const TableCell& cell = table.udtCell[intIndex];
    if (!cell.blnVisible || cell.strText.empty())
        return "";
    if (const int16_t b = BodyOfHeader(cell); b > 0 || cell.intFont == CellFont::Glyph)
        return b > 0 ? strBodyName[b] : cell.strText;
    const int16_t k = CellAspect(cell.strText);
    int16_t first = 0;
    int16_t second = 0;
    const size_t lineBreak = cell.strText.find('\n');
    if (k > 0 && lineBreak != std::string::npos &&
        CellBodies(intModeCode, table.intNumCols, intIndex, first, second)) {
        std::string deviation = cell.strText.substr(lineBreak + 1);
        std::string movement;
        if (deviation.size() >= 2 && deviation[deviation.size() - 2] == ' ') {
            const char mark = deviation.back();
            if (mark == '-' || mark == '+') {
                movement = ", " + Language::Text(mark == '-' ? kClosing : kWidening);
                deviation.resize(deviation.size() - 2);
            }
        }
        return strBodyName[first] + " " + udtAspect[k].strAdjective + " " + strBodyName[second] +
               ", " + deviation + movement;
    }
    int16_t row = 0;
    int16_t col = 0;
    GetRowCol(intIndex, table.intNumCols, row, col);
    // A position stands at the head of its body's column (or row) of glyphs.
    const int16_t body =
        row == 0 ? GlyphBodyAt(table, 1, col) : (col == 0 ? GlyphBodyAt(table, row, 1) : 0);
    if (body > 0)
        return strBodyName[body] + ": " + JoinLines(cell.strText, ", ");
    return JoinLines(cell.strText, " ");
}

}  // namespace ZDR
