#pragma once
// The aspect table as a model: up to 196 cells, each with its text, colours, boldface,
// font, visibility and place in twips, laid out for one chart (11 x 10, a triangle above
// the diagonal) or for two charts (12 x 12, a full square); the angles of a chart with a
// place add two columns (and rows) for the Ascendant and the Midheaven. The table widget paints it;
// the chart wheel, the durations records and the cell double-click read it.

#include <cstdint>
#include <string>

#include "engine/Catalogue.h"
#include "engine/Chart.h"

namespace ZDR {

// Cell capacity, and the size of a cell in twips. A table of more than 12 rows or columns
// (one with angles) has smaller cells, so that it covers no more than 12 x 12 full cells.
constexpr int16_t intMaxNumCells = 196;
constexpr int16_t intCellWidth = 1080;
constexpr int16_t intCellHeight = 570;
constexpr int16_t intFullSizeCells = 12;

// Colours of the table (red + 256 green + 65536 blue).
constexpr double dblPositionCellColor = RGB(230, 255, 230);   // light green
constexpr double dblHeaderCellColor = RGB(200, 200, 220);     // grey-blue
constexpr double dblTwoChartDiagonalColor = RGB(50, 50, 50);  // dark grey

// The font of a cell: the text font "Arial", or the astrological glyph font, whose
// letters the widget draws as their symbols (GlyphSymbol).
enum class CellFont : int16_t { Text, Glyph };

// Font names and sizes in points.
extern const char* const strTextFontName;   // "Arial"
extern const char* const strGlyphFontName;  // "Starfont Sans"
constexpr double dblTemplateFontSize = 9.75;
constexpr double dblTextFontSize = 10.0;
constexpr double dblGlyphFontSize = 14.0;

// One cell. A fresh cell is the template: empty, light green, black text, Arial 9.75,
// at the top left, hidden.
struct TableCell {
    std::string strText;
    double dblBackColor = dblPositionCellColor;
    double dblForeColor = 0.0;
    bool blnBold = false;
    CellFont intFont = CellFont::Text;
    double dblFontSize = dblTemplateFontSize;  // points
    bool blnVisible = false;
    int32_t lngTop = 0;  // twips
    int32_t lngLeft = 0;
    int32_t lngWidth = intCellWidth;
    int32_t lngHeight = intCellHeight;
};

// The table: the cells and the geometry of the current layout (0 rows before the first).
struct AspectTable {
    TableCell udtCell[intMaxNumCells];
    int16_t intNumRows = 0;
    int16_t intNumCols = 0;
    int16_t intNumCells = 0;  // rows x columns
};

// Row and column (from 0 at the top left) of cell index intI in a table of intNumCols
// columns; both 0 when intNumCols is not positive.
void GetRowCol(int16_t intI, int16_t intNumCols, int16_t& intRow, int16_t& intCol);

// Empties and hides all 144 cells, black on black, boldface off.
void ClearCells(AspectTable& table);

// Boldface off and Arial 10 for the cells of the current layout (0 .. intNumCells - 1).
void ResetCellFonts(AspectTable& table);

// Returns the width and the height of the table's current layout in twips.
int32_t TableWidthTwips(const AspectTable& table);
int32_t TableHeightTwips(const AspectTable& table);

// Lays out the single-chart table: 11 rows by 10 columns, glyph header in row 1, glyph
// diagonal at row = column + 2, everything below it hidden (the zodiac cell 100 too). With
// blnAngles, 13 rows by 12 columns: the Ascendant and the Midheaven after the Moon.
void LayOutSingleChartTable(AspectTable& table, bool blnAngles = false);

// Lays out the two-chart table: 12 x 12, glyphs in row 1 (chart A, the columns) and
// column 1 (chart B, the rows), the corner texts, a dark diagonal. blnSynastry picks the
// synastry corners; otherwise blnSecondBirthdate picks the personal-transit corner of the
// 2nd birthdate. The Moon's column glyph is shown in synastry or with blnIncludeMoon. The
// corner names the zodiac, sidereal when blnSidereal is set. blnAnglesA adds the columns of
// chart A's Ascendant and Midheaven, blnAnglesB the rows of chart B's.
void LayOutTwoChartTable(AspectTable& table, bool blnSynastry, bool blnSecondBirthdate,
                         bool blnIncludeMoon, bool blnSidereal, bool blnAnglesA = false,
                         bool blnAnglesB = false);

// Returns the position cell text of longitude lambda (radians): "<" (code -99), ">"
// (-100) or "?" (other negative codes); 4 decimals in radians; otherwise degrees and
// minutes, " r" when retrograde, a line break and the compact sign position ("15Ari23").
std::string PositionCellText(double lambda, bool blnRetrograde, bool blnRadians);

// Returns deviation d (radians) as an aspect cell shows it: 4 decimals in radians,
// otherwise degrees and minutes ("2°13'").
std::string DeviationText(double d, bool blnRadians);

// Returns the text of an aspect cell before its movement mark: the three-letter
// abbreviation of aspect k (1..7), a line break and the deviation d (radians) as
// DeviationText writes it; "" for another k.
std::string AspectCellText(int16_t k, double d, bool blnRadians);

// Sets the text of a position cell and its colours: light green, black text.
void SetPositionCell(TableCell& cell, const std::string& strText);

// Shows the zodiac cell, the first cell of the last row: the name of the zodiac (sidereal
// when blnSidereal is set) without a full stop, light green, black text.
void ShowZodiacCell(AspectTable& table, bool blnSidereal);

// Sets boldface and text colour of an aspect cell for aspect k (1..7), orb set s (0..2)
// and deviation d (radians) with options: bold when d < 1 degree, or when d < orb / the boldface
// divisor, if boldface is on; text colour AspectColorShown (black for an aspect switched
// off, grey while "Use color" is unticked).
void SetAspectEmphasis(TableCell& cell, int16_t k, int16_t s, double d,
                       const ChartOptions& options);

}  // namespace ZDR
