#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/Catalogue.h"
#include "engine/Report.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"

namespace {

using Language::Text;

// Half an hour of motion in degrees: the Moon, the Sun and Saturn.
constexpr double kMoonStep = 0.27;
constexpr double kSunStep = 0.02;
constexpr double kSaturnStep = 0.0015;

// Total line #127 with the count put in.
std::string Total(int n) {
    std::string text = Text(127);
    for (std::string::size_type at = text.find('N'); at != std::string::npos;
         at = text.find('N', at)) {
        text.replace(at, 1, std::to_string(n));
    }
    return text;
}

// The single-chart report of the test chart with intNumRetro bodies of strRetroList
// retrograde, waxing and waning counted when blnWaxingWaning, midpoints within
// dblMidpointOrb (radians).
std::string SingleReport(bool blnWaxingWaning, double dblMidpointOrb, int16_t intNumRetro,
                         const std::string& strRetroList, bool blnRadiansDisplay) {
    ZDR::ChartOptions options = MidpointOptions(dblMidpointOrb);
    options.udtConfig.blnWaxingWaningAspects = blnWaxingWaning;
    udtTestChart.intNumRetro = intNumRetro;
    udtTestChart.strRetroList = strRetroList;
    return ZDR::BuildSingleChartReport(udtTestChart, options, blnRadiansDisplay);
}

class ReportTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadTestProgramText()); }
    void SetUp() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
        Clear();
        SetOrbs({0, 10, 9, 6, 7, 5, 4, 5}, 3, 3);
    }
    void TearDown() override {
        Clear();
        ClearOrbs();
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
    }

    // No aspect, no position, so the pattern section stays empty.
    static void Clear() {
        for (int k = 0; k < 8; ++k) {
            udtTestChart.intNumAspectsOfType[k] = 0;
            udtTestChart.intNumWaxingOfType[k] = 0;
            udtTestChart.intNumWaningOfType[k] = 0;
        }
        for (auto& pos : udtTestChart.dblPos) {
            pos[0] = -1.0;
            pos[1] = -1.0;
        }
        for (int16_t& n : udtTestChart.intNumPatternsOfType)
            n = 0;
        udtTestChart.intNumBodies = 10;
    }

    // Orbs of aspects 1..7 in degrees for set 0; sets 1 and 2 divided by their divisors.
    static void SetOrbs(const std::array<double, 8>& degrees, double personal, double synastry) {
        for (int k = 1; k < 8; ++k) {
            udtTestOptions.dblOrb[k][0] = Rad(degrees[k]);
            udtTestOptions.dblOrb[k][1] = Rad(degrees[k]) / personal;
            udtTestOptions.dblOrb[k][2] = Rad(degrees[k]) / synastry;
        }
        ZDR::DeriveOrbLimits(udtTestOptions);
    }

    static void German() {
        Language::intLanguage = Language::intGerman;
        ZDR::BuildCatalogueNames();
    }
};

// ---------------------------------------------------------------- waxing and waning

TEST_F(ReportTest, AspectPhaseFollowsTheFasterBody) {
    // The Moon 20° ahead of the Sun: on its way to the opposition.
    EXPECT_EQ(ZDR::AspectPhase(Rad(130), Rad(110), Rad(130 + kMoonStep), Rad(110 + kSunStep)), 1);
    // The Moon 20° behind the Sun: on its way back to the conjunction.
    EXPECT_EQ(ZDR::AspectPhase(Rad(90), Rad(110), Rad(90 + kMoonStep), Rad(110 + kSunStep)), -1);
    // The same pairs with the bodies swapped.
    EXPECT_EQ(ZDR::AspectPhase(Rad(110), Rad(130), Rad(110 + kSunStep), Rad(130 + kMoonStep)), 1);
    EXPECT_EQ(ZDR::AspectPhase(Rad(110), Rad(90), Rad(110 + kSunStep), Rad(90 + kMoonStep)), -1);
    // A waxing square and a waning trine of the Sun and Saturn.
    EXPECT_EQ(ZDR::AspectPhase(Rad(200), Rad(110), Rad(200 + kSunStep), Rad(110 + kSaturnStep)), 1);
    EXPECT_EQ(ZDR::AspectPhase(Rad(350), Rad(110), Rad(350 + kSunStep), Rad(110 + kSaturnStep)),
              -1);
}

TEST_F(ReportTest, AspectPhaseAcrossZeroDegrees) {
    // The Moon crosses 0° in the half hour: its motion is forward, not a whole turn back.
    EXPECT_EQ(ZDR::AspectPhase(Rad(359.9), Rad(300), Rad(0.17), Rad(300 + kSaturnStep)), 1);
    EXPECT_EQ(ZDR::AspectPhase(Rad(359.9), Rad(60), Rad(0.17), Rad(60 + kSaturnStep)), -1);
    // A conjunction across 0°: the Moon 4° past the Sun at 358°, and 4° short of it.
    EXPECT_EQ(ZDR::AspectPhase(Rad(2), Rad(358), Rad(2 + kMoonStep), Rad(358 + kSunStep)), 1);
    EXPECT_EQ(ZDR::AspectPhase(Rad(354), Rad(358), Rad(354 + kMoonStep), Rad(358 + kSunStep)), -1);
    // The natal body fixed at 1°, the transiting one at 359° moving forward.
    EXPECT_EQ(ZDR::AspectPhase(Rad(359), Rad(1), Rad(359 + kSunStep), Rad(1)), -1);
    EXPECT_EQ(ZDR::AspectPhase(Rad(1), Rad(359), Rad(1 + kSunStep), Rad(359)), 1);
}

TEST_F(ReportTest, AspectPhaseOfARetrogradeBody) {
    // Mars retrograde at 100°, Saturn direct at 10°: Saturn is the faster and 270° ahead.
    EXPECT_EQ(ZDR::AspectPhase(Rad(100), Rad(10), Rad(100 - 0.01), Rad(10 + kSaturnStep)), -1);
    // A retrograde transiting body against a natal one: the natal body is the faster.
    EXPECT_EQ(ZDR::AspectPhase(Rad(100), Rad(10), Rad(100 - 0.01), Rad(10)), -1);
    EXPECT_EQ(ZDR::AspectPhase(Rad(10), Rad(100), Rad(10 - 0.01), Rad(100)), 1);
}

TEST_F(ReportTest, AspectPhaseCannotBeTold) {
    // Two natal charts: neither body moves.
    EXPECT_EQ(ZDR::AspectPhase(Rad(10), Rad(100), Rad(10), Rad(100)), 0);
    // Equal motion.
    EXPECT_EQ(ZDR::AspectPhase(Rad(10), Rad(100), Rad(10.5), Rad(100.5)), 0);
    // Exactly together and exactly opposite.
    EXPECT_EQ(ZDR::AspectPhase(Rad(40), Rad(40), Rad(40 + kMoonStep), Rad(40 + kSunStep)), 0);
    EXPECT_EQ(ZDR::AspectPhase(0.5, 0.5 + ZDR::dblPi, 0.5 + Rad(kMoonStep), 0.5 + ZDR::dblPi), 0);
    EXPECT_EQ(ZDR::AspectPhase(0.0, ZDR::dblPi, Rad(kMoonStep), ZDR::dblPi), 0);
    // No position.
    EXPECT_EQ(ZDR::AspectPhase(-99.0, Rad(10), -99.0, Rad(10 + kSunStep)), 0);
    EXPECT_EQ(ZDR::AspectPhase(Rad(10), Rad(20), Rad(10 + kSunStep), -100.0), 0);
}

// ---------------------------------------------------------------- single chart

TEST_F(ReportTest, SingleChartWithOneAspect) {
    udtTestChart.intNumAspectsOfType[3] = 1;
    udtTestChart.intNumWaxingOfType[3] = 1;
    // Neither the total nor the waxing and waning counts for a single aspect.
    EXPECT_EQ(SingleReport(true, Rad(0.5), 0, "", false), "1 square\r\n\r\n");
    EXPECT_EQ(SingleReport(false, Rad(0.5), 0, "", false), "1 square\r\n\r\n");
}

TEST_F(ReportTest, SingleChartPluralsAndTotal) {
    ASSERT_NE(Text(127).find('N'), std::string::npos);
    udtTestChart.intNumAspectsOfType[2] = 2;
    udtTestChart.intNumAspectsOfType[4] = 1;
    udtTestChart.intNumAspectsOfType[7] = 2;
    EXPECT_EQ(SingleReport(false, Rad(0.5), 0, "", false),
              "2 oppositions\r\n1 trine\r\n2 quincunxes\r\n\r\n" + Total(5) + "\r\n\r\n");

    Clear();
    udtTestChart.intNumAspectsOfType[1] = 3;
    udtTestChart.intNumAspectsOfType[2] = 1;
    udtTestChart.intNumAspectsOfType[7] = 1;
    EXPECT_EQ(SingleReport(false, Rad(0.5), 0, "", false),
              "3 conjunctions\r\n1 opposition\r\n1 quincunx\r\n\r\n" + Total(5) + "\r\n\r\n");
}

TEST_F(ReportTest, SingleChartWithoutAspects) {
    ASSERT_FALSE(Text(126).empty());
    EXPECT_EQ(SingleReport(true, Rad(0.5), 0, "", false), Text(126) + "\r\n\r\n");
}

TEST_F(ReportTest, WaxingAndWaningCounts) {
    udtTestChart.intNumAspectsOfType[3] = 2;
    udtTestChart.intNumAspectsOfType[5] = 2;
    udtTestChart.intNumWaxingOfType[3] = 1;
    udtTestChart.intNumWaxingOfType[5] = 2;
    udtTestChart.intNumWaningOfType[3] = 1;
    EXPECT_EQ(SingleReport(true, Rad(0.5), 0, "", false),
              "2 squares\r\n2 sextiles\r\n\r\nWaxing aspects: 3\r\nWaning aspects: 1\r\n" +
                  Total(4) + "\r\n\r\n");

    // One aspect could not be told: it is counted as other.
    udtTestChart.intNumWaxingOfType[5] = 1;
    udtTestChart.intNumWaningOfType[3] = 0;
    EXPECT_EQ(SingleReport(true, Rad(0.5), 0, "", false),
              "2 squares\r\n2 sextiles\r\n\r\nWaxing aspects: 2\r\nWaning aspects: 0\r\n"
              "Other aspects: 2\r\n" +
                  Total(4) + "\r\n\r\n");

    German();
    EXPECT_EQ(SingleReport(true, Rad(0.5), 0, "", false),
              "2 Quadrat\r\n2 Sextil\r\n\r\nWachsende Aspekte: 2\r\nAbnehmender Aspekte: 0\r\n"
              "Weitere Aspekte: 2\r\n" +
                  Total(4) + "\r\n\r\n");
}

TEST_F(ReportTest, RetrogradeLineOnlyInDegreesDisplay) {
    ASSERT_FALSE(Text(389).empty());
    udtTestChart.intNumAspectsOfType[4] = 1;
    EXPECT_EQ(SingleReport(false, Rad(0.5), 2, "Ma Ju ", false),
              "1 trine\r\n\r\n2 " + Text(389) + ": Ma Ju ");
    EXPECT_EQ(SingleReport(false, Rad(0.5), 2, "Ma Ju ", true), "1 trine\r\n\r\n");
}

TEST_F(ReportTest, PatternSectionBetweenCountsAndRetrogradeBodies) {
    // Sun, Mars and Jupiter in a grand trine; the counts are the compute driver's.
    udtTestChart.dblPos[1][0] = Rad(10);
    udtTestChart.dblPos[4][0] = Rad(132);
    udtTestChart.dblPos[5][0] = Rad(250);
    udtTestChart.intNumAspectsOfType[4] = 3;
    const std::string report = SingleReport(false, Rad(0.5), 1, "Ju ", false);
    const std::string head = "3 trines\r\n\r\n" + Total(3) + "\r\n\r\nGrand trine: Su-Ma-Ju (";
    EXPECT_EQ(report.substr(0, head.size()), head);
    const std::string tail = ")\r\n\r\n1 " + Text(389) + ": Ju ";
    ASSERT_GE(report.size(), tail.size());
    EXPECT_EQ(report.substr(report.size() - tail.size()), tail);
    EXPECT_EQ(udtTestChart.intNumPatternsOfType[0], 1);
}

// ---------------------------------------------------------------- two charts

TEST_F(ReportTest, TwoChartWithOneAspect) {
    udtTestChart.intNumAspectsOfType[3] = 1;
    EXPECT_EQ(ZDR::BuildTwoChartReport(udtTestChart, 4, false, false), "1 square");
}

TEST_F(ReportTest, TwoChartTotalAndHint) {
    udtTestChart.intNumAspectsOfType[2] = 2;
    udtTestChart.intNumAspectsOfType[7] = 1;
    const std::string counts = "2 oppositions, 1 quincunx. " + Total(3);
    const std::string hint = "  Double-click on an aspect for the transit graphic.";
    EXPECT_EQ(ZDR::BuildTwoChartReport(udtTestChart, 4, false, false), counts + hint);
    EXPECT_EQ(ZDR::BuildTwoChartReport(udtTestChart, 5, false, false), counts + hint);
    // No hint in synastry, with the chart wheel or with the transit graphic on display.
    EXPECT_EQ(ZDR::BuildTwoChartReport(udtTestChart, 6, false, false), counts);
    EXPECT_EQ(ZDR::BuildTwoChartReport(udtTestChart, 4, true, false), counts);
    EXPECT_EQ(ZDR::BuildTwoChartReport(udtTestChart, 4, false, true), counts);

    German();
    EXPECT_EQ(ZDR::BuildTwoChartReport(udtTestChart, 4, false, false),
              "2 Opposition, 1 Quinkunx. " + Total(3) + hint);
}

TEST_F(ReportTest, TwoChartWithoutAspects) {
    EXPECT_EQ(ZDR::BuildTwoChartReport(udtTestChart, 6, false, false), Text(126));
}

// ---------------------------------------------------------------- title

TEST_F(ReportTest, TitleWithUniformOrbs) {
    ASSERT_FALSE(Text(33).empty());
    SetOrbs({0, 8, 8, 8, 8, 8, 8, 8}, 3, 2);
    EXPECT_EQ(ZDR::AddOrbToTitle("Chart", false, true, 1, udtTestOptions),
              "Chart  " + Text(33) + " 8°.");
    EXPECT_EQ(ZDR::AddOrbToTitle("Chart", false, false, 1, udtTestOptions),
              "Chart  " + Text(33) + " 8°");
    EXPECT_EQ(ZDR::AddOrbToTitle("Chart", true, true, 4, udtTestOptions),
              "Chart  " + Text(33) + " 2°40'.");
    EXPECT_EQ(ZDR::AddOrbToTitle("Chart", true, true, 6, udtTestOptions),
              "Chart  " + Text(33) + " 4°.");
    // An orb switched off does not spoil the equality.
    SetOrbs({0, 8, 8, 8, 8, 8, 0, 0}, 3, 2);
    EXPECT_EQ(ZDR::AddOrbToTitle("Chart", true, true, 5, udtTestOptions),
              "Chart  " + Text(33) + " 2°40'.");
}

TEST_F(ReportTest, TitleWithARangeOfOrbs) {
    ASSERT_FALSE(Text(34).empty());
    const std::string from = "Chart  " + Text(34) + ": ";
    EXPECT_EQ(ZDR::AddOrbToTitle("Chart", false, true, 1, udtTestOptions),
              from + "4° " + Text(35) + " 10°");
    EXPECT_EQ(ZDR::AddOrbToTitle("Chart", true, true, 4, udtTestOptions),
              from + "1°20' " + Text(35) + " 3°20'");
    // Every orb 0: the smallest orb is written as nothing.
    SetOrbs({0, 0, 0, 0, 0, 0, 0, 0}, 3, 3);
    EXPECT_EQ(ZDR::AddOrbToTitle("Chart", false, true, 1, udtTestOptions),
              from + " " + Text(35) + " 0°");
}

TEST_F(ReportTest, ModeTitles) {
    SetOrbs({0, 8, 8, 8, 8, 8, 8, 8}, 3, 2);
    const std::string orb = "  " + Text(33) + " ";
    EXPECT_EQ(ZDR::SetModeTitle(1, false, udtTestOptions), Text(23) + orb + "8°.");
    EXPECT_EQ(ZDR::SetModeTitle(2, false, udtTestOptions), Text(24) + orb + "8°.");
    EXPECT_EQ(ZDR::SetModeTitle(3, true, udtTestOptions), Text(28) + orb + "8°.");
    EXPECT_EQ(ZDR::SetModeTitle(4, true, udtTestOptions), Text(29) + orb + "2°40'.");
    EXPECT_EQ(ZDR::SetModeTitle(5, false, udtTestOptions), Text(30) + orb + "2°40'.");
    EXPECT_EQ(ZDR::SetModeTitle(6, false, udtTestOptions), Text(31) + orb + "4°.");
    EXPECT_EQ(ZDR::SetModeTitle(0, false, udtTestOptions), "");
    EXPECT_EQ(ZDR::SetModeTitle(7, true, udtTestOptions), "");

    // World transits beside the chart: " degrees" or " Grad" becomes "°".
    const std::string world = ZDR::SetModeTitle(1, true, udtTestOptions);
    EXPECT_EQ(world.find(" degrees"), std::string::npos);
    const std::string tail = orb + "8°.";
    ASSERT_GT(world.size(), tail.size());
    EXPECT_EQ(world.substr(world.size() - tail.size()), tail);
    EXPECT_NE(world.substr(0, world.size() - tail.size()).find("°"), std::string::npos);
    German();
    EXPECT_EQ(ZDR::SetModeTitle(1, true, udtTestOptions).find(" Grad"), std::string::npos);
}

// ---------------------------------------------------------------- small texts

TEST_F(ReportTest, GermanPlural) {
    EXPECT_EQ(ZDR::GermanPlural("Großes Kreuz"), "Große Kreuz");
    EXPECT_EQ(ZDR::GermanPlural("Großes Trigon"), "Große Trigon");
    EXPECT_EQ(ZDR::GermanPlural("Großes"), "Große");
    EXPECT_EQ(ZDR::GermanPlural("T-Quadrat"), "T-Quadrat");
    EXPECT_EQ(ZDR::GermanPlural(""), "");
}

TEST_F(ReportTest, NoAspectMessageByMode) {
    ASSERT_NE(Text(382), Text(383));
    EXPECT_EQ(ZDR::NoAspectReportMessage(4), Text(382));
    EXPECT_EQ(ZDR::NoAspectReportMessage(5), Text(382));
    EXPECT_EQ(ZDR::NoAspectReportMessage(1), Text(383));
    EXPECT_EQ(ZDR::NoAspectReportMessage(6), Text(383));
}

}  // namespace
