// The aspect table read aloud: each cell as a sentence in the program's language.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/AspectTable.h"
#include "engine/Catalogue.h"
#include "engine/CellSentence.h"
#include "engine/Compute.h"
#include "engine/Durations.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"

namespace {

class CellSentenceTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadTestProgramText()); }
    void SetUp() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
    }
    void TearDown() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
    }
};

// A single-chart table: row 0 positions, row 1 the glyphs, then one row per body with the
// aspects to the bodies of the columns to its right (Sun, Mercury, Venus, Mars, Jupiter,
// Saturn, Uranus, Neptune, Pluto, Moon).
TEST_F(CellSentenceTest, EveryKindOfCellReadsAsASentence) {
    struct Case {
        int language;
        int row, col;
        const char* text;
        const char* sentence;
    } cases[] = {
        {Language::intEnglish, 5, 7, "Tri\n4°39' -", "Mars trine Neptune, 4°39', closing"},
        {Language::intEnglish, 2, 9, "Con\n4°58' +", "Sun conjunct Moon, 4°58', widening"},
        {Language::intEnglish, 3, 4, "Sqr\n1°11'", "Mercury square Jupiter, 1°11'"},
        {Language::intGerman, 5, 7, "Tri\n4°39' -", "Mars Trigon Neptun, 4°39', enger werdend"},
        {Language::intEnglish, 0, 3, "154°34'\n4Vir34", "Mars: 154°34', 4° Virgo 34'"},
        {Language::intEnglish, 0, 5, "7°56' r\n7Ari56", "Saturn: 7°56', retrograde, 7° Aries 56'"},
        {Language::intGerman, 0, 5, "7°56' r\n7Wid56", "Saturn: 7°56', rückläufig, 7° Widder 56'"},
        {Language::intEnglish, 0, 1, "4.2520", "Mercury: 4.2520"},
        {Language::intEnglish, 10, 0, "Tropical\nzodiac", "Tropical zodiac"},
        {Language::intEnglish, 4, 5, "", "Venus and Saturn: no aspect"},
        {Language::intGerman, 4, 5, "", "Venus und Saturn: kein Aspekt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sentence);
        Language::intLanguage = static_cast<int16_t>(c.language);
        ZDR::BuildCatalogueNames();
        ZDR::AspectTable table;
        ZDR::LayOutSingleChartTable(table);
        const int index = c.row * table.intNumCols + c.col;
        table.udtCell[index].strText = c.text;
        table.udtCell[index].blnVisible = true;
        EXPECT_EQ(ZDR::CellSentence(table, ZDR::intModeNatal1, static_cast<int16_t>(index)),
                  c.sentence);
    }
}

// Glyph cells name their body; hidden cells and places outside the table say nothing.
TEST_F(CellSentenceTest, GlyphsNameTheirBodyAndHiddenCellsNothing) {
    ZDR::AspectTable table;
    ZDR::LayOutSingleChartTable(table);
    const std::string expected[10] = {"Sun",    "Mercury", "Venus",   "Mars",  "Jupiter",
                                      "Saturn", "Uranus",  "Neptune", "Pluto", "Moon"};
    for (int16_t col = 0; col < 10; ++col)
        EXPECT_EQ(ZDR::CellSentence(table, ZDR::intModeNatal1, table.intNumCols + col),
                  expected[col]);
    table.udtCell[50].strText = "Opp\n0°14' +";
    table.udtCell[50].blnVisible = false;
    EXPECT_EQ(ZDR::CellSentence(table, ZDR::intModeNatal1, 50), "");
    EXPECT_EQ(ZDR::CellSentence(table, ZDR::intModeNatal1, -1), "");
    EXPECT_EQ(ZDR::CellSentence(table, ZDR::intModeNatal1, ZDR::intMaxNumCells), "");
}

// The body a header cell shows by its glyph, or the angle by its abbreviation on the
// header colour; 0 for any other cell.
int16_t GlyphBody(const ZDR::AspectTable& table, int index) {
    const ZDR::TableCell& cell = table.udtCell[index];
    for (int16_t b = 1; b < ZDR::intPointSlots; ++b) {
        const bool glyph = b <= ZDR::intBodySlots && cell.intFont == ZDR::CellFont::Glyph &&
                           !ZDR::strBodyGlyph[b].empty() && ZDR::strBodyGlyph[b] == cell.strText;
        const bool angle = b >= ZDR::pointAscendant &&
                           cell.dblBackColor == ZDR::dblHeaderCellColor &&
                           ZDR::strBodyAbbr[b] == cell.strText;
        if (glyph || angle)
            return b;
    }
    return 0;
}

// The headers of a cell between two bodies are the glyphs of exactly those two bodies, in
// every layout; a position's header is the glyph below it; glyphs, corners and the zodiac
// have none.
TEST_F(CellSentenceTest, EachCellHasTheGlyphsOfItsBodiesAsHeaders) {
    const struct Layout {
        int16_t mode;
        bool twoChart, synastry, secondBirthdate, moon, angles;
        int paired;  // the cells between two bodies under both their headers
    } layouts[] = {{ZDR::intModeWorldTransits, false, false, false, false, false, 45},
                   {ZDR::intModeNatal1, false, false, false, false, true, 66},
                   {ZDR::intModePersonal1, true, false, false, true, false, 100},
                   {ZDR::intModePersonal2, true, false, true, false, true, 132},
                   {ZDR::intModeSynastry, true, true, false, true, true, 144}};
    for (const Layout& l : layouts) {
        SCOPED_TRACE(l.mode);
        ZDR::AspectTable table;
        if (l.twoChart)
            ZDR::LayOutTwoChartTable(table, l.synastry, l.secondBirthdate, l.moon, false, l.angles,
                                     l.angles);
        else
            ZDR::LayOutSingleChartTable(table, l.angles);
        if (!l.twoChart)
            ZDR::ShowZodiacCell(table, false);
        int paired = 0;
        for (int16_t i = 0; i < table.intNumCells; ++i) {
            const ZDR::CellHeaders h = ZDR::HeaderCells(table, i);
            int16_t first = 0;
            int16_t second = 0;
            const int row = i / table.intNumCols;
            const int col = i % table.intNumCols;
            const bool zodiac =
                l.twoChart ? row < 2 && col < 2 : row == table.intNumRows - 1 && col == 0;
            if (GlyphBody(table, i) > 0 || zodiac) {
                EXPECT_EQ(h.intRow, -1) << i;
                EXPECT_EQ(h.intColumn, -1) << i;
            } else if (row == 0) {
                EXPECT_EQ(h.intColumn,
                          GlyphBody(table, table.intNumCols + col) ? table.intNumCols + col : -1)
                    << i;
            } else if (ZDR::CellBodies(l.mode, table.intNumCols, i, first, second) &&
                       h.intColumn >= 0) {
                ++paired;
                const std::set<int16_t> bodies{GlyphBody(table, h.intRow),
                                               GlyphBody(table, h.intColumn)};
                EXPECT_EQ(bodies, (std::set<int16_t>{first, second})) << i;
            }
        }
        EXPECT_EQ(paired, l.paired);
    }
}

}  // namespace
