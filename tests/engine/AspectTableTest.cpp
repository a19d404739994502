#include <gtest/gtest.h>

#include <string>

#include "config/Options.h"
#include "engine/AspectTable.h"
#include "engine/Catalogue.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"

using ZDR::AspectTable;
using ZDR::CellFont;
using ZDR::TableCell;

namespace {

int16_t RowOf(int i, const AspectTable& t) {
    int16_t row = 0;
    int16_t col = 0;
    ZDR::GetRowCol(static_cast<int16_t>(i), t.intNumCols, row, col);
    return row;
}
int16_t ColOf(int i, const AspectTable& t) {
    int16_t row = 0;
    int16_t col = 0;
    ZDR::GetRowCol(static_cast<int16_t>(i), t.intNumCols, row, col);
    return col;
}

class AspectTableTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadTestProgramText()); }
    void SetUp() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
    }
    void TearDown() override { ClearOrbs(); }
    AspectTable table;
};

TEST(GetRowCol, RowsAndColumnsFromTheTopLeft) {
    int16_t row = -1;
    int16_t col = -1;
    ZDR::GetRowCol(100, 10, row, col);
    EXPECT_EQ(row, 10);
    EXPECT_EQ(col, 0);
    ZDR::GetRowCol(143, 12, row, col);
    EXPECT_EQ(row, 11);
    EXPECT_EQ(col, 11);
    ZDR::GetRowCol(5, 0, row, col);  // no layout yet
    EXPECT_EQ(row, 0);
    EXPECT_EQ(col, 0);
}

TEST_F(AspectTableTest, FreshCellsAreHiddenTemplates) {
    EXPECT_EQ(table.intNumCells, 0);
    for (const TableCell& cell : table.udtCell) {
        EXPECT_FALSE(cell.blnVisible);
        EXPECT_EQ(cell.lngWidth, 1080);
        EXPECT_EQ(cell.lngHeight, 570);
        EXPECT_EQ(cell.intFont, CellFont::Text);
        EXPECT_EQ(cell.dblFontSize, 9.75);
    }
}

TEST_F(AspectTableTest, SingleChartLayoutHasTheTriangleAboveTheDiagonal) {
    ZDR::LayOutSingleChartTable(table);
    EXPECT_EQ(table.intNumRows, 11);
    EXPECT_EQ(table.intNumCols, 10);
    EXPECT_EQ(table.intNumCells, 110);

    int positions = 0, headers = 0, diagonal = 0, aspectPlaces = 0;
    for (int i = 0; i < ZDR::intMaxNumCells; ++i) {
        const TableCell& cell = table.udtCell[i];
        if (!cell.blnVisible)
            continue;
        ASSERT_LT(i, 110) << "visible outside the 11 x 10 table";
        const int row = RowOf(i, table);
        const int col = ColOf(i, table);
        EXPECT_EQ(cell.lngTop, row * 570);
        EXPECT_EQ(cell.lngLeft, col * 1080);
        if (row == 0) {
            ++positions;
        } else if (row == 1) {
            ++headers;
            EXPECT_EQ(cell.strText, ZDR::strBodyGlyph[col + 1]);
            EXPECT_EQ(cell.intFont, CellFont::Glyph);
            EXPECT_EQ(cell.dblFontSize, 14.0);
            EXPECT_EQ(cell.dblBackColor, ZDR::RGB(200, 200, 220));
        } else if (row == col + 2) {
            ++diagonal;
            EXPECT_EQ(cell.strText, ZDR::strBodyGlyph[row - 1]);
            EXPECT_EQ(cell.intFont, CellFont::Glyph);
            EXPECT_EQ(cell.dblBackColor, ZDR::RGB(200, 200, 220));
        } else {
            ASSERT_GT(col, row - 2) << "visible below the diagonal: " << i;
            ++aspectPlaces;
            EXPECT_TRUE(cell.strText.empty());
            EXPECT_EQ(cell.dblBackColor, 0.0);
        }
    }
    EXPECT_EQ(positions, 10);
    EXPECT_EQ(headers, 10);
    EXPECT_EQ(diagonal, 9);  // Sun to Pluto; the Moon has none
    EXPECT_EQ(aspectPlaces, 45);
    EXPECT_FALSE(table.udtCell[100].blnVisible);

    ZDR::ShowZodiacCell(table, TestSidereal());
    const TableCell& zodiac = table.udtCell[100];
    EXPECT_TRUE(zodiac.blnVisible);
    EXPECT_EQ(zodiac.strText, Language::Text(47));
    EXPECT_EQ(zodiac.dblBackColor, ZDR::RGB(230, 255, 230));
    EXPECT_EQ(zodiac.dblForeColor, 0.0);
}

TEST_F(AspectTableTest, TwoChartLayoutCornersGlyphsAndDarkDiagonal) {
    ZDR::LayOutTwoChartTable(table, false, true, true, TestSidereal());
    EXPECT_EQ(table.intNumCells, 144);
    for (int i = 0; i < 144; ++i)
        EXPECT_TRUE(table.udtCell[i].blnVisible) << i;
    EXPECT_EQ(table.udtCell[0].strText, Language::Text(47));
    EXPECT_EQ(table.udtCell[1].strText, Language::Text(68));
    EXPECT_EQ(table.udtCell[12].strText, Language::Text(71));
    EXPECT_EQ(table.udtCell[13].strText, Language::Text(70));
    for (int i : {0, 1, 12, 13})
        EXPECT_EQ(table.udtCell[i].dblBackColor, ZDR::RGB(200, 200, 220));
    for (int b = 1; b <= 10; ++b) {
        const TableCell& top = table.udtCell[12 + b + 1];         // row 1
        const TableCell& left = table.udtCell[(b + 1) * 12 + 1];  // column 1
        EXPECT_EQ(top.strText, ZDR::strBodyGlyph[b]);
        EXPECT_EQ(left.strText, ZDR::strBodyGlyph[b]);
        EXPECT_EQ(top.intFont, CellFont::Glyph);
        EXPECT_EQ(table.udtCell[(b + 1) * 13].dblBackColor, ZDR::RGB(50, 50, 50));
    }
    EXPECT_EQ(table.udtCell[2 * 12 + 3].dblBackColor, 0.0);  // an aspect place off the diagonal

    ZDR::LayOutTwoChartTable(table, false, false, true, TestSidereal());
    EXPECT_EQ(table.udtCell[13].strText, Language::Text(69));

    ZDR::LayOutTwoChartTable(table, true, false, false, TestSidereal());
    EXPECT_EQ(table.udtCell[1].strText, Language::Text(75));
    EXPECT_EQ(table.udtCell[12].strText, Language::Text(76));
    EXPECT_EQ(table.udtCell[13].strText, Language::Text(14));
    EXPECT_EQ(table.udtCell[23].strText, ZDR::strBodyGlyph[10]);  // synastry: Moon always
}

TEST_F(AspectTableTest, WithoutTheTransitingMoonItsColumnHasNoGlyph) {
    ZDR::LayOutTwoChartTable(table, false, false, false, TestSidereal());
    const TableCell& moonHeader = table.udtCell[12 + 11];
    EXPECT_TRUE(moonHeader.strText.empty());
    EXPECT_EQ(moonHeader.dblBackColor, ZDR::RGB(200, 200, 220));
    EXPECT_EQ(moonHeader.intFont, CellFont::Text);
    EXPECT_EQ(table.udtCell[11 * 12 + 1].strText, ZDR::strBodyGlyph[10]);  // the natal Moon row
}

TEST_F(AspectTableTest, SwitchingToOneChartLeavesNoStrayCell) {
    ZDR::LayOutTwoChartTable(table, true, false, true, TestSidereal());
    for (TableCell& cell : table.udtCell)
        cell.strText = "Tri\n1°0'", cell.blnBold = true;
    ZDR::LayOutSingleChartTable(table);
    for (int i = 0; i < ZDR::intMaxNumCells; ++i) {
        const TableCell& cell = table.udtCell[i];
        if (i >= 110) {
            EXPECT_FALSE(cell.blnVisible) << i;
            EXPECT_TRUE(cell.strText.empty()) << i;
        }
        EXPECT_FALSE(cell.blnBold) << i;
        if (i < 110 && RowOf(i, table) >= 2 && RowOf(i, table) != ColOf(i, table) + 2) {
            // The glyph font of the old headers does not survive in the new aspect places.
            EXPECT_EQ(cell.intFont, CellFont::Text) << i;
            EXPECT_EQ(cell.dblFontSize, 10.0) << i;
        }
    }
}

TEST_F(AspectTableTest, PositionCellTexts) {
    EXPECT_EQ(ZDR::PositionCellText(-99, false, false), "<");
    EXPECT_EQ(ZDR::PositionCellText(-100, true, true), ">");
    EXPECT_EQ(ZDR::PositionCellText(-1, false, false), "?");
    EXPECT_EQ(ZDR::PositionCellText(-0.5, false, true), "?");

    // 255°30' is 15°30' in Sagittarius.
    const double lon = Rad(255.5);
    EXPECT_EQ(ZDR::PositionCellText(lon, false, false), "255°30'\n15Sag30");
    EXPECT_EQ(ZDR::PositionCellText(lon, true, false), "255°30' r\n15Sag30");
    EXPECT_EQ(ZDR::PositionCellText(lon, true, true), "4.4593");  // no " r", one line
    EXPECT_EQ(ZDR::PositionCellText(0.0, false, true), "0.0000");
    EXPECT_EQ(ZDR::DeviationText(0.01746, true), "0.0175");
    EXPECT_EQ(ZDR::DeviationText(Rad(2 + 13 / 60.0), false), "2°13'");
    EXPECT_EQ(ZDR::AspectCellText(4, Rad(1), false), "Tri\n1°0'");
    EXPECT_EQ(ZDR::AspectCellText(7, 0.1, true), "Qui\n0.1000");
}

TEST_F(AspectTableTest, BoldfaceByOneDegreeOrByAFractionOfTheOrb) {
    ZDR::ConfigOptions options;
    for (int k = 0; k < 8; ++k)
        options.dblAspectColor[k] = ZDR::dblInitialAspectColor[k];
    options.blnUseBoldface = true;
    options.bln1DegOfOrb = true;
    TableCell cell;
    const double oneDegree = ZDR::dblPi / 180.0;
    ZDR::SetAspectEmphasis(cell, 3, 0, oneDegree * 0.999, TestOptions(options));
    EXPECT_TRUE(cell.blnBold);
    EXPECT_EQ(cell.dblForeColor, ZDR::RGB(255, 0, 0));
    ZDR::SetAspectEmphasis(cell, 3, 0, oneDegree, TestOptions(options));
    EXPECT_FALSE(cell.blnBold);

    // A fraction of the orb of the set in use: 8 degrees / 4 = 2 degrees in set 2.
    options.bln1DegOfOrb = false;
    options.intBoldfaceFactorIndex = 2;  // 1/4
    udtTestOptions.dblOrb[4][0] = Rad(7);
    udtTestOptions.dblOrb[4][2] = Rad(8);
    const double quarter = udtTestOptions.dblOrb[4][2] / 4;
    ZDR::SetAspectEmphasis(cell, 4, 2, quarter, TestOptions(options));
    EXPECT_FALSE(cell.blnBold) << "deviation equal to orb / f";
    ZDR::SetAspectEmphasis(cell, 4, 2, quarter * 0.999, TestOptions(options));
    EXPECT_TRUE(cell.blnBold);
    ZDR::SetAspectEmphasis(cell, 4, 0, quarter * 0.999, TestOptions(options));
    EXPECT_FALSE(cell.blnBold) << "set 0 has the smaller orb";

    options.blnUseBoldface = false;
    ZDR::SetAspectEmphasis(cell, 4, 2, 0.0, TestOptions(options));
    EXPECT_FALSE(cell.blnBold);

    options.dblAspectColor[5] = 0.0;  // colour switched off: black text
    ZDR::SetAspectEmphasis(cell, 5, 0, 0.0, TestOptions(options));
    EXPECT_EQ(cell.dblForeColor, 0.0);
}

// "Use color" unticked: every shown aspect in one neutral grey; an aspect switched off
// stays black, that is hidden, either way.
TEST_F(AspectTableTest, WithoutUseColorEveryShownAspectIsGrey) {
    ZDR::ConfigOptions options;
    for (int k = 0; k < 8; ++k)
        options.dblAspectColor[k] = ZDR::dblInitialAspectColor[k];
    options.dblAspectColor[5] = 0.0;
    const struct {
        bool blnUseColor;
        int16_t k;
        double dblShown;
    } kCases[] = {{true, 1, ZDR::RGB(255, 255, 0)},
                  {false, 1, ZDR::RGB(192, 192, 192)},
                  {true, 7, ZDR::RGB(128, 128, 128)},
                  {false, 7, ZDR::RGB(192, 192, 192)},
                  {true, 5, 0.0},
                  {false, 5, 0.0},
                  {false, 0, 0.0},
                  {false, 8, 0.0}};
    for (const auto& c : kCases) {
        options.blnUseColor = c.blnUseColor;
        EXPECT_EQ(ZDR::AspectColorShown(c.k, options), c.dblShown) << c.k << c.blnUseColor;
        if (c.k < 1 || c.k > 7)
            continue;
        TableCell cell;
        ZDR::SetAspectEmphasis(cell, c.k, 0, 0.0, TestOptions(options));
        EXPECT_EQ(cell.dblForeColor, c.dblShown) << c.k << c.blnUseColor;
    }
}

}  // namespace
