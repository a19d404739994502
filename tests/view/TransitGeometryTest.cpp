// The transit graphic's geometry without a picture: the pixel size, label rows and the
// current row, ticks, plot rows and steps, the right-click on a point and the captions.
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

}  // namespace
