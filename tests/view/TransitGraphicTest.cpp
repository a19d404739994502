// The transit graphic as drawn: a slow retrograde transit's curve crossing the axis three
// times, the right-click on the grey curve of the other zodiac, the current date row, and
// 12 twips a pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "astro/DatePr2.h"
#include "astro/Positions.h"
#include "config/Options.h"
#include "engine/Angles.h"
#include "engine/Catalogue.h"
#include "engine/CellExplanation.h"
#include "engine/Compute.h"
#include "engine/TransitCurve.h"
#include "tests/view/PictureTest.h"
#include "view/TransitGraphic.h"

namespace {

using ZDR::RGB;

// Transiting Neptune sextile the Sun of 17 May 1970, 14:00 GMT+1, world date 10 March 2024
// 12:00 GMT+1: within its orb of 1°40' from about 2 March 2023 to 2 April 2024, retrograde
// from July to December 2023.
class TransitGraphicTest : public PictureTest {
  protected:
    void SetUp() override {
        PictureTest::SetUp();
        input.intNatalBody = 1;
        input.intTransitBody = 8;
        input.intAspect = 5;
        input.intTimezoneMinutes = 60;
        input.dblStartDay = 2460006;
        input.dblEndDay = 2460402;
        input.dblNatalJD = DatePr2::DateSetToJD("1970", 5, 17, 29, 60);
        input.dblWorldJD = DatePr2::DateSetToJD("2024", 3, 10, 25, 60);
        input.dblWorldDay = DatePr2::DateSetToLocalDay("2024", 3, 10, 25);
        input.dblOrb = Rad(5.0) / 3;
        input.dblCurveColor = RGB(0, 255, 255);
        input.dblNatalDay = DatePr2::DateSetToLocalDay("1970", 5, 17, 29);
    }
    // The rows (pixels) of column x where the picture has colour color, in runs: the first
    // row of each run.
    static std::vector<int> Runs(const QImage& picture, int x, double color) {
        std::vector<int> runs;
        int last = -10;
        for (int y = 0; y < picture.height(); ++y) {
            if (ColorAt(picture, x, y) != color)
                continue;
            if (y > last + 2)
                runs.push_back(y);
            last = y;
        }
        return runs;
    }
    view::TransitGraphicInput input;
};

TEST_F(TransitGraphicTest, ARetrogradeTransitCrossesTheAxisThreeTimes) {
    const view::TransitGraphicPicture graphic = view::DrawTransitGraphic(input);
    EXPECT_EQ(graphic.imgPicture.width(), 730);
    EXPECT_EQ(graphic.imgPicture.height(), 440);
    const std::vector<int> crossings =
        Runs(graphic.imgPicture, ZDR::intTransitAxis, RGB(0, 255, 255));
    ASSERT_EQ(crossings.size(), 3u);
    // The exact hits fall in April 2023, September 2023 and February 2024.
    const auto dayOfRow = [&](int y) {
        return input.dblStartDay +
               (y * 15 - ZDR::lngTransitPlotTop) / 15.0 * graphic.udtScale.dblPlotStep;
    };
    const double firstOfMonth[] = {DatePr2::DateSetToLocalDay("2023", 4, 1, 1),
                                   DatePr2::DateSetToLocalDay("2023", 9, 1, 1),
                                   DatePr2::DateSetToLocalDay("2024", 2, 1, 1)};
    for (int i = 0; i < 3; ++i) {
        EXPECT_GE(dayOfRow(crossings[i]), firstOfMonth[i]) << i;
        EXPECT_LT(dayOfRow(crossings[i]), firstOfMonth[i] + 31) << i;
    }
    // The world date's row is white, the others dark grey.
    const int current = ZDR::TransitLabelRowY(graphic.intCurrentRow);
    EXPECT_EQ(graphic.intCurrentRow,
              ZDR::TransitCurrentRow(input.dblStartDay, input.dblEndDay, input.dblWorldDay));
    EXPECT_EQ(ColorAt(graphic.imgPicture, 130, current), RGB(255, 255, 255));
    EXPECT_EQ(ColorAt(graphic.imgPicture, 130, ZDR::TransitLabelRowY(3)), RGB(64, 64, 64));
}

TEST_F(TransitGraphicTest, RightClickOnTheGreyCurveTellsItsPoint) {
    const view::TransitGraphicPicture graphic = view::DrawTransitGraphic(input);
    const double P = ZDR::TransitExactPointIn(1, input.dblNatalJD, 8, input.dblWorldJD, 5, true);
    int found = 0;
    for (int y = 60; y < 400; y += 37) {
        for (int x = ZDR::intTransitLeftMargin + 1; x < 720; ++x) {
            if (ColorAt(graphic.imgPicture, x, y) != RGB(128, 128, 128))
                continue;
            double day = 0, exactness = 0;
            ASSERT_TRUE(ZDR::TransitPointAt(graphic.udtScale, RGB(128, 128, 128), x * 15, y * 15,
                                            day, exactness));
            // The sidereal distance of Neptune at that moment: the point lies on the curve's
            // piece from the row before to the row after, give or take a pixel.
            const double step = graphic.udtScale.dblPlotStep;
            double low = 10, high = -1;
            for (int n = -1; n <= 1; ++n) {
                const double jd = day + n * step - 60 / 1440.0 - 0.5;
                const double d =
                    std::fabs(ZDR::SignedSeparation(ZDR::BodyLongitudeIn(8, jd, true), P));
                low = std::min(low, d);
                high = std::max(high, d);
            }
            const double pixel = input.dblOrb / 300;
            EXPECT_GE(exactness, low - 1.5 * pixel) << x << "," << y;
            EXPECT_LE(exactness, high + 1.5 * pixel) << x << "," << y;
            ++found;
            break;
        }
    }
    EXPECT_GE(found, 5);
    double day = 0, exactness = 0;
    EXPECT_FALSE(ZDR::TransitPointAt(graphic.udtScale, 0.0, 300 * 15, 200 * 15, day, exactness));
}

TEST_F(TransitGraphicTest, TwelveTwipsAPixel) {
    input.intPixelSize = 12;
    const view::TransitGraphicPicture graphic = view::DrawTransitGraphic(input);
    EXPECT_EQ(graphic.imgPicture.width(), 913);  // 10950 / 12
    EXPECT_EQ(graphic.imgPicture.height(), 550);
    EXPECT_EQ(graphic.udtScale.intPixelSize, 12);
    // The grid keeps its pixels, the plot rows keep 15 twips: the axis runs from 315 / 12
    // to 6195 / 12 pixels, below the grid's last line at 413.
    int top = -1, bottom = -1;
    // (The caption begins 7 pixels below the last plot row.)
    for (int y = ZDR::TransitLabelRowY(0) - 3; y < 516 + 7; ++y) {
        if (ColorAt(graphic.imgPicture, ZDR::intTransitAxis, y) != 0) {
            if (top < 0)
                top = y;
            bottom = y;
        }
    }
    EXPECT_EQ(top, ZDR::TransitLabelRowY(0));  // the first grid line crosses the axis
    EXPECT_EQ(bottom, 516);
    EXPECT_EQ(ColorAt(graphic.imgPicture, 720, ZDR::TransitLabelRowY(28)), RGB(64, 64, 64));
    // A point on the axis at pixel row 500 is exact, at plot row (500 x 12 - 315) / 15.
    double day = 0, exactness = -1;
    ASSERT_TRUE(ZDR::TransitPointAt(graphic.udtScale, RGB(255, 255, 255), 420 * 12, 500 * 12, day,
                                    exactness));
    EXPECT_DOUBLE_EQ(exactness, 0.0);
    EXPECT_DOUBLE_EQ(day, input.dblStartDay + 379 * graphic.udtScale.dblPlotStep);
}

TEST_F(TransitGraphicTest, TheInputOfACellsTimingWithTheOptionsInForce) {
    ZDR::ConfigOptions options = ZDR::DefaultOptions(Language::intEnglish, {});
    udtTestOptions = ZDR::MakeChartOptions(options);
    options.blnSidereal = true;
    ZDR::CellTiming timing;
    timing.intFirst = 1;
    timing.intSecond = 8;
    timing.intAspect = 5;
    timing.dblBegin = input.dblStartDay;
    timing.dblEnd = input.dblEndDay;
    const double jd[3] = {input.dblWorldJD, 2400000, input.dblNatalJD};
    view::TransitGraphicInput second =
        view::TransitInputOf(timing, ZDR::intModePersonal2, jd, 60, 60, OrbsWith(options));
    EXPECT_EQ(second.dblNatalJD, input.dblNatalJD);  // the 2nd birthdate's
    EXPECT_NEAR(second.dblNatalDay, input.dblNatalDay, 1e-6);
    EXPECT_NEAR(second.dblWorldDay, input.dblWorldDay, 1e-6);
    EXPECT_DOUBLE_EQ(second.dblOrb, udtTestOptions.dblOrb[5][1]);
    EXPECT_NEAR(second.dblOrb, Rad(5.0) / 3, 1e-12);  // sextile 5°, a third for transits
    EXPECT_EQ(second.dblCurveColor, options.dblAspectColor[5]);
    EXPECT_TRUE(second.blnSidereal);
    options.blnUseColor = false;
    options.blnSidereal = false;
    second = view::TransitInputOf(timing, ZDR::intModePersonal2, jd, 60, 60, OrbsWith(options));
    EXPECT_EQ(second.dblCurveColor, ZDR::dblNeutralAspectColor);
    const view::TransitGraphicPicture graphic = view::DrawTransitGraphic(second);
    EXPECT_EQ(Runs(graphic.imgPicture, ZDR::intTransitAxis, ZDR::dblNeutralAspectColor).size(), 3u);
}

}  // namespace
