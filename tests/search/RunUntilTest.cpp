// The stop test of a run until a pattern forms, its message in both languages, and the
// pattern counts of a search step compared with those a full computation leaves.
#include <gtest/gtest.h>

#include <string>

#include "config/Options.h"
#include "config/OptionsInForce.h"
#include "engine/Compute.h"
#include "engine/Patterns.h"
#include "engine/Report.h"
#include "search/RunUntil.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"

namespace {

constexpr int16_t kGrandTrine = 0;
constexpr int16_t kTSquare = 3;
constexpr int16_t kGrandCross = 4;
constexpr int16_t kYod = 5;
constexpr int16_t kStellium4 = 10;
constexpr int16_t kStellium3 = 11;
constexpr int16_t kGrandSextile = 12;
constexpr int16_t kMidpoint = 13;

ZDR::RunUntilSettings Search(int16_t pattern, bool blnTwoOrMore = false, int16_t atLeast = 2) {
    ZDR::RunUntilSettings s;
    s.intAspectPatternToFind = pattern;
    s.blnTwoOrMore = blnTwoOrMore;
    s.intNumToFindIndex = static_cast<int16_t>(atLeast - 2);
    return s;
}

struct StopCase {
    const char* strWhat;
    ZDR::RunUntilSettings udtSettings;
    int16_t intPattern;  // the pattern whose count is set
    int16_t intCount;
    bool blnFound;
};

const StopCase kStopCases[] = {
    {"one grand trine, two or more", Search(kGrandTrine, true), kGrandTrine, 1, false},
    {"two grand trines, two or more", Search(kGrandTrine, true), kGrandTrine, 2, true},
    {"two grand trines, three or more", Search(kGrandTrine, true, 3), kGrandTrine, 2, false},
    {"nine yods, nine or more", Search(kYod, true, 9), kYod, 9, true},
    {"one grand trine, single", Search(kGrandTrine), kGrandTrine, 1, true},
    {"no grand trine, single", Search(kGrandTrine), kGrandTrine, 0, false},
    {"a T-square searched, a grand trine there", Search(kTSquare), kGrandTrine, 3, false},
    {"grand sextile, two or more", Search(kGrandSextile, true), kGrandSextile, 1, false},
    {"run until stopped", Search(-1), kGrandTrine, 5, false},
    {"no such pattern", Search(14), kGrandTrine, 5, false},
    {"midpoints, two or more", Search(kMidpoint, true), kMidpoint, 2, true},
};

TEST(RunUntil, TheStopTest) {
    for (const StopCase& c : kStopCases) {
        int16_t counts[14] = {};
        counts[c.intPattern] = c.intCount;
        int16_t found = -1;
        EXPECT_EQ(ZDR::PatternFound(c.udtSettings, counts, found), c.blnFound) << c.strWhat;
        const int16_t p = c.udtSettings.intAspectPatternToFind;
        EXPECT_EQ(found, p >= 0 && p < 14 ? counts[p] : 0) << c.strWhat;
    }
}

struct MessageCase {
    ZDR::RunUntilSettings udtSettings;
    int16_t intFound;
    const char* strEnglish;
    const char* strGerman;
};

const MessageCase kMessages[] = {
    {Search(kGrandTrine, true), 2, "Two grand trines found.", "Zwei Große Trigon gefunden."},
    {Search(kGrandCross, true, 3), 3, "Three grand crosses found.", "Drei Große Kreuz gefunden."},
    {Search(kTSquare, true), 4, "Four T-squares found.", "Vier T-Quadrat gefunden."},
    {Search(6, true), 8, "Eight yod-kites found.", "Ache Yod-Drachen gefunden."},
    {Search(kStellium3, true), 2, "Two 3-stelliums found.", "Zwei 3-Stellium gefunden."},
    {Search(kMidpoint, true), 21, "Twenty one midpoints found.",
     "Eine und zwanzig Halbsumme gefunden."},
    {Search(kGrandTrine), 2, "Grand trine found.", "Großes Trigon gefunden."},
    {Search(kTSquare), 1, "T-square found.", "T-Quadrat gefunden."},
    {Search(kGrandSextile), 1, "Grand sextile found.", "Großes Sextil gefunden."},
    {Search(-1), 0, "", ""},
};

TEST(RunUntil, TheMessageInBothLanguages) {
    ASSERT_TRUE(LoadTestProgramText());
    SavedEngineTables saved;
    for (const int16_t language : {Language::intEnglish, Language::intGerman}) {
        Language::intLanguage = language;
        ZDR::BuildCatalogueNames();
        for (const MessageCase& c : kMessages) {
            EXPECT_EQ(ZDR::PatternFoundMessage(c.udtSettings, c.intFound),
                      language == Language::intGerman ? c.strGerman : c.strEnglish);
        }
        EXPECT_EQ(ZDR::PatternFoundTitle(), language == Language::intGerman
                                                ? "Aspektmuster gefunden"
                                                : "Aspect pattern found");
    }
}

// The counts of a search step equal what the report of a full computation stores, on
// charts that hold many patterns.
class PatternCountsTest : public ConstructedChartTest {};

TEST_F(PatternCountsTest, ConstructedChartsCountAsTheReportDoes) {
    ASSERT_TRUE(LoadTestProgramText());
    udtTestOptions = ZDR::MakeChartOptions(ZDR::DefaultOptions(Language::intEnglish, {}));
    udtTestChart.intNumBodies = 10;
    const double midpointOrb = Rad(0.5);
    // A hexagram with a stellium of five around its first corner; a grand cross with a
    // 4-stellium; a kite, yod-kite and midpoints; bodies without positions.
    const double charts[][11] = {{0, 0, 60, 120, 180, 240, 300, 2, 4, 6, 3},
                                 {0, 10, 100, 190, 280, 11, 12, 13, 200, 300, 45},
                                 {0, 0, 120, 240, 180, 60, 300, 150, 210, 30, 90},
                                 {0, 0, 150, 210, 30, 330, 180, 105, 75, -99, -100}};
    int total = 0;
    for (const auto& chart : charts) {
        for (int b = 1; b <= 10; ++b)
            udtTestChart.dblPos[b][0] = chart[b] < 0 ? chart[b] : Rad(chart[b]);
        for (int16_t& n : udtTestChart.intNumPatternsOfType)
            n = 0;
        ZDR::PatternSection(udtTestChart, MidpointOptions(midpointOrb),
                            udtTestChart.intNumPatternsOfType);
        int16_t counts[14];
        ZDR::CountAllPatterns(udtTestChart, MidpointOptions(midpointOrb), counts);
        for (int p = 0; p < 14; ++p) {
            EXPECT_EQ(counts[p], udtTestChart.intNumPatternsOfType[p])
                << "pattern " << p << " chart " << chart[1] << "," << chart[2];
            total += counts[p];
        }
    }
    EXPECT_GT(total, 20);
}

TEST_F(PatternCountsTest, AFourStelliumIsNoThreeStellium) {
    udtTestOptions = ZDR::MakeChartOptions(ZDR::DefaultOptions(Language::intEnglish, {}));
    udtTestChart.intNumBodies = 10;
    Place({{1, 10},
           {2, 12},
           {3, 14},
           {4, 16},
           {5, 100},
           {6, 200},
           {7, 250},
           {8, 290},
           {9, 330},
           {10, 140}});
    int16_t counts[14];
    ZDR::CountAllPatterns(udtTestChart, MidpointOptions(Rad(0.5)), counts);
    EXPECT_EQ(counts[kStellium4], 1);
    EXPECT_EQ(counts[kStellium3], 0);
    int16_t found = 0;
    EXPECT_FALSE(ZDR::PatternFound(Search(kStellium3), counts, found));
    EXPECT_TRUE(ZDR::PatternFound(Search(kStellium4), counts, found));
}

// On dates every 37 days and 7 hours from 1550 to 2150 (the Moon and Pluto missing at
// either end), with the default options and with wide orbs.
TEST_F(PatternCountsTest, RealDatesCountAsAFullComputation) {
    ASSERT_TRUE(LoadTestDataFiles());
    ZDR::ConfigOptions wide = ZDR::DefaultOptions(Language::intEnglish, {});
    wide.intOrbListIndex = {12, 11, 10, 10, 8, 6, 7, 0};
    wide.intMidpointOrbIndex = 7;
    int compared = 0;
    for (const ZDR::ConfigOptions& options :
         {ZDR::DefaultOptions(Language::intEnglish, {}), wide}) {
        UseTestSettings(options);
        const double midpointOrb = ZDR::MidpointOrb(options.intMidpointOrbIndex);
        for (double jd = 2287184.5; jd < 2506332.5; jd += 37.29) {
            const double dates[3] = {jd, 0, 0};
            ZDR::ComputeResult& result = udtTestChart;
            ZDR::ComputeAtJD(ZDR::intModeWorldTransits, dates, false, TestOptions(options), result);
            for (int16_t& n : udtTestChart.intNumPatternsOfType)
                n = 0;
            ZDR::ChartOptions report = MidpointOptions(midpointOrb);
            report.udtConfig.blnWaxingWaningAspects = false;
            ZDR::BuildSingleChartReport(result, report, false);
            int16_t counts[14];
            ZDR::PatternCountsAt(jd, MidpointOptions(midpointOrb), counts);
            for (int p = 0; p < 14; ++p)
                ASSERT_EQ(counts[p], udtTestChart.intNumPatternsOfType[p])
                    << "JD " << jd << " pattern " << p;
            ++compared;
        }
    }
    EXPECT_GT(compared, 10000);
}

}  // namespace
