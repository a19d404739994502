#include "engine/CellSentence.h"

#include <algorithm>
#include <cctype>

#include "astro/CatalogueCounts.h"
#include "engine/Catalogue.h"
#include "engine/Durations.h"
#include "text/Language.h"
#include "text/StrProc.h"

namespace ZDR {
namespace {

// Program texts: the movement an aspect cell shows with " -" and " +".
constexpr int kClosing = 1001;
constexpr int kWidening = 1002;
constexpr int kNoAspect = 1010;  // "FIRST and SECOND: no aspect"
constexpr int kRetrograde = 389;

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

// Returns the lines of a position cell in words: the retrograde mark " r" as ", retrograde"
// and the compact sign position ("7Ari56") as degrees, sign and minutes ("7° Aries 56'").
std::string SpokenPosition(const std::string& text) {
    std::string spoken;
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        std::string line = text.substr(start, end - start);
        if (line.size() > 2 && line.compare(line.size() - 2, 2, " r") == 0)
            line = line.substr(0, line.size() - 2) + ", " + Language::Text(kRetrograde);
        for (const SignText& sign : udtSign) {
            const size_t at = sign.strAbbr.empty() ? std::string::npos : line.find(sign.strAbbr);
            const size_t after = at + sign.strAbbr.size();
            if (at != std::string::npos && at > 0 && after < line.size() &&
                std::isdigit(static_cast<unsigned char>(line[at - 1])) &&
                std::isdigit(static_cast<unsigned char>(line[after]))) {
                line = line.substr(0, at) + "° " + sign.strName + " " + line.substr(after) + "'";
                break;
            }
        }
        spoken += (spoken.empty() ? "" : ", ") + line;
        start = end + 1;
    }
    return spoken;
}

}  // namespace

std::string CellSentence(const AspectTable& table, int16_t intModeCode, int16_t intIndex) {
    if (intIndex < 0 || intIndex >= table.intNumCells || intIndex >= intMaxNumCells)
        return "";
    const TableCell& cell = table.udtCell[intIndex];
    if (!cell.blnVisible)
        return "";
    int16_t first = 0;
    int16_t second = 0;
    const bool blnBetweenBodies =
        CellBodies(intModeCode, table.intNumCols, intIndex, first, second);
    if (cell.strText.empty()) {
        const CellHeaders headers = HeaderCells(table, intIndex);
        if (!blnBetweenBodies || headers.intRow < 0 || headers.intColumn < 0)
            return "";
        return StrProc::ReplaceAll(
            StrProc::ReplaceAll(Language::Text(kNoAspect), "FIRST", strBodyName[first]), "SECOND",
            strBodyName[second]);
    }
    if (const int16_t b = BodyOfHeader(cell); b > 0 || cell.intFont == CellFont::Glyph)
        return b > 0 ? strBodyName[b] : cell.strText;
    const int16_t k = CellAspect(cell.strText);
    const size_t lineBreak = cell.strText.find('\n');
    if (k > 0 && lineBreak != std::string::npos && blnBetweenBodies) {
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
        return strBodyName[body] + ": " + SpokenPosition(cell.strText);
    return JoinLines(cell.strText, " ");
}

CellHeaders HeaderCells(const AspectTable& table, int16_t intIndex) {
    CellHeaders headers;
    if (intIndex < 0 || intIndex >= table.intNumCells || intIndex >= intMaxNumCells)
        return headers;
    const int16_t cols = table.intNumCols;
    int16_t row = 0;
    int16_t col = 0;
    GetRowCol(intIndex, cols, row, col);
    if (GlyphBodyAt(table, row, col) > 0)
        return headers;
    // Below the glyphs of the columns each row has one glyph of its own.
    int16_t rowGlyph = -1;
    for (int16_t c = 0; row >= 2 && c < cols && rowGlyph < 0; ++c)
        if (GlyphBodyAt(table, row, c) > 0)
            rowGlyph = c;
    // A shown cell left of its row's glyph stands outside the grid of the bodies (the
    // zodiac's name), unless it is the position beside the glyph.
    const bool blnInGrid =
        rowGlyph >= 0 &&
        (rowGlyph < col || !table.udtCell[intIndex].blnVisible || (col == 0 && rowGlyph == 1));
    if (blnInGrid)
        headers.intRow = static_cast<int16_t>(row * cols + rowGlyph);
    if ((row == 0 || blnInGrid) && GlyphBodyAt(table, 1, col) > 0)
        headers.intColumn = static_cast<int16_t>(cols + col);
    return headers;
}

}  // namespace ZDR
