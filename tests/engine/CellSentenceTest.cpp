// The aspect table read aloud: each cell as a sentence in the program's language.
#include <gtest/gtest.h>

#include <string>

#include "engine/AspectTable.h"
#include "engine/Catalogue.h"
#include "engine/CellSentence.h"
#include "engine/Compute.h"
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
        {Language::intEnglish, 0, 3, "154°34'\n4Vir34", "Mars: 154°34', 4Vir34"},
        {Language::intEnglish, 10, 0, "Tropical\nzodiac", "Tropical zodiac"},
        {Language::intEnglish, 4, 5, "", ""},
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

}  // namespace
