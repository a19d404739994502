#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>

#include "astro/Positions.h"
#include "config/Options.h"
#include "config/OptionsInForce.h"
#include "engine/Angles.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "engine/Durations.h"
#include "engine/Report.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"

using ZDR::AspectTable;
using ZDR::ComputeInput;
using ZDR::ComputeResult;
using ZDR::TableCell;

namespace {

// The aspect 1..7 whose abbreviation a cell text holds, 0 for none.
int AspectOf(const std::string& text) {
    for (int k = 1; k <= 7; ++k) {
        if (text.find(ZDR::udtAspect[k].strAbbr) != std::string::npos)
            return k;
    }
    return 0;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

class ComputeTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadTestDataFiles()); }

    void SetUp() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
        udtTestOptions.udtConfig.blnSidereal = false;
        udtTestChart = ComputeResult();
        config = ZDR::DefaultOptions(Language::intEnglish, ZDR::ConfigOptions{});
        input.intDefaultTimezoneIndex = 24;  // GMT
    }

    void TearDown() override {
        ClearOrbs();
        udtTestChart.intNumBodies = 10;
        for (double& jd : udtTestChart.dblChartAJD)
            jd = 0.0;
        for (auto& pos : udtTestChart.dblPos)
            pos[0] = pos[1] = 0.0;
    }

    // Date set s at year-month-day and half-hour entry hour, GMT.
    void SetDate(int s, const std::string& year, int month, int day, int hour = 25) {
        input.udtDateSet[s].strYearText = year;
        input.udtDateSet[s].intMonthIndex = static_cast<int16_t>(month);
        input.udtDateSet[s].intDayIndex = static_cast<int16_t>(day);
        input.udtDateSet[s].intHourIndex = static_cast<int16_t>(hour);
        input.udtDateSet[s].intTimezoneIndex = 24;
    }

    // Puts config in force and computes mode with it.
    int16_t Run(int16_t mode) {
        UseTestSettings(config);
        input.udtOptions = TestOptions(config);
        input.intModeCode = mode;
        int16_t failed = -2;
        const int16_t code = ZDR::Compute(input, result, failed);
        lastFailedSet = failed;
        return code;
    }

    // Every position of chart column chart set to "no position" (-1).
    static void NoPositions() {
        for (auto& pos : udtTestChart.dblPos)
            pos[0] = pos[1] = -1.0;
    }

    const TableCell& Cell(int row, int col) const {
        return result.udtTable.udtCell[row * result.udtTable.intNumCols + col];
    }

    // Checks that the table's aspect texts agree with the counts per type and with the
    // emphasis colour, and returns the number of aspect cells.
    int CheckAspectCellsAgainstCounts() const {
        int perType[8] = {};
        int cells = 0;
        for (int i = 0; i < result.udtTable.intNumCells; ++i) {
            const TableCell& cell = result.udtTable.udtCell[i];
            const int k = AspectOf(cell.strText);
            if (k == 0)
                continue;
            ++perType[k];
            ++cells;
            EXPECT_TRUE(cell.blnVisible) << i;
            EXPECT_EQ(cell.dblForeColor, config.dblAspectColor[k]) << i;
        }
        for (int k = 1; k <= 7; ++k)
            EXPECT_EQ(perType[k], result.intNumAspectsOfType[k]) << "aspect " << k;
        EXPECT_EQ(ZDR::GetTotalNumAspects(result.udtTable), cells);
        return cells;
    }

    ComputeInput input;
    ZDR::ConfigOptions config;  // the options of the computation
    ComputeResult& result = udtTestChart;
    int16_t lastFailedSet = -2;
};

TEST(ComputeModes, DateSetsAndBodiesOfEachMode) {
    const bool uses[7][3] = {{false, false, false}, {true, false, false}, {false, true, false},
                             {false, false, true},  {true, true, false},  {true, false, true},
                             {false, true, true}};
    for (int16_t mode = 0; mode <= 6; ++mode) {
        for (int16_t set = 0; set < 3; ++set)
            EXPECT_EQ(ZDR::ModeUsesDateSet(mode, set), uses[mode][set]) << mode << " " << set;
    }
    EXPECT_FALSE(ZDR::ModeUsesDateSet(7, 0));
    // World transits and the personal transits follow the world date.
    const bool transit[8] = {false, true, false, false, true, true, false, false};
    const bool personal[8] = {false, false, false, false, true, true, false, false};
    for (int16_t mode = 0; mode <= 7; ++mode) {
        EXPECT_EQ(ZDR::IsTransitMode(mode), transit[mode]) << mode;
        EXPECT_EQ(ZDR::IsPersonalTransitMode(mode), personal[mode]) << mode;
    }
    EXPECT_EQ(ZDR::NumChartABodies(ZDR::intModePersonal1, false), 9);
    EXPECT_EQ(ZDR::NumChartABodies(ZDR::intModePersonal2, false), 9);
    EXPECT_EQ(ZDR::NumChartABodies(ZDR::intModeSynastry, false), 10);
    EXPECT_EQ(ZDR::NumChartABodies(ZDR::intModeWorldTransits, false), 10);
    EXPECT_EQ(ZDR::NumChartABodies(ZDR::intModePersonal1, true), 10);
}

// 21 December 2020, 18:00 UT: Jupiter and Saturn a tenth of a degree apart, Uranus
// retrograde.
TEST_F(ComputeTest, WorldTransitsOfTheGreatConjunction) {
    SetDate(0, "2020", 12, 21, 37);
    ASSERT_EQ(Run(ZDR::intModeWorldTransits), ZDR::intComputeDone);
    EXPECT_EQ(result.intModeCode, 1);
    EXPECT_DOUBLE_EQ(udtTestChart.dblChartAJD[0], 2459205.25);
    EXPECT_EQ(udtTestChart.intNumBodies, 10);

    const std::regex position("\\d+°\\d+'( r)?\n\\d+[A-Z][a-z]{2}\\d+");
    for (int c = 0; c < 10; ++c) {
        EXPECT_TRUE(std::regex_match(Cell(0, c).strText, position)) << Cell(0, c).strText;
        EXPECT_EQ(Cell(0, c).dblBackColor, ZDR::RGB(230, 255, 230));
    }
    EXPECT_NE(Cell(0, 6).strText.find(" r"), std::string::npos) << "Uranus is retrograde";
    EXPECT_EQ(Cell(0, 0).strText.find(" r"), std::string::npos) << "the Sun never is";
    int retro = 0;
    for (int c = 0; c < 10; ++c)
        retro += Cell(0, c).strText.find(" r") != std::string::npos;
    EXPECT_EQ(result.intNumRetro, retro);
    EXPECT_NE(result.strRetroList.find("Ur "), std::string::npos);
    EXPECT_EQ(result.strRetroList.size(), 3u * retro);

    // Jupiter (row 6) with Saturn (column 5).
    const TableCell& js = Cell(6, 5);
    EXPECT_EQ(js.strText.rfind("Con\n0°", 0), 0u) << js.strText;
    EXPECT_TRUE(js.blnBold);
    EXPECT_EQ(js.dblForeColor, config.dblAspectColor[1]);
    EXPECT_EQ(js.dblBackColor, 0.0);

    const int cells = CheckAspectCellsAgainstCounts();
    EXPECT_GT(cells, 5);
    for (int i = 0; i < 110; ++i) {
        const TableCell& cell = result.udtTable.udtCell[i];
        if (AspectOf(cell.strText) == 0)
            continue;
        const int row = i / 10;
        const int col = i % 10;
        EXPECT_GT(col, row - 2) << "aspect below the diagonal";
        EXPECT_GE(row, 2);
        EXPECT_TRUE(EndsWith(cell.strText, " +") || EndsWith(cell.strText, " -")) << cell.strText;
    }
    EXPECT_TRUE(Cell(10, 0).blnVisible);
    EXPECT_EQ(Cell(10, 0).strText, ZDR::ZodiacLabel(false, TestSidereal()));
}

TEST_F(ComputeTest, RadiansShowFourDecimalsAndNoRetrogradeList) {
    SetDate(0, "2020", 12, 21, 37);
    ASSERT_EQ(Run(ZDR::intModeWorldTransits), ZDR::intComputeDone);
    const std::string degreesCell = Cell(6, 5).strText;
    input.blnRadians = true;
    ASSERT_EQ(Run(ZDR::intModeWorldTransits), ZDR::intComputeDone);
    const std::regex radians("\\d\\.\\d{4}");
    for (int c = 0; c < 10; ++c)
        EXPECT_TRUE(std::regex_match(Cell(0, c).strText, radians)) << Cell(0, c).strText;
    EXPECT_EQ(result.intNumRetro, 0);
    EXPECT_TRUE(result.strRetroList.empty());
    EXPECT_TRUE(std::regex_match(Cell(6, 5).strText, std::regex("Con\n0\\.00\\d\\d( [+-])?")))
        << Cell(6, 5).strText;
    EXPECT_EQ(ZDR::GetTotalNumAspects(result.udtTable), CheckAspectCellsAgainstCounts());
    EXPECT_NE(degreesCell, Cell(6, 5).strText);
}

TEST_F(ComputeTest, AllOrbsZeroGiveNoAspectButPositions) {
    config.intOrbListIndex.fill(0);
    SetDate(0, "2020", 12, 21, 37);
    ASSERT_EQ(Run(ZDR::intModeWorldTransits), ZDR::intComputeDone);
    EXPECT_EQ(ZDR::GetTotalNumAspects(result.udtTable), 0);
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(result.intNumAspectsOfType[k], 0);
    for (int c = 0; c < 10; ++c)
        EXPECT_FALSE(Cell(0, c).strText.empty());
    for (int i = 20; i < 110; ++i) {
        const TableCell& cell = result.udtTable.udtCell[i];
        if (cell.blnVisible && i % 10 > i / 10 - 2) {
            EXPECT_TRUE(cell.strText.empty()) << i;
        }
    }
}

TEST_F(ComputeTest, BodiesOutsideTheirTablesShowTheErrorCharacterAndTakeNoPart) {
    SetDate(1, "1550", 6, 1);
    ASSERT_EQ(Run(ZDR::intModeNatal1), ZDR::intComputeDone);
    EXPECT_EQ(Cell(0, 8).strText, "<");  // Pluto
    EXPECT_EQ(Cell(0, 9).strText, "<");  // Moon
    EXPECT_NE(Cell(0, 5).strText.find("°"), std::string::npos);
    for (int row = 2; row < 10; ++row) {
        EXPECT_EQ(AspectOf(Cell(row, 8).strText), 0);
        EXPECT_EQ(AspectOf(Cell(row, 9).strText), 0);
    }
    for (int col = 8; col < 10; ++col)
        EXPECT_EQ(AspectOf(Cell(10, col).strText), 0);
    CheckAspectCellsAgainstCounts();

    SetDate(2, "2500", 6, 1);
    ASSERT_EQ(Run(ZDR::intModeNatal2), ZDR::intComputeDone);
    EXPECT_EQ(result.intModeCode, 3);
    EXPECT_EQ(Cell(0, 8).strText, ">");
    EXPECT_EQ(Cell(0, 9).strText, ">");
}

TEST_F(ComputeTest, LibraryFailureShowsAQuestionMark) {
    NoPositions();
    udtTestChart.dblPos[1][0] = 1.0;
    udtTestChart.dblPos[2][0] = -99.0;
    udtTestChart.dblPos[3][0] = -100.0;
    udtTestChart.dblChartAJD[0] = 2459205.25;
    udtTestOptions = ZDR::MakeChartOptions(config);
    ZDR::ComputeFromPositions(ZDR::intModeWorldTransits, false, TestOptions(config), result);
    EXPECT_EQ(Cell(0, 1).strText, "<");
    EXPECT_EQ(Cell(0, 2).strText, ">");
    for (int c = 3; c < 10; ++c)
        EXPECT_EQ(Cell(0, c).strText, "?");
    EXPECT_EQ(ZDR::GetTotalNumAspects(result.udtTable), 0);
}

TEST_F(ComputeTest, DeviationEqualToTheOrbGivesNoCell) {
    udtTestOptions = ZDR::MakeChartOptions(ZDR::ConfigOptions{});
    udtTestOptions.dblOrb[1][0] = 0.1;
    NoPositions();
    udtTestChart.dblChartAJD[0] = 2459205.25;
    udtTestChart.dblPos[2][0] = 0.0;  // Mercury
    udtTestChart.dblPos[1][0] = 0.1;  // the Sun, exactly the orb away
    ZDR::ComputeFromPositions(ZDR::intModeWorldTransits, false, TestOptions(config), result);
    EXPECT_TRUE(Cell(2, 1).strText.empty());
    EXPECT_EQ(result.intNumAspectsOfType[1], 0);

    udtTestChart.dblPos[1][0] = std::nextafter(0.1, 0.0);
    ZDR::ComputeFromPositions(ZDR::intModeWorldTransits, false, TestOptions(config), result);
    EXPECT_EQ(Cell(2, 1).strText.rfind("Con\n5°44'", 0), 0u) << Cell(2, 1).strText;
    EXPECT_EQ(result.intNumAspectsOfType[1], 1);
}

// Natal Sun at 0°, transiting Mars at 2.4° or 4°: within the full orb of 10° (synastry,
// proportion 1) but the personal orb of 10° / 3 only at 2.4°.
TEST_F(ComputeTest, EachTwoChartModeUsesItsOrbSetForAspectAndBoldface) {
    config.intProportionIndex = {2, 0};  // personal 1/3, synastry 1
    config.bln1DegOfOrb = false;
    config.intBoldfaceFactorIndex = 2;  // orb / 4
    udtTestOptions = ZDR::MakeChartOptions(config);
    udtTestChart.dblChartAJD[0] = 2459205.25;
    udtTestChart.intNumBodies = 10;

    NoPositions();
    udtTestChart.dblPos[1][1] = 0.0;
    udtTestChart.dblPos[4][0] = Rad(4);
    ZDR::ComputeFromPositions(ZDR::intModePersonal1, false, TestOptions(config), result);
    EXPECT_TRUE(Cell(2, 5).strText.empty());
    ZDR::ComputeFromPositions(ZDR::intModeSynastry, false, TestOptions(config), result);
    EXPECT_EQ(Cell(2, 5).strText, "Con\n4°0'");
    EXPECT_FALSE(Cell(2, 5).blnBold);

    udtTestChart.dblPos[4][0] = Rad(2.4);
    ZDR::ComputeFromPositions(ZDR::intModePersonal2, false, TestOptions(config), result);
    EXPECT_EQ(Cell(2, 5).strText.rfind("Con\n2°24'", 0), 0u);
    EXPECT_FALSE(Cell(2, 5).blnBold) << "personal: bold below 10° / 3 / 4";
    ZDR::ComputeFromPositions(ZDR::intModeSynastry, false, TestOptions(config), result);
    EXPECT_EQ(Cell(2, 5).strText, "Con\n2°24'") << "no movement mark in synastry";
    EXPECT_TRUE(Cell(2, 5).blnBold) << "synastry: bold below 10° / 4";
    EXPECT_EQ(result.intModeCode, 6);
}

TEST_F(ComputeTest, WithoutTheTransitingMoonTheNatalMoonIsStillCompared) {
    config.blnIncludeTransitingMoon = false;
    udtTestChart.intNumBodies = ZDR::NumChartABodies(ZDR::intModePersonal1, false);
    udtTestOptions = ZDR::MakeChartOptions(config);
    udtTestChart.dblChartAJD[0] = 2459205.25;
    NoPositions();
    udtTestChart.dblPos[10][1] = 1.0;  // natal Moon
    udtTestChart.dblPos[1][0] = 1.0;   // transiting Sun
    udtTestChart.dblPos[10][0] = 1.0;  // transiting Moon
    ZDR::ComputeFromPositions(ZDR::intModePersonal1, false, TestOptions(config), result);
    EXPECT_EQ(Cell(11, 2).strText.rfind("Con\n0°0'", 0), 0u) << Cell(11, 2).strText;
    for (int row = 2; row < 12; ++row)
        EXPECT_TRUE(Cell(row, 11).strText.empty()) << row;
    EXPECT_TRUE(Cell(0, 11).strText.empty());
    EXPECT_TRUE(Cell(11, 0).strText.empty());
    EXPECT_TRUE(Cell(1, 11).strText.empty());
    EXPECT_EQ(result.intNumAspectsOfType[1], 1);

    ZDR::ComputeFromPositions(ZDR::intModeSynastry, false, TestOptions(config), result);
    EXPECT_EQ(Cell(0, 11).strText, "57°18'\n27Tau18");
    EXPECT_EQ(Cell(11, 0).strText, "57°18'\n27Tau18");
}

// The birthdate equal to the world date: every body conjunct itself on the diagonal.
TEST_F(ComputeTest, PersonalTransitsOfTheSameMomentFillTheDiagonal) {
    SetDate(0, "2020", 12, 21, 37);
    SetDate(2, "2020", 12, 21, 37);
    ASSERT_EQ(Run(ZDR::intModePersonal2), ZDR::intComputeDone);
    EXPECT_EQ(result.udtTable.intNumCells, 144);
    for (int b = 1; b <= 10; ++b) {
        EXPECT_EQ(Cell(b + 1, b + 1).strText.rfind("Con\n0°0'", 0), 0u) << b;
        EXPECT_EQ(Cell(b + 1, b + 1).dblBackColor, ZDR::RGB(50, 50, 50));
        EXPECT_EQ(Cell(0, b + 1).strText, Cell(b + 1, 0).strText);
    }
    EXPECT_EQ(Cell(11, 11).strText, "Con\n0°0' +") << "the Moon moves on";
    CheckAspectCellsAgainstCounts();

    config.blnIncludeTransitingMoon = false;
    ASSERT_EQ(Run(ZDR::intModePersonal2), ZDR::intComputeDone);
    EXPECT_EQ(udtTestChart.intNumBodies, 9);
    for (int row = 2; row < 12; ++row)
        EXPECT_EQ(AspectOf(Cell(row, 11).strText), 0);
    CheckAspectCellsAgainstCounts();
}

TEST_F(ComputeTest, SynastryHasNoMovementMarks) {
    SetDate(1, "1980", 5, 1, 15);
    SetDate(2, "1985", 7, 15, 40);
    ASSERT_EQ(Run(ZDR::intModeSynastry), ZDR::intComputeDone);
    EXPECT_GT(CheckAspectCellsAgainstCounts(), 0);
    for (const TableCell& cell : result.udtTable.udtCell) {
        EXPECT_FALSE(EndsWith(cell.strText, " +")) << cell.strText;
        EXPECT_FALSE(EndsWith(cell.strText, " -")) << cell.strText;
    }
    EXPECT_EQ(Cell(0, 11).strText.empty(), false);
}

TEST_F(ComputeTest, AnInvalidDateStopsAtTheFirstSetInOrder) {
    SetDate(0, "2020", 12, 21, 37);
    ASSERT_EQ(Run(ZDR::intModeWorldTransits), ZDR::intComputeDone);
    const ComputeResult before = result;

    // Synastry reads the 1st, then the 2nd birthdate; the world date is not read.
    SetDate(0, "", 0, 0, 0);
    input.dblChartAJD[0] = 1234.5;
    SetDate(1, "19x80", 5, 1, 0);
    SetDate(2, "2020", 2, 30, 0);
    EXPECT_EQ(Run(ZDR::intModeSynastry), -2);
    EXPECT_EQ(lastFailedSet, 2);
    EXPECT_EQ(input.dblChartAJD[0], 1234.5);
    EXPECT_EQ(input.dblChartAJD[2], -2.0);
    EXPECT_GT(input.dblChartAJD[1], 2444000.0);
    EXPECT_EQ(input.udtDateSet[1].strYearText, "1980");
    EXPECT_EQ(input.udtDateSet[1].intHourIndex, 25);
    EXPECT_EQ(input.udtDateSet[2].intHourIndex, 0) << "no default for an invalid date";
    EXPECT_EQ(result.intModeCode, 1);
    for (int i = 0; i < ZDR::intMaxNumCells; ++i)
        EXPECT_EQ(result.udtTable.udtCell[i].strText, before.udtTable.udtCell[i].strText);

    // Personal transits read the world date first: the birthdate is left alone.
    SetDate(2, "ab2020", 2, 30, 0);
    EXPECT_EQ(Run(ZDR::intModePersonal2), -1);
    EXPECT_EQ(lastFailedSet, 0);
    EXPECT_EQ(input.udtDateSet[2].strYearText, "ab2020");

    SetDate(0, "2800", 1, 1);
    EXPECT_EQ(Run(ZDR::intModePersonal1), -4);
    EXPECT_EQ(lastFailedSet, 0);
    SetDate(1, "0", 1, 1);
    EXPECT_EQ(Run(ZDR::intModeNatal1), -3);
    EXPECT_EQ(lastFailedSet, 1);
    EXPECT_EQ(result.intModeCode, 1);
}

TEST_F(ComputeTest, JulianDaysGiveTheTableOfTheirDateSets) {
    SetDate(1, "1980", 5, 1, 15);
    SetDate(2, "1985", 7, 15, 40);
    ASSERT_EQ(Run(ZDR::intModeSynastry), ZDR::intComputeDone);
    const ComputeResult byDates = result;
    const double jd[3] = {-1.0, udtTestChart.dblChartAJD[1], udtTestChart.dblChartAJD[2]};
    udtTestChart.dblChartAJD[0] = 99.0;
    ComputeResult byJD;
    ASSERT_EQ(ZDR::ComputeAtJD(ZDR::intModeSynastry, jd, false, TestOptions(config), byJD),
              ZDR::intComputeDone);
    EXPECT_EQ(udtTestChart.dblChartAJD[0], 99.0) << "synastry takes no world date";
    EXPECT_EQ(byJD.intModeCode, ZDR::intModeSynastry);
    for (int i = 0; i < ZDR::intMaxNumCells; ++i) {
        EXPECT_EQ(byJD.udtTable.udtCell[i].strText, byDates.udtTable.udtCell[i].strText) << i;
        EXPECT_EQ(byJD.udtTable.udtCell[i].blnBold, byDates.udtTable.udtCell[i].blnBold) << i;
    }
    EXPECT_EQ(ZDR::ComputeAtJD(0, jd, false, TestOptions(config), byJD), ZDR::intComputeNoMode);
}

TEST_F(ComputeTest, AModeOutsideTheSixComputesNothing) {
    SetDate(0, "2020", 12, 21, 37);
    udtTestChart.dblChartAJD[0] = 7.0;
    EXPECT_EQ(Run(0), ZDR::intComputeNoMode);
    EXPECT_EQ(Run(7), ZDR::intComputeNoMode);
    EXPECT_EQ(udtTestChart.dblChartAJD[0], 7.0);
    EXPECT_EQ(result.intModeCode, 0);
    EXPECT_EQ(result.udtTable.intNumCells, 0);
}

TEST_F(ComputeTest, FromTwoChartsToOneLeavesNoStrayCell) {
    SetDate(0, "2020", 12, 21, 37);
    SetDate(1, "1980", 5, 1, 15);
    ASSERT_EQ(Run(ZDR::intModePersonal1), ZDR::intComputeDone);
    ASSERT_EQ(Run(ZDR::intModeWorldTransits), ZDR::intComputeDone);
    for (int i = 0; i < ZDR::intMaxNumCells; ++i) {
        const TableCell& cell = result.udtTable.udtCell[i];
        if (!cell.blnVisible)
            continue;
        EXPECT_LT(i, 110);
        const int row = i / 10;
        const int col = i % 10;
        EXPECT_TRUE(col >= row - 2 || i == 100) << i;
    }
    CheckAspectCellsAgainstCounts();
}

TEST_F(ComputeTest, WaxingAndWaningAreCountedWhenAsked) {
    SetDate(0, "2020", 12, 21, 37);
    SetDate(1, "1980", 5, 1, 15);
    SetDate(2, "1985", 7, 15, 40);
    config.blnWaxingWaningAspects = true;
    for (int16_t mode : {ZDR::intModeWorldTransits, ZDR::intModePersonal1}) {
        ASSERT_EQ(Run(mode), ZDR::intComputeDone);
        int phased = 0;
        for (int k = 1; k <= 7; ++k) {
            EXPECT_LE(result.intNumWaxingOfType[k] + result.intNumWaningOfType[k],
                      result.intNumAspectsOfType[k]);
            phased += result.intNumWaxingOfType[k] + result.intNumWaningOfType[k];
        }
        EXPECT_GT(phased, 0) << "mode " << mode;
    }

    // Two natal charts do not move; and without the option nothing is counted.
    ASSERT_EQ(Run(ZDR::intModeSynastry), ZDR::intComputeDone);
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(result.intNumWaxingOfType[k] + result.intNumWaningOfType[k], 0);
    ASSERT_EQ(Run(ZDR::intModeWorldTransits), ZDR::intComputeDone);
    config.blnWaxingWaningAspects = false;
    ASSERT_EQ(Run(ZDR::intModeWorldTransits), ZDR::intComputeDone);
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(result.intNumWaxingOfType[k] + result.intNumWaningOfType[k], 0);
}

}  // namespace

// The angles of a birthdate with a place as points 11 and 12: without the option the table
// is the one without angles; with it the table grows by their rows and columns, whose cells
// hold exactly the aspects a direct test of the separations finds, named by CellBodies.
TEST_F(ComputeTest, AnglesTakePartOnlyWithTheOption) {
    struct Case {
        int16_t mode;
        int rows, cols;
    };
    const Case kCases[] = {{ZDR::intModeNatal1, 13, 12},
                           {ZDR::intModePersonal1, 14, 12},
                           {ZDR::intModeSynastry, 14, 14}};
    SetDate(0, "2026", 12, 8, 25);
    SetDate(1, "1990", 5, 15, 26);
    SetDate(2, "1985", 7, 15, 40);
    const double kAsc[3] = {-1, 2.946, 4.1}, kMc[3] = {-1, 1.312, 0.35};  // radians
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.mode);
        config.blnAnglesInAspects = false;
        input.udtAngles = ZDR::SetAngles();
        ASSERT_EQ(Run(c.mode), ZDR::intComputeDone);
        const AspectTable without = result.udtTable;
        for (int s = 1; s < 3; ++s) {
            input.udtAngles.dblAngle[s][0] = kAsc[s];
            input.udtAngles.dblAngle[s][1] = kMc[s];
        }
        ASSERT_EQ(Run(c.mode), ZDR::intComputeDone);
        for (int i = 0; i < ZDR::intMaxNumCells; ++i)
            ASSERT_EQ(result.udtTable.udtCell[i].strText, without.udtCell[i].strText) << i;

        config.blnAnglesInAspects = true;
        ASSERT_EQ(Run(c.mode), ZDR::intComputeDone);
        const AspectTable& table = result.udtTable;
        ASSERT_EQ(table.intNumRows, c.rows);
        ASSERT_EQ(table.intNumCols, c.cols);
        EXPECT_LE(ZDR::TableWidthTwips(table), 12 * ZDR::intCellWidth);
        EXPECT_LE(ZDR::TableHeightTwips(table), 12 * ZDR::intCellHeight);
        const int orbSet =
            c.mode == ZDR::intModeNatal1 ? 0 : (c.mode == ZDR::intModeSynastry ? 2 : 1);
        int angleCells = 0;
        for (int16_t i = 0; i < table.intNumCells; ++i) {
            int16_t first = 0, second = 0;
            if (!ZDR::CellBodies(c.mode, table.intNumCols, i, first, second) ||
                (first <= 10 && second <= 10))
                continue;
            // The longitudes of the pair: natal first (chart B) in personal transits, the
            // 1st birthdate first (chart A) in synastry.
            const double a = result.dblPos[first][c.mode == ZDR::intModePersonal1 ? 1 : 0];
            const double b = result.dblPos[second][c.mode == ZDR::intModeSynastry ? 1 : 0];
            int expected = 0;
            const double separation = std::fabs(std::remainder(a - b, 2 * M_PI));
            for (int k = 1; k <= 7 && expected == 0; ++k)
                if (std::fabs(separation - ZDR::dblAspectAngle[k]) <
                    udtTestOptions.dblOrb[k][orbSet])
                    expected = k;
            EXPECT_EQ(AspectOf(table.udtCell[i].strText), expected) << first << "-" << second;
            angleCells += expected != 0;
        }
        EXPECT_GT(angleCells, 0);
        CheckAspectCellsAgainstCounts();
    }
}
