// Aspect patterns of constructed charts. Bodies not placed have no position and so take
// part in nothing; the orbs of set 0 are the defaults 10, 9, 6, 7, 5, 4, 5 degrees.
#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

#include "engine/Catalogue.h"
#include "engine/Patterns.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"

namespace {

using namespace ZDR;

// " (<text #154> 1°20')" as a line shows a mean deviation.
std::string Mean(const std::string& degMin) {
    return " (" + Language::Text(154) + " " + degMin + ")";
}

class PatternsTest : public ConstructedChartTest {
  protected:
    void SetUp() override {
        ConstructedChartTest::SetUp();
        const double orbs[8] = {0, 10, 9, 6, 7, 5, 4, 5};
        for (int k = 0; k < 8; ++k) {
            udtTestOptions.dblOrb[k][0] = Rad(orbs[k]);
            udtTestOptions.dblOrb[k][1] = udtTestOptions.dblOrb[k][0] / 3;
            udtTestOptions.dblOrb[k][2] = udtTestOptions.dblOrb[k][0] / 3;
        }
        udtTestChart.intNumBodies = 10;
        for (auto& count : udtTestChart.intNumPatternsOfType)
            count = 0;
    }
    // Runs a finder with its count at 0.
    static std::pair<std::string, int16_t> Run(std::string (*finder)(const ChartPositions&,
                                                                     const ChartOptions&, bool,
                                                                     int16_t&),
                                               bool blnFullNames = false) {
        int16_t count = 0;
        std::string text = finder(udtTestChart, udtTestOptions, blnFullNames, count);
        return {text, count};
    }
};

TEST_F(PatternsTest, KiteListsItsGrandTrineToo) {
    // Sun, Mars, Jupiter trine (deviations 1°, 2°, 1°); Saturn opposite the Sun.
    Place({{1, 0}, {4, 121}, {5, 242}, {6, 181}});
    EXPECT_EQ(Run(FindGrandTrine),
              std::make_pair("Grand trine: Su-Ma-Ju" + Mean("1°20'") + "\r\n", int16_t{1}));
    EXPECT_EQ(Run(FindGrandTrine, true),
              std::make_pair(std::string("Sun-Mars-Jupiter\r\n"), int16_t{1}));
    // Opposition 1°, sextiles 0° and 1°: (4 + 2) / 6.
    EXPECT_EQ(Run(FindKite),
              std::make_pair("Kite: Su-Ma-Ju-Sa" + Mean("1°0'") + "\r\n", int16_t{1}));

    // Saturn opposite Mars instead: the opposed corner leads the line.
    Place({{6, 301}});
    EXPECT_EQ(Run(FindKite).first, "Kite: Ma-Ju-Su-Sa" + Mean("1°0'") + "\r\n");
    // ... and opposite Jupiter: (4 + 0 + 2 + 1) / 6.
    Place({{6, 62}});
    EXPECT_EQ(Run(FindKite).first, "Kite: Ju-Su-Ma-Sa" + Mean("1°10'") + "\r\n");
    // Opposite the Sun within 9°, but 6° from the sextile to Mars: no kite.
    Place({{6, 187}});
    EXPECT_EQ(Run(FindKite).second, 0);
}

TEST_F(PatternsTest, GrandCrossHoldsFourTSquares) {
    Place({{1, 0}, {4, 91}, {5, 181}, {6, 271}});
    // Squares Su-Ma, Su-Sa 1°, opposition Su-Ju 1°, the rest exact: 3° / 6.
    EXPECT_EQ(Run(FindGrandCross),
              std::make_pair("Grand cross: Su-Ma-Ju-Sa" + Mean("0°30'") + "\r\n", int16_t{1}));
    const auto [text, count] = Run(FindTSquare);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(text, "T-square: Su-Ma-Ju" + Mean("0°40'") + "\r\nT-square: Su-Sa-Ju" +
                        Mean("0°40'") + "\r\nT-square: Ma-Su-Sa" + Mean("0°40'") +
                        "\r\nT-square: Ma-Ju-Sa" + Mean("0°0'") + "\r\n");
}

TEST_F(PatternsTest, YodKiteListsItsYodToo) {
    // Sun sextile Mars, Jupiter quincunx both, Saturn opposite Jupiter.
    Place({{1, 0}, {4, 60}, {5, 210}, {6, 30}});
    EXPECT_EQ(Run(FindYod), std::make_pair("Yod: Su-Ju-Ma" + Mean("0°0'") + "\r\n", int16_t{1}));
    EXPECT_EQ(Run(FindYodKite),
              std::make_pair("Yod-kite: Su-Ju-Ma-Sa" + Mean("0°0'") + "\r\n", int16_t{1}));
    // Both semisextiles are needed: Saturn 3° from the one to the Sun, 5° from Mars.
    Place({{4, 62}, {5, 211}, {6, 27}});
    EXPECT_EQ(Run(FindYod).second, 1);
    EXPECT_EQ(Run(FindYodKite).second, 0);
}

TEST_F(PatternsTest, Trapezium) {
    Place({{1, 0}, {5, 182}, {4, 120}, {6, 60}});
    // Opposition 2°, trine Ju-Sa 2°, sextile Ma-Ju 2°: 6° / 6.
    EXPECT_EQ(Run(FindTrapezium),
              std::make_pair("Trapezium: Su-Ju-Ma-Sa" + Mean("1°0'") + "\r\n", int16_t{1}));
}

TEST_F(PatternsTest, EachRectangleIsListedOnce) {
    // Found from both oppositions, one right after the other.
    Place({{1, 0}, {6, 60}, {5, 180}, {4, 240}});
    EXPECT_EQ(Run(FindRectangle),
              std::make_pair("Rectangle: Su-Ju-Ma-Sa" + Mean("0°0'") + "\r\n", int16_t{1}));

    // Two rectangles whose findings interleave: each still listed once.
    Place({{2, 15}, {9, 75}, {7, 195}, {3, 255}, {8, 60}});
    Place({{6, -99}});
    const auto [text, count] = Run(FindRectangle);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(text, "Rectangle: Su-Ju-Ma-Ne" + Mean("0°0'") + "\r\nRectangle: Me-Ur-Ve-Pl" +
                        Mean("0°0'") + "\r\n");
}

TEST_F(PatternsTest, OnlyTheLargestStelliumIsReported) {
    // Pairwise 3°, 6°, 9°, 3°, 6°, 3° apart.
    Place({{1, 0}, {2, 3}, {3, 6}, {4, 9}});
    EXPECT_EQ(Run(FindStellium4),
              std::make_pair("4-Stellium: Su-Me-Ve-Ma" + Mean("5°0'") + "\r\n", int16_t{1}));
    EXPECT_EQ(Run(FindStellium3).second, 4);
    EXPECT_EQ(Run(FindStellium5).second, 0);

    udtTestChart.intNumPatternsOfType[8] = 5;
    udtTestChart.intNumPatternsOfType[11] = 7;
    const std::string section =
        PatternSection(udtTestChart, MidpointOptions(0), udtTestChart.intNumPatternsOfType);
    EXPECT_EQ(section, "4-Stellium: Su-Me-Ve-Ma" + Mean("5°0'") + "\r\n\r\n");
    EXPECT_EQ(udtTestChart.intNumPatternsOfType[10], 1);
    EXPECT_EQ(udtTestChart.intNumPatternsOfType[11], 0);
    EXPECT_EQ(udtTestChart.intNumPatternsOfType[8], 5);  // not found: left alone

    // Six bodies within the orb: one 6-stellium, nothing smaller.
    Place({{5, 1}, {6, 2}});
    PatternSection(udtTestChart, MidpointOptions(0), udtTestChart.intNumPatternsOfType);
    EXPECT_EQ(udtTestChart.intNumPatternsOfType[8], 1);
    for (int p = 9; p <= 11; ++p)
        EXPECT_EQ(udtTestChart.intNumPatternsOfType[p], 0) << p;
}

TEST_F(PatternsTest, StelliumIsNoChain) {
    Place({{1, 0}, {2, 8}, {3, 16}});
    EXPECT_EQ(Run(FindStellium3).second, 0);
}

TEST_F(PatternsTest, GrandSextileCountsOneAndShowsNoDeviation) {
    Place({{1, 0}, {3, 60}, {4, 120}, {5, 180}, {6, 240}, {7, 300}});
    EXPECT_EQ(Run(FindGrandSextile),
              std::make_pair(std::string("Grand sextile: Su-Ma-Sa-Ve-Ju-Ur\r\n"), int16_t{1}));
    EXPECT_EQ(Run(FindGrandSextile, true).first, "Sun-Mars-Saturn-Venus-Jupiter-Uranus\r\n");
    // A Moon beside the Sun makes a second one; the count stays 1.
    Place({{10, 1}});
    const auto [text, count] = Run(FindGrandSextile);
    EXPECT_EQ(text, "Grand sextile: Su-Ma-Sa-Ve-Ju-Ur\r\nGrand sextile: Ve-Ju-Ur-Ma-Sa-Mo\r\n");
    EXPECT_EQ(count, 1);
}

TEST_F(PatternsTest, PatternsUseOrbSetZeroWhateverTheOtherSets) {
    // The hexagram holds grand trines, kites, rectangles, trapeziums and a grand sextile.
    Place({{1, 0}, {3, 60}, {4, 120}, {5, 180}, {6, 240}, {7, 300}});
    auto found = [](int16_t p) {
        for (const PatternGroup& group : FindAllPatterns(udtTestChart, MidpointOptions(0), false)) {
            if (group.intPattern == p)
                return true;
        }
        return false;
    };
    for (const int16_t p : {0, 1, 2, 7, 12})
        EXPECT_TRUE(found(p)) << p;
    udtTestOptions.dblOrb[4][0] = 0;
    udtTestOptions.dblOrb[4][1] = udtTestOptions.dblOrb[4][2] = Rad(15);
    for (const int16_t p : {0, 1, 2, 7, 12})
        EXPECT_FALSE(found(p)) << p;
}

TEST_F(PatternsTest, LeftOutMoonTakesNoPart) {
    Place({{1, 0}, {4, 120}, {10, 240}});
    EXPECT_EQ(Run(FindGrandTrine).first, "Grand trine: Su-Ma-Mo" + Mean("0°0'") + "\r\n");
    udtTestChart.intNumBodies = 9;
    EXPECT_TRUE(FindAllPatterns(udtTestChart, MidpointOptions(Rad(3)), false).empty());
    EXPECT_EQ(
        PatternSection(udtTestChart, MidpointOptions(Rad(3)), udtTestChart.intNumPatternsOfType),
        "");
}

TEST_F(PatternsTest, SectionListsGroupsInReportOrderAndStoresCounts) {
    // A kite. Sun, Mars and Jupiter each stand opposite the midpoint of the other two: one
    // configuration, listed once; Saturn at the midpoint of Mars and Jupiter.
    Place({{1, 0}, {4, 120}, {5, 240}, {6, 180}});
    udtTestChart.intNumPatternsOfType[3] = 9;
    EXPECT_EQ(
        PatternSection(udtTestChart, MidpointOptions(Rad(0.5)), udtTestChart.intNumPatternsOfType),
        "Grand trine: Su-Ma-Ju" + Mean("0°0'") + "\r\n\r\nKite: Su-Ma-Ju-Sa" + Mean("0°0'") +
            "\r\n\r\nMidpoint: Ma-Su-Ju\r\nMidpoint: Ma-Sa-Ju\r\n\r\n");
    EXPECT_EQ(udtTestChart.intNumPatternsOfType[0], 1);
    EXPECT_EQ(udtTestChart.intNumPatternsOfType[1], 1);
    EXPECT_EQ(udtTestChart.intNumPatternsOfType[3], 9);
    EXPECT_EQ(udtTestChart.intNumPatternsOfType[13], 2);

    const std::vector<PatternGroup> groups =
        FindAllPatterns(udtTestChart, MidpointOptions(Rad(0.5)), true);
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[1].intPattern, 1);
    EXPECT_EQ(groups[1].strText, "Sun-Mars-Jupiter-Saturn\r\n");
    EXPECT_EQ(groups[2].intPattern, 13);
    EXPECT_EQ(groups[2].intCount, 2);
    EXPECT_EQ(groups[2].strText, "Mars-Sun-Jupiter\r\nMars-Saturn-Jupiter\r\n");
}

TEST_F(PatternsTest, GermanLinesUseGermanNames) {
    Language::intLanguage = Language::intGerman;
    BuildCatalogueNames();
    Place({{1, 0}, {4, 90}, {5, 180}});
    EXPECT_EQ(Run(FindTSquare).first, "T-Quadrat: So-Ma-Ju" + Mean("0°0'") + "\r\n");
    EXPECT_EQ(Run(FindTSquare, true).first, "Sonne-Mars-Jupiter\r\n");
}

}  // namespace
