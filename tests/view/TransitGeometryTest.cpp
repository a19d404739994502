// The transit graphic's geometry without a picture: the pixel size, the exact point and its
// tie rule, label rows and the current row, ticks, plot rows and steps, the right-click on
// a point, the captions, and the curve of a real retrograde transit in both zodiacs.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/DatePr2.h"
#include "astro/Positions.h"
#include "engine/Angles.h"
#include "engine/Catalogue.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"
#include "view/TransitGeometry.h"

namespace {

class TransitGeometryTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadTestDataFiles()); }
    void SetUp() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
    }
    void TearDown() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
    }
    SavedEngineTables udtSaved;
};

TEST(TransitGeometry, PixelSizeOutside12To15Is15) {
    const int cases[][2] = {{12, 12}, {13, 13}, {15, 15}, {11, 15}, {16, 15}, {0, 15}, {-12, 15}};
    for (const auto& c : cases)
        EXPECT_EQ(ZDR::TransitPixelSize(c[0]), c[1]) << c[0];
}

TEST(TransitGeometry, ExactPointOnTheNearerSide) {
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

TEST(TransitGeometry, ExactTieTakesNatalMinusAngle) {
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

TEST(TransitGeometry, LabelsAndPlotCoverTheWholeDays) {
    // 28 days from day 2460000 to 2460027: one label a day, the last at the midnight ending
    // the end day.
    EXPECT_DOUBLE_EQ(ZDR::TransitSpan(2460000, 2460027), 28.0);
    EXPECT_DOUBLE_EQ(ZDR::TransitLabelDay(2460000, 2460027, 0), 2460000.0);
    EXPECT_DOUBLE_EQ(ZDR::TransitLabelDay(2460000, 2460027, 5), 2460005.0);
    EXPECT_DOUBLE_EQ(ZDR::TransitLabelDay(2460000, 2460027, 28), 2460028.0);
    EXPECT_EQ(ZDR::TransitLabelRowY(0), 21);
    EXPECT_EQ(ZDR::TransitLabelRowY(28), 413);
    EXPECT_DOUBLE_EQ(ZDR::TransitPlotStep(2460000, 2460027), 28.0 / 392);
    EXPECT_EQ(ZDR::TransitPlotRowY(0), 315);
    EXPECT_EQ(ZDR::TransitPlotRowY(392), 6195);
    // Local midnight in a zone one hour east of Greenwich is 23:00 UT the day before.
    EXPECT_DOUBLE_EQ(ZDR::TransitPlotStartJD(2460000, 60), 2460000 - 60 / 1440.0 - 0.5);
    EXPECT_DOUBLE_EQ(ZDR::TransitPlotStartJD(2460000.75, -300), 2460000 + 300 / 1440.0 - 0.5);
}

TEST(TransitGeometry, CurrentRowIsTheFirstPastHalfAStepBeforeTheWorldDate) {
    struct Case {
        double world;
        int16_t row;
    };
    const Case cases[] = {
        {2459990.0, 0},                  // before the start
        {2460000.4, 0}, {2460005.4, 5},  // 2460005 > 2460004.9
        {2460005.5, 6},                  // 2460005 is not > 2460005.0: the next row
        {2460005.6, 6}, {2460027.9, 28}, {2460030.0, 0},  // after the end: no row qualifies
    };
    for (const Case& c : cases)
        EXPECT_EQ(ZDR::TransitCurrentRow(2460000, 2460027, c.world), c.row) << c.world;
}

TEST(TransitGeometry, TicksAndCurvePositions) {
    const double orb = Rad(3.0);
    EXPECT_DOUBLE_EQ(ZDR::TransitTickValue(1, orb), orb / 7.5);
    EXPECT_DOUBLE_EQ(ZDR::TransitTickValue(7, orb), 7 * orb / 7.5);
    EXPECT_EQ(ZDR::FormatDegMin(ZDR::TransitTickValue(5, orb)), "2°0'");
    EXPECT_DOUBLE_EQ(ZDR::TransitCurveX(0, orb), 420);
    EXPECT_DOUBLE_EQ(ZDR::TransitCurveX(orb, orb), 720);
    EXPECT_DOUBLE_EQ(ZDR::TransitCurveX(-orb, orb), 120);
    EXPECT_DOUBLE_EQ(ZDR::TransitCurveX(orb / 2, orb), 570);
}

TEST(TransitGeometry, PointEnquiryReadsRowAndDistance) {
    ZDR::TransitEnquiryScale scale;
    scale.dblStartDay = 2460000;
    scale.dblPlotStep = 28.0 / 392;
    scale.dblOrb = Rad(3.0);
    const double white = ZDR::RGB(255, 255, 255);
    struct Case {
        int p;
        double color;
        int32_t x, y;
        bool ok;
        int row;
        double distance;  // degrees
    };
    const Case cases[] = {
        {15, white, 6300, 315, true, 0, 0.0},     // on the axis, first row
        {15, white, 6300, 6195, true, 392, 0.0},  // last row
        {15, white, 10800, 322, true, 0, 3.0},    // right edge: one orb; 7/15 of a row rounds down
        {15, white, 1801, 323, true, 1, 2.9993},  // just right of the grid; 8/15 rounds up
        {15, white, 1800, 1000, false, 0, 0},     // on the grid's left end
        {15, white, 6300, 314, false, 0, 0},      // above the plot
        {15, white, 6300, 6196, false, 0, 0},     // below it
        {15, 0.0, 6300, 1000, false, 0, 0},       // black
        {12, white, 5040, 315, true, 0, 0.0},     // 420 pixels of 12 twips
        {12, white, 8640, 6195, true, 392, 3.0},  // 720 pixels of 12 twips
        {12, white, 1440, 1000, false, 0, 0},     // 120 pixels of 12 twips
        {20, white, 6300, 315, true, 0, 0.0},     // a size outside 12..15 counts as 15
    };
    for (const Case& c : cases) {
        scale.intPixelSize = static_cast<int16_t>(c.p);
        double day = -1, exactness = -1;
        ASSERT_EQ(ZDR::TransitPointAt(scale, c.color, c.x, c.y, day, exactness), c.ok)
            << c.p << " " << c.x << " " << c.y;
        if (!c.ok)
            continue;
        EXPECT_DOUBLE_EQ(day, 2460000 + c.row * scale.dblPlotStep);
        EXPECT_NEAR(exactness, Rad(c.distance), Rad(0.0001));
    }
}

TEST_F(TransitGeometryTest, TextsOfTheGraphic) {
    // 2024-03-10 is JDN 2460380; its local noon.
    EXPECT_EQ(ZDR::TransitLabelText(2460380.5), "2024-03-10 12:00");
    EXPECT_EQ(ZDR::TransitLabelText(2460380.0 + 0.75), "2024-03-10 18:00");
    EXPECT_EQ(ZDR::TransitPointMessage(2460380.5, Rad(0.5)),
              "At this point of the transit:\n2024-03-10 at 12:00, 0°30' from exact.");
    EXPECT_EQ(ZDR::TransitPointTitle(), "Transit graphic");
    const double natalDay = DatePr2::DateSetToLocalDay("1970", 5, 17, 29);
    EXPECT_EQ(ZDR::TransitCaption(1, 6, 3, Rad(2.0), false, natalDay),
              "Transiting Saturn in square to natal Sun (1970-05-17), orb 2°0', tropical zodiac");
    EXPECT_EQ(ZDR::TransitCaption(10, 8, 5, Rad(5.0 / 3), true, natalDay),
              "Transiting Neptune in sextile to natal Moon (1970-05-17), orb 1°40', sidereal "
              "zodiac");
    Language::intLanguage = Language::intGerman;
    ZDR::BuildCatalogueNames();
    EXPECT_EQ(ZDR::TransitCaption(1, 6, 3, Rad(2.0), false, natalDay),
              "Transit Saturn im Aspekt Quadrat zu Radixsonne (1970-05-17), Orbis 2°0', "
              "tropischer Tk");
    EXPECT_EQ(ZDR::TransitPointMessage(2460380.5, Rad(0.5)),
              "An diesem Punkt des Transits:\n2024-03-10 um 12:00 Uhr, 0°30' vom exakten Aspekt "
              "entfernt.");
}

// Transiting Neptune sextile the Sun of 17 May 1970, 14:00 GMT+1: within its orb of 1°40'
// from about 2 March 2023 to 2 April 2024, retrograde from July to December 2023.
constexpr double kStartDay = 2460006;  // 2023-03-02
constexpr double kEndDay = 2460402;    // 2024-04-02

TEST_F(TransitGeometryTest, ARetrogradeTransitCrossesTheAxisThreeTimes) {
    const double natalJD = DatePr2::DateSetToJD("1970", 5, 17, 29, 60);
    const double worldJD = DatePr2::DateSetToJD("2024", 3, 10, 25, 60);
    const double orb = Rad(5.0) / 3;
    const double P = ZDR::TransitExactPointIn(1, natalJD, 8, worldJD, 5, false);
    const double t0 = ZDR::TransitPlotStartJD(kStartDay, 60);
    const double step = ZDR::TransitPlotStep(kStartDay, kEndDay);
    const ZDR::TransitCurve curve = ZDR::ComputeTransitCurve(8, P, t0, step, orb, false);
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
    const ZDR::TransitCurve sidereal = ZDR::ComputeTransitCurve(8, Psid, t0, step, orb, true);
    const double growth = 243.8e-6;
    EXPECT_NEAR(sidereal.dblDistance[0] - curve.dblDistance[0], -(2023 - 1970) * growth, 1e-9);
    EXPECT_NEAR(sidereal.dblDistance[392] - curve.dblDistance[392], -(2024 - 1970) * growth, 1e-9);
    // Neither curve moved the zodiac in force.
    EXPECT_FALSE(ZDR::OptionsInForce().blnSidereal);
}

}  // namespace
