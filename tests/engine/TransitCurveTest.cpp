// The course of a personal transit from the ephemeris: the exact point and its tie rule,
// and the curve of a real retrograde transit in both zodiacs.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/DatePr2.h"
#include "astro/Positions.h"
#include "config/OptionsInForce.h"
#include "engine/Angles.h"
#include "engine/Catalogue.h"
#include "engine/TransitCurve.h"
#include "tests/EngineTestSupport.h"

namespace {

class TransitCurveTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadTestDataFiles()); }
    SavedEngineTables udtSaved;
};

TEST(TransitCurve, ExactPointOnTheNearerSide) {
    struct Case {
        double natal;
        double transit;
        int16_t k;
        double expected;
    };
    const Case cases[] = {
        {10, 95, 1, 10},                       // conjunction: wherever the body stands
        {10, 300, 1, 10},   {10, 95, 2, 190},  // opposition likewise
        {350, 0, 2, 170},   {10, 95, 3, 100},  // square: +90° lies nearer
        {10, 250, 3, 280},                     // -90° lies nearer
        {350, 100, 4, 110},                    // trine across 0° Aries
        {350, 200, 4, 230}, {40, 75, 6, 70},   // semisextile
        {40, 200, 7, 190},                     // quincunx: 190° lies 10° away, 250° 50°
        {40, 240, 7, 250},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(ZDR::TransitExactPoint(Rad(c.natal), Rad(c.transit), c.k), Rad(c.expected),
                    1e-12)
            << c.natal << " " << c.transit << " " << c.k;
    }
}

TEST(TransitCurve, ExactTieTakesNatalMinusAngle) {
    // A transiting longitude whose distances to both candidate points are exactly equal.
    const double natal = 1.0;
    const double plus = ZDR::NormalizeAngle(natal + ZDR::dblAspectAngle[3]);
    const double minus = ZDR::NormalizeAngle(natal - ZDR::dblAspectAngle[3]);
    int16_t direction = 0;
    double transit = natal;
    for (int i = 0; i < 1000; ++i) {
        const double a = ZDR::Separation(transit, plus, direction);
        const double b = ZDR::Separation(transit, minus, direction);
        if (a == b)
            break;
        transit = std::nextafter(transit, a > b ? 10.0 : -10.0);
    }
    ASSERT_EQ(ZDR::Separation(transit, plus, direction),
              ZDR::Separation(transit, minus, direction));
    EXPECT_EQ(ZDR::TransitExactPoint(natal, transit, 3), minus);
    // One step nearer the plus side takes it.
    const double nearer = transit + 1e-9;
    EXPECT_EQ(ZDR::TransitExactPoint(natal, nearer, 3), plus);
}

// Transiting Neptune sextile the Sun of 17 May 1970, 14:00 GMT+1: within its orb of 1°40'
// from about 2 March 2023 to 2 April 2024, retrograde from July to December 2023.
constexpr double kStartDay = 2460006;  // 2023-03-02
constexpr double kEndDay = 2460402;    // 2024-04-02

TEST_F(TransitCurveTest, ARetrogradeTransitCrossesTheAxisThreeTimes) {
    const double natalJD = DatePr2::DateSetToJD("1970", 5, 17, 29, 60);
    const double worldJD = DatePr2::DateSetToJD("2024", 3, 10, 25, 60);
    const double orb = Rad(5.0) / 3;
    const double P = ZDR::TransitExactPointIn(1, natalJD, 8, worldJD, 5, false);
    // The samples of the graphic: from the local midnight (GMT+1) that begins the start day,
    // 392 steps across the whole days.
    const double t0 = std::floor(kStartDay) - 60 / 1440.0 - 0.5;
    const double step = ((kEndDay + 1.0) - kStartDay) / 392;
    const ZDR::TransitCurve curve = ZDR::ComputeTransitCurve(8, P, t0, step, 392, orb, false);
    ASSERT_EQ(curve.dblDistance.size(), 393u);
    int crossings = 0;
    for (std::size_t n = 1; n < curve.dblDistance.size(); ++n) {
        const double a = curve.dblDistance[n - 1];
        const double b = curve.dblDistance[n];
        if (std::fabs(a) <= orb && std::fabs(b) <= orb && (a < 0) != (b < 0))
            ++crossings;
    }
    EXPECT_EQ(crossings, 3);
    // The distance at a row is that of Neptune at the row's moment, computed directly.
    const double direct = ZDR::SignedSeparation(ZDR::BodyLongitude(8, t0 + 100 * step), P);
    EXPECT_NEAR(curve.dblDistance[100], direct, 1e-12);

    // The sidereal curve: Neptune and the natal point both lose the ayanamsa of their
    // year, so the distance shifts by the ayanamsa's growth from 1970 to 2023 and 2024.
    const double Psid = ZDR::TransitExactPointIn(1, natalJD, 8, worldJD, 5, true);
    const ZDR::TransitCurve sidereal = ZDR::ComputeTransitCurve(8, Psid, t0, step, 392, orb, true);
    const double growth = 243.8e-6;
    EXPECT_NEAR(sidereal.dblDistance[0] - curve.dblDistance[0], -(2023 - 1970) * growth, 1e-9);
    EXPECT_NEAR(sidereal.dblDistance[392] - curve.dblDistance[392], -(2024 - 1970) * growth, 1e-9);
    // Neither curve moved the zodiac in force.
    EXPECT_FALSE(ZDR::OptionsInForce().blnSidereal);
}

}  // namespace
