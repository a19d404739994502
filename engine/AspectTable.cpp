#include "engine/AspectTable.h"

#include <charconv>

#include "astro/CatalogueCounts.h"
#include "astro/Turn.h"
#include "engine/Angles.h"
#include "text/Language.h"

namespace ZDR {

const char* const strTextFontName = "Arial";
const char* const strGlyphFontName = "Starfont Sans";

namespace {

// Places cell i of the current layout at its row and column, which it returns, and shows it.
void PlaceCell(AspectTable& table, int16_t i, int16_t& row, int16_t& col) {
    GetRowCol(i, table.intNumCols, row, col);
    TableCell& cell = table.udtCell[i];
    cell.lngTop = static_cast<int32_t>(row) * cell.lngHeight;
    cell.lngLeft = static_cast<int32_t>(col) * cell.lngWidth;
    cell.blnVisible = true;
}

// Makes a cell a header cell on the header colour: the glyph of body b, or the
// abbreviation of angle b.
void SetGlyphCell(TableCell& cell, int16_t b) {
    cell.blnBold = false;
    cell.dblBackColor = dblHeaderCellColor;
    if (b > intCatalogueBodies) {
        cell.strText = strBodyAbbr[b];
        return;
    }
    cell.intFont = CellFont::Glyph;
    cell.dblFontSize = dblGlyphFontSize;
    cell.strText = strBodyGlyph[b];
}

// The size of one cell of a layout of count rows or columns, full size twips in full.
int32_t CellSpan(int16_t count, int32_t full) {
    return count > intFullSizeCells ? full * intFullSizeCells / count : full;
}

// Starts a layout of rows x cols cells: resets the fonts of the table being replaced,
// takes the new geometry, sizes and clears every cell.
void StartLayout(AspectTable& table, int16_t rows, int16_t cols) {
    ResetCellFonts(table);
    table.intNumRows = rows;
    table.intNumCols = cols;
    table.intNumCells = static_cast<int16_t>(rows * cols);
    ClearCells(table);
    for (TableCell& cell : table.udtCell) {
        cell.lngWidth = CellSpan(cols, intCellWidth);
        cell.lngHeight = CellSpan(rows, intCellHeight);
    }
}

// An angle in radians with exactly four decimals, whatever the locale.
std::string FourDecimals(double x) {
    char buffer[32];
    const std::to_chars_result r =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, 4);
    return std::string(buffer, r.ptr);
}

}  // namespace

void GetRowCol(int16_t intI, int16_t intNumCols, int16_t& intRow, int16_t& intCol) {
    if (intNumCols <= 0) {
        intRow = 0;
        intCol = 0;
        return;
    }
    intRow = static_cast<int16_t>(intI / intNumCols);
    intCol = static_cast<int16_t>(intI % intNumCols);
}

void ClearCells(AspectTable& table) {
    for (TableCell& cell : table.udtCell) {
        cell.strText.clear();
        cell.blnVisible = false;
        cell.dblBackColor = 0.0;
        cell.dblForeColor = 0.0;
        cell.blnBold = false;
    }
}

void ResetCellFonts(AspectTable& table) {
    for (int16_t i = 0; i < table.intNumCells && i < intMaxNumCells; ++i) {
        TableCell& cell = table.udtCell[i];
        cell.blnBold = false;
        cell.intFont = CellFont::Text;
        cell.dblFontSize = dblTextFontSize;
    }
}

int32_t TableWidthTwips(const AspectTable& table) {
    return table.intNumCols * table.udtCell[0].lngWidth;
}

int32_t TableHeightTwips(const AspectTable& table) {
    return table.intNumRows * table.udtCell[0].lngHeight;
}

void LayOutSingleChartTable(AspectTable& table, bool blnAngles) {
    const int16_t points = blnAngles ? intLastPoint : intCatalogueBodies;
    StartLayout(table, static_cast<int16_t>(points + 1), points);
    for (int16_t i = 0; i < table.intNumCells; ++i) {
        int16_t row = 0;
        int16_t col = 0;
        PlaceCell(table, i, row, col);
        // Row 1 and the diagonal row == col + 2 show the glyphs; the cells below stay hidden.
        if (row == 1)
            SetGlyphCell(table.udtCell[i], static_cast<int16_t>(col + 1));
        else if (row > col + 2)
            table.udtCell[i].blnVisible = false;
        else if (row == col + 2)
            SetGlyphCell(table.udtCell[i], static_cast<int16_t>(row - 1));
    }
}

void LayOutTwoChartTable(AspectTable& table, bool blnSynastry, bool blnSecondBirthdate,
                         bool blnIncludeMoon, bool blnSidereal, bool blnAnglesA,
                         bool blnAnglesB) {
    const auto side = [](bool blnAngles) {
        return static_cast<int16_t>((blnAngles ? intLastPoint : intCatalogueBodies) + 2);
    };
    StartLayout(table, side(blnAnglesB), side(blnAnglesA));
    for (int16_t i = 0; i < table.intNumCells; ++i) {
        int16_t row = 0;
        int16_t col = 0;
        PlaceCell(table, i, row, col);
        TableCell& cell = table.udtCell[i];
        if (row == 1 || col == 1)
            cell.dblBackColor = dblHeaderCellColor;
        if (row == 1 && col > 1 && (blnSynastry || col - 1 != bodyMoon || blnIncludeMoon))
            SetGlyphCell(cell, static_cast<int16_t>(col - 1));
        if (col == 1 && row > 1)
            SetGlyphCell(cell, static_cast<int16_t>(row - 1));
        if (row > 1 && col > 1 && row == col)
            cell.dblBackColor = dblTwoChartDiagonalColor;
    }

    // The corners name the zodiac and the two body sets.
    const int16_t cols = table.intNumCols;
    table.udtCell[0].strText = ZodiacLabel(false, blnSidereal);
    table.udtCell[1].strText = Language::Text(blnSynastry ? 75 : 68);
    table.udtCell[cols].strText = Language::Text(blnSynastry ? 76 : 71);
    table.udtCell[cols + 1].strText =
        Language::Text(blnSynastry ? 14 : (blnSecondBirthdate ? 70 : 69));
    for (int16_t i : {int16_t{0}, int16_t{1}, cols, static_cast<int16_t>(cols + 1)})
        table.udtCell[i].dblBackColor = dblHeaderCellColor;
}

std::string DeviationText(double d, bool blnRadians) {
    return blnRadians ? FourDecimals(d) : FormatDegMin(d);
}

std::string AspectCellText(int16_t k, double d, bool blnRadians) {
    if (k < 1 || k > intCatalogueAspects)
        return "";
    return udtAspect[k].strAbbr + "\n" + DeviationText(d, blnRadians);
}

std::string PositionCellText(double lambda, bool blnRetrograde, bool blnRadians) {
    if (lambda < 0) {
        if (lambda == -99.0)
            return "<";
        if (lambda == -100.0)
            return ">";
        return "?";
    }
    if (blnRadians)
        return FourDecimals(lambda);
    std::string text = FormatDegMin(lambda);
    if (blnRetrograde)
        text += " r";
    return text + "\n" + FormatSignPosition(lambda, false, false);
}

void SetPositionCell(TableCell& cell, const std::string& strText) {
    cell.strText = strText;
    cell.dblBackColor = dblPositionCellColor;
    cell.dblForeColor = 0.0;
}

void ShowZodiacCell(AspectTable& table, bool blnSidereal) {
    if (table.intNumRows < 1)
        return;
    TableCell& cell = table.udtCell[(table.intNumRows - 1) * table.intNumCols];
    SetPositionCell(cell, ZodiacLabel(false, blnSidereal));
    cell.blnVisible = true;
}

void SetAspectEmphasis(TableCell& cell, int16_t k, int16_t s, double d,
                       const ChartOptions& chartOptions) {
    const ConfigOptions& options = chartOptions.udtConfig;
    if (k < 1 || k > intCatalogueAspects || s < 0 || s >= intNumOrbSets)
        return;
    if (!options.blnUseBoldface)
        cell.blnBold = false;
    else if (options.bln1DegOfOrb)
        cell.blnBold = d < dblPi / 180.0;
    else
        cell.blnBold =
            d < chartOptions.dblOrb[k][s] / BoldfaceDivisor(options.intBoldfaceFactorIndex);
    cell.dblForeColor = AspectColorShown(k, options);
}

}  // namespace ZDR
