#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/Positions.h"
#include "engine/Angles.h"
#include "engine/Catalogue.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"

namespace {

// Degrees and minutes as radians, beside the shared Rad of degrees.
using ::Rad;
double Rad(double degrees, double minutes) {
    return Rad(degrees + minutes / 60.0);
}

constexpr double kTiny = 1e-12;

// The default orbs of set 0, in degrees, for aspects 1..7.
const double kDefaultOrbs[8] = {0, 10, 9, 6, 7, 5, 4, 5};

class AnglesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
        for (int k = 1; k <= 7; ++k)
            udtTestOptions.dblOrb[k][0] = Rad(kDefaultOrbs[k]);
    }
    void TearDown() override {
        ClearOrbs();
        for (auto& row : udtTestChart.dblPos)
            row[0] = row[1] = 0.0;
        udtTestChart.dblChartAJD[0] = 0.0;
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
    }
};

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(ZDR::RoundHalfEven(0.5), 0.0);
    EXPECT_EQ(ZDR::RoundHalfEven(1.5), 2.0);
    EXPECT_EQ(ZDR::RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(ZDR::RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(ZDR::RoundHalfEven(-3.5), -4.0);
    EXPECT_EQ(ZDR::RoundHalfEven(2.4999999), 2.0);
    EXPECT_EQ(ZDR::RoundHalfEven(2.5000001), 3.0);
    EXPECT_EQ(ZDR::RoundHalfEven(-0.0003), 0.0);
}

TEST_F(AnglesTest, SeparationAcrossZeroAries) {
    int16_t direction = 0;
    EXPECT_NEAR(ZDR::Separation(Rad(1), Rad(359), direction), Rad(2), kTiny);
    EXPECT_EQ(direction, 1);
    direction = 0;
    EXPECT_NEAR(ZDR::Separation(Rad(359), Rad(1), direction), Rad(2), kTiny);
    EXPECT_EQ(direction, -1);

    EXPECT_NEAR(ZDR::SignedSeparation(Rad(1), Rad(359)), Rad(2), kTiny);
    EXPECT_NEAR(ZDR::SignedSeparation(Rad(359), Rad(1)), -Rad(2), kTiny);
    EXPECT_NEAR(ZDR::SignedSeparation(Rad(100), Rad(40)), Rad(60), kTiny);
    EXPECT_NEAR(ZDR::SignedSeparation(Rad(40), Rad(100)), -Rad(60), kTiny);
    // The short way round is taken: 350 degrees apart one way is 10 the other.
    EXPECT_NEAR(ZDR::SignedSeparation(Rad(5), Rad(355)), Rad(10), kTiny);
}

TEST_F(AnglesTest, SeparationOfEqualAndOppositeLongitudes) {
    int16_t direction = 0;
    EXPECT_EQ(ZDR::Separation(Rad(123), Rad(123), direction), 0.0);
    EXPECT_EQ(direction, -1);
    EXPECT_EQ(ZDR::SignedSeparation(Rad(123), Rad(123)), 0.0);

    // Exactly half a turn apart both ways: the first difference wins, b counts as ahead.
    const double half = ZDR::dblTurn / 2.0;
    direction = 0;
    EXPECT_EQ(ZDR::Separation(0.0, half, direction), half);
    EXPECT_EQ(direction, -1);
    direction = 0;
    EXPECT_EQ(ZDR::Separation(half, 0.0, direction), half);
    EXPECT_EQ(direction, -1);
}

TEST_F(AnglesTest, DirectionComparesToSixPlaces) {
    // Here a + s lands one unit in the last place away from b, and b + s away from a: only
    // the rounded comparison finds that b leads.
    const double a = 3.8809739212669148;
    const double b = 0.5343122759835139;
    int16_t direction = 0;
    const double s = ZDR::Separation(a, b, direction);
    ASSERT_NE(ZDR::NormalizeAngle(a + s), b);
    EXPECT_EQ(direction, -1);
    EXPECT_NEAR(ZDR::SignedSeparation(b, a), s, 1e-15);

    // Without a position to compare, the caller's preset stays.
    direction = 5;
    ZDR::Separation(std::numeric_limits<double>::quiet_NaN(), 1.0, direction);
    EXPECT_EQ(direction, 5);
}

TEST_F(AnglesTest, FirstAspectInCatalogueOrder) {
    double d = -1.0;
    EXPECT_EQ(ZDR::FirstAspect(Rad(9), 0, udtTestOptions, d), 1);
    EXPECT_NEAR(d, Rad(9), kTiny);
    EXPECT_EQ(ZDR::FirstAspect(Rad(27), 0, udtTestOptions, d), 6);
    EXPECT_NEAR(d, Rad(3), kTiny);
    d = -1.0;
    EXPECT_EQ(ZDR::FirstAspect(Rad(12), 0, udtTestOptions, d), 0);
    EXPECT_EQ(d, -1.0);

    EXPECT_EQ(ZDR::FirstAspect(Rad(64), 0, udtTestOptions, d), 5);
    EXPECT_NEAR(d, Rad(4), kTiny);
    EXPECT_EQ(ZDR::FirstAspect(Rad(85), 0, udtTestOptions, d), 3);
    EXPECT_NEAR(d, Rad(5), kTiny);
    EXPECT_EQ(ZDR::FirstAspect(Rad(70), 0, udtTestOptions, d), 0);
    EXPECT_EQ(ZDR::FirstAspect(Rad(175), 0, udtTestOptions, d), 2);
    EXPECT_EQ(ZDR::FirstAspect(Rad(146), 0, udtTestOptions, d), 7);

    // Overlapping orbs: the earlier aspect of the catalogue wins.
    udtTestOptions.dblOrb[6][0] = Rad(25);
    EXPECT_EQ(ZDR::FirstAspect(Rad(8), 0, udtTestOptions, d), 1);
}

TEST_F(AnglesTest, OrbsAreStrictAndZeroSwitchesOff) {
    double d = -1.0;
    // A deviation equal to the orb is not an aspect.
    EXPECT_EQ(ZDR::FirstAspect(udtTestOptions.dblOrb[1][0], 0, udtTestOptions, d), 0);
    EXPECT_EQ(
        ZDR::FirstAspect(std::nextafter(udtTestOptions.dblOrb[1][0], 0.0), 0, udtTestOptions, d),
        1);

    // An exact conjunction with its orb at 0 is not found.
    udtTestOptions.dblOrb[1][0] = 0.0;
    EXPECT_EQ(ZDR::FirstAspect(0.0, 0, udtTestOptions, d), 0);
    EXPECT_EQ(ZDR::FirstAspect(ZDR::dblAspectAngle[4], 1, udtTestOptions, d), 0);  // set 1 all off

    // Each orb set reads its own column.
    udtTestOptions.dblOrb[4][2] = Rad(1);
    EXPECT_EQ(ZDR::FirstAspect(Rad(120.5), 2, udtTestOptions, d), 4);
    EXPECT_EQ(ZDR::FirstAspect(Rad(121.5), 2, udtTestOptions, d), 0);
    EXPECT_EQ(ZDR::FirstAspect(Rad(121.5), 3, udtTestOptions, d), 0);  // no such set
}

TEST_F(AnglesTest, IsAspectOnChartA) {
    udtTestChart.dblPos[1][0] = Rad(10);
    udtTestChart.dblPos[2][0] = Rad(100);
    udtTestChart.dblPos[3][0] = Rad(106.5);
    udtTestChart.dblPos[3][1] = Rad(10);  // chart B is not looked at
    double d = -1.0;
    EXPECT_TRUE(ZDR::IsAspect(udtTestChart, udtTestOptions, 1, 2, 3, d));
    EXPECT_NEAR(d, 0.0, kTiny);
    EXPECT_FALSE(
        ZDR::IsAspect(udtTestChart, udtTestOptions, 1, 3, 3, d));  // 6.5 degrees off, orb 6
    EXPECT_NEAR(d, Rad(6.5), kTiny);          // the deviation is still stored
    EXPECT_FALSE(ZDR::IsAspect(udtTestChart, udtTestOptions, 1, 3, 1, d));
    EXPECT_NEAR(d, Rad(96.5), kTiny);

    udtTestOptions.dblOrb[3][0] = 0.0;
    EXPECT_FALSE(ZDR::IsAspect(udtTestChart, udtTestOptions, 1, 2, 3, d));

    udtTestChart.dblPos[9][0] = -99.0;  // no position
    d = -1.0;
    EXPECT_FALSE(ZDR::IsAspect(udtTestChart, udtTestOptions, 1, 9, 1, d));
    EXPECT_FALSE(ZDR::IsAspect(udtTestChart, udtTestOptions, 9, 1, 1, d));
    EXPECT_EQ(d, -1.0);
}

// The new moon of 6 January 2000, 18:14 UT: two days before it the conjunction of the Sun
// and the Moon is closing, two days after it opening.
constexpr double kBeforeNewMoon = 2451548.5;  // 2000-01-05 0h UT
constexpr double kAfterNewMoon = 2451552.5;   // 2000-01-09 0h UT

TEST_F(AnglesTest, OrbTrendOfBothMovingBodies) {
    for (double jd : {kBeforeNewMoon, kAfterNewMoon}) {
        int16_t direction = 0;
        const double d = ZDR::AspectDeviation(
            ZDR::Separation(ZDR::BodyLongitude(1, jd), ZDR::BodyLongitude(10, jd), direction), 1);
        ASSERT_LT(d, Rad(30));
        EXPECT_EQ(ZDR::OrbTrend(jd, 1, 10, 1, d, false), jd == kBeforeNewMoon ? -1 : 1);
        EXPECT_EQ(ZDR::OrbTrend(jd, 10, 1, 1, d, false), jd == kBeforeNewMoon ? -1 : 1);
    }
}

TEST_F(AnglesTest, TransitOrbTrendMovesOnlyTheTransitingBody) {
    udtTestChart.dblChartAJD[0] = kBeforeNewMoon;
    const double moon = ZDR::BodyLongitude(10, kBeforeNewMoon);
    ASSERT_GE(moon, 0.0);
    // The Moon moves towards a natal point 3 degrees ahead and away from one behind.
    const double ahead = ZDR::NormalizeAngle(moon + Rad(3));
    const double behind = ZDR::NormalizeAngle(moon - Rad(3));
    EXPECT_EQ(
        ZDR::TransitOrbTrend(ahead, 10, 1, Rad(3), udtTestChart.dblChartAJD[0], TestSidereal()),
        -1);
    EXPECT_EQ(
        ZDR::TransitOrbTrend(behind, 10, 1, Rad(3), udtTestChart.dblChartAJD[0], TestSidereal()),
        1);
    // A natal point opposite: deviation from the opposition also closes.
    const double opposite = ZDR::NormalizeAngle(moon + Rad(183));
    EXPECT_EQ(
        ZDR::TransitOrbTrend(opposite, 10, 2, Rad(3), udtTestChart.dblChartAJD[0], TestSidereal()),
        -1);
    EXPECT_EQ(
        ZDR::TransitOrbTrend(-99.0, 10, 1, Rad(3), udtTestChart.dblChartAJD[0], TestSidereal()), 0);
}

TEST_F(AnglesTest, FormatDegMinRounding) {
    EXPECT_EQ(ZDR::FormatDegMin(0.5), "28°39'");
    EXPECT_EQ(ZDR::FormatDegMin(Rad(10)), "10°0'");
    EXPECT_EQ(ZDR::FormatDegMin(Rad(10), true), "10°");
    EXPECT_EQ(ZDR::FormatDegMin(Rad(10, 1), true), "10°1'");
    EXPECT_EQ(ZDR::FormatDegMin(Rad(30)), "30°0'");        // no 29°60' from representation error
    EXPECT_EQ(ZDR::FormatDegMin(Rad(9.999995)), "10°0'");  // just below a whole degree
    EXPECT_EQ(ZDR::FormatDegMin(Rad(12, 5), false, true), "12° 5'");
    EXPECT_EQ(ZDR::FormatDegMin(Rad(12, 35), false, true), "12° 35'");
    EXPECT_EQ(ZDR::FormatDegMin(Rad(12, 35.4)), "12°35'");
    EXPECT_EQ(ZDR::FormatDegMin(Rad(12, 35.6)), "12°36'");
    EXPECT_EQ(ZDR::FormatDegMin(0.0000005), "0°0'");
}

TEST_F(AnglesTest, FormatDegMinCarries) {
    EXPECT_EQ(ZDR::FormatDegMin(Rad(29, 59.8)), "30°0'");
    EXPECT_EQ(ZDR::FormatDegMin(Rad(29, 59.8), true), "30°");
    EXPECT_EQ(ZDR::FormatDegMin(Rad(359, 59.7)), "359°59'");
    EXPECT_EQ(ZDR::FormatDegMin(Rad(359, 59.7), false, false, false, true), "360°0'");
    EXPECT_EQ(ZDR::FormatDegMin(Rad(359, 59.7), true, false, false, true), "360°");
    EXPECT_EQ(ZDR::FormatDegMin(Rad(359, 59.2), false, false, false, true), "359°59'");
    // Within a hundred-thousandth of a degree below the full turn, and the full turn itself.
    EXPECT_EQ(ZDR::FormatDegMin(Rad(359.999995)), "359°59'");
    EXPECT_EQ(ZDR::FormatDegMin(Rad(359.999995), false, false, false, true), "360°0'");
    EXPECT_EQ(ZDR::FormatDegMin(ZDR::dblTurn), "359°59'");
    EXPECT_EQ(ZDR::FormatDegMin(-ZDR::dblTurn, false, false, true, true), "-360°0'");
}

TEST_F(AnglesTest, FormatDegMinNegativeAndOutOfRange) {
    EXPECT_EQ(ZDR::FormatDegMin(-0.1), "");
    EXPECT_EQ(ZDR::FormatDegMin(-0.1, false, false, true), "-5°44'");
    EXPECT_EQ(ZDR::FormatDegMin(-0.0000005, false, false, false), "0°0'");
    EXPECT_EQ(ZDR::FormatDegMin(ZDR::dblTurn + 1e-9), "");
    EXPECT_EQ(ZDR::FormatDegMin(-(ZDR::dblTurn + 1e-9), false, false, true), "");
    EXPECT_EQ(ZDR::FormatDegMin(std::numeric_limits<double>::quiet_NaN(), false, false, true), "");
    EXPECT_EQ(ZDR::FormatDegMin(-std::numeric_limits<double>::infinity(), false, false, true), "");
}

TEST_F(AnglesTest, FormatSignPositionForms) {
    EXPECT_EQ(ZDR::FormatSignPosition(Rad(15, 23), false, false), "15Ari23");
    EXPECT_EQ(ZDR::FormatSignPosition(Rad(15, 23), false, true), "15 Ari 23");
    EXPECT_EQ(ZDR::FormatSignPosition(Rad(255, 7), false, true), "15 Sag 7");
    EXPECT_EQ(ZDR::FormatSignPosition(Rad(30), false, false), "0Tau0");
    EXPECT_EQ(ZDR::FormatSignPosition(Rad(59, 59.8), false, false), "0Gem0");
    EXPECT_EQ(ZDR::FormatSignPosition(Rad(359, 59.8), false, true), "29 Pis 59");
    EXPECT_EQ(ZDR::FormatSignPosition(ZDR::dblTurn, false, true), "29 Pis 59");

    Language::intLanguage = Language::intGerman;
    ZDR::BuildCatalogueNames();
    EXPECT_EQ(ZDR::FormatSignPosition(Rad(135, 23), false, true), "15 Löw 23");
    EXPECT_EQ(ZDR::FormatSignPosition(Rad(15, 10), true, false), "15° in Widder");
}

TEST_F(AnglesTest, FormatSignPositionInSignName) {
    EXPECT_EQ(ZDR::FormatSignPosition(Rad(29, 50), true, false), "29° in Aries");
    EXPECT_EQ(ZDR::FormatSignPosition(Rad(14, 45), true, false), "15° in Aries");
    EXPECT_EQ(ZDR::FormatSignPosition(Rad(14, 30), true, false), "14° in Aries");
    EXPECT_EQ(ZDR::FormatSignPosition(Rad(14, 31), true, true), "15° in Aries");
    EXPECT_EQ(ZDR::FormatSignPosition(Rad(359, 40), true, false), "29° in Pisces");
    EXPECT_EQ(ZDR::FormatSignPosition(Rad(200, 40), true, false), "21° in Libra");
}

TEST_F(AnglesTest, FormatSignPositionWithoutPosition) {
    EXPECT_EQ(ZDR::FormatSignPosition(-99.0, false, false), "");
    EXPECT_EQ(ZDR::FormatSignPosition(-100.0, true, false), "");
    EXPECT_EQ(ZDR::FormatSignPosition(ZDR::dblTurn + 1e-9, false, true), "");
    EXPECT_EQ(ZDR::FormatSignPosition(std::numeric_limits<double>::quiet_NaN(), true, false), "");
}

}  // namespace

TEST_F(AnglesTest, ZodiacLabelFollowsTheZodiacAndLanguage) {
    ASSERT_TRUE(LoadTestProgramText());

    const bool sidereal = udtTestOptions.udtConfig.blnSidereal;
    udtTestOptions.udtConfig.blnSidereal = false;
    EXPECT_EQ(ZDR::ZodiacLabel(false, TestSidereal()), Language::Text(47));
    EXPECT_EQ(ZDR::ZodiacLabel(true, TestSidereal()), Language::Text(47) + ".");
    udtTestOptions.udtConfig.blnSidereal = true;
    EXPECT_EQ(ZDR::ZodiacLabel(true, TestSidereal()), Language::Text(46) + ".");
    EXPECT_NE(Language::Text(46), Language::Text(47));
    Language::intLanguage = Language::intGerman;
    EXPECT_EQ(ZDR::ZodiacLabel(false, TestSidereal()), Language::TextIn(46, Language::intGerman));
    udtTestOptions.udtConfig.blnSidereal = sidereal;
}
