// The chart wheel as drawn: crowded glyphs, lines of switched-off and hidden aspects, the
// transiting Moon left out, the right-click's answer from the picture's colours, the neutral
// colour, no room left, and the symbols of the glyph font.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <cmath>

#include "engine/AspectTable.h"
#include "engine/Catalogue.h"
#include "support/PictureSupport.h"
#include "tests/view/PictureTest.h"
#include "view/ChartWheel.h"

namespace {

using ZDR::RGB;

class ChartWheelTest : public PictureTest {
  protected:
    void SetUp() override {
        PictureTest::SetUp();
        for (auto& pos : input.dblPos)
            pos[0] = pos[1] = -99;
        for (int k = 0; k < 8; ++k)
            input.udtLineOptions.dblAspectColor[k] = ZDR::dblInitialAspectColor[k];
        input.udtTable = &table;
        ZDR::LayOutSingleChartTable(table);
    }
    void UseTwoCharts() {
        input.blnTwoChart = true;
        ZDR::LayOutTwoChartTable(table, false, false, input.udtLineOptions.blnIncludeTransitingMoon,
                                 TestSidereal());
    }
    // Writes aspect k into the cell at row, column.
    void PutAspect(int row, int col, int16_t k) {
        table.udtCell[row * table.intNumCols + col].strText = ZDR::AspectCellText(k, Rad(1), false);
    }
    // Returns the end of the lines at the glyph of body b of set s, pixels.
    QPointF LineEnd(const view::ChartWheelPicture& wheel, int b, int s) const {
        const ZDR::TwipPoint c = wheel.udtCorner[b][s];
        return QPointF((c.x + ZDR::lngLineEndOffset) / 15.0, (c.y + ZDR::lngLineEndOffset) / 15.0);
    }
    // Counts the samples along the line between two glyphs that have colour color at the
    // sample or next to it.
    int CountAlong(const view::ChartWheelPicture& wheel, int b1, int s1, int b2, int s2,
                   double color) const {
        const QPointF a = LineEnd(wheel, b1, s1);
        const QPointF b = LineEnd(wheel, b2, s2);
        int n = 0;
        for (const QPoint& p : Along(a.x(), a.y(), b.x(), b.y()))
            n += Near(wheel.imgPicture, p, color).x() >= 0 ? 1 : 0;
        return n;
    }
    // Returns a pixel of colour color within a pixel of p, or (-1, -1).
    static QPoint Near(const QImage& picture, QPoint p, double color) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (ColorAt(picture, p.x() + dx, p.y() + dy) == color)
                    return QPoint(p.x() + dx, p.y() + dy);
        return QPoint(-1, -1);
    }

    ZDR::AspectTable table;
    view::ChartWheelInput input;
};

TEST_F(ChartWheelTest, BodiesAtOneLongitudeGetBoxesThatHoldNothingOfEachOther) {
    for (double degrees : {40.0, 90.0, 200.0, 333.0}) {
        input.dblPos[5][0] = Rad(degrees);
        const view::ChartWheelPicture alone = view::DrawChartWheel(input);
        input.dblPos[1][0] = Rad(degrees);
        const view::ChartWheelPicture both = view::DrawChartWheel(input);
        input.dblPos[1][0] = -99;
        ASSERT_TRUE(both.blnPlaced[1][0] && both.blnPlaced[5][0]);
        // Jupiter is placed first and stays where it stood alone; the Sun moved inwards.
        EXPECT_EQ(both.udtCorner[5][0].x, alone.udtCorner[5][0].x);
        EXPECT_EQ(both.udtCorner[5][0].y, alone.udtCorner[5][0].y);
        const auto radius = [](ZDR::TwipPoint c) {
            return std::hypot(c.x + ZDR::lngGlyphHalfSize - 3000.0,
                              c.y + ZDR::lngGlyphHalfSize - 3000.0);
        };
        EXPECT_LT(radius(both.udtCorner[1][0]), radius(both.udtCorner[5][0]) - 200) << degrees;

        // Nothing of Jupiter's glyph lies in the Sun's box.
        int32_t left = 0, top = 0, right = 0, bottom = 0;
        ZDR::GlyphBoxPixels(both.udtCorner[1][0], 300, left, top, right, bottom);
        int jupiterInk = 0;
        for (int y = top; y <= bottom; ++y) {
            for (int x = left; x <= right; ++x) {
                const double c = ColorAt(alone.imgPicture, x, y);
                EXPECT_TRUE(c == 0 || c == ZDR::dblSpokeColor)
                    << degrees << " at " << x << "," << y;
            }
        }
        // ... while Jupiter's own box holds its glyph.
        ZDR::GlyphBoxPixels(alone.udtCorner[5][0], 300, left, top, right, bottom);
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                jupiterInk += ColorAt(alone.imgPicture, x, y) != 0 ? 1 : 0;
        EXPECT_GT(jupiterInk, 20);
    }
}

TEST_F(ChartWheelTest, AnAspectSwitchedOffDrawsNoLineAndIsNotNamed) {
    input.dblPos[1][0] = Rad(20);
    input.dblPos[5][0] = Rad(110);
    PutAspect(2, 4, 3);  // Sun square Jupiter
    const view::ChartWheelPicture shown = view::DrawChartWheel(input);
    EXPECT_GE(CountAlong(shown, 1, 0, 5, 0, RGB(255, 0, 0)), 35);
    const QPointF a = LineEnd(shown, 1, 0);
    const QPointF b = LineEnd(shown, 5, 0);
    const QPoint middle =
        Near(shown.imgPicture, Along(a.x(), a.y(), b.x(), b.y(), 2)[1], RGB(255, 0, 0));
    ASSERT_GE(middle.x(), 0);
    EXPECT_EQ(view::LineEnquiryAt(shown.imgPicture, shown.udtLines, middle.x(), middle.y()),
              "Square (90°)");

    input.udtLineOptions.dblAspectColor[3] = 0;
    const view::ChartWheelPicture off = view::DrawChartWheel(input);
    EXPECT_EQ(CountAlong(off, 1, 0, 5, 0, RGB(255, 0, 0)), 0);
    EXPECT_EQ(ColorAt(off.imgPicture, middle.x(), middle.y()), 0);
    EXPECT_EQ(view::LineEnquiryAt(off.imgPicture, off.udtLines, middle.x(), middle.y()), "");
}

TEST_F(ChartWheelTest, HiddenInnerPlanetAspectsDrawNoLineToTheSunToMars) {
    input.dblPos[1][0] = Rad(20);   // Sun
    input.dblPos[4][0] = Rad(290);  // Mars
    input.dblPos[5][0] = Rad(110);  // Jupiter
    input.dblPos[6][0] = Rad(200);  // Saturn
    PutAspect(2, 4, 3);             // Sun square Jupiter
    PutAspect(5, 5, 2);             // Mars opposite Jupiter
    PutAspect(6, 5, 3);             // Jupiter square Saturn
    input.udtLineOptions.blnShowInnerPlanetAspects = false;
    const view::ChartWheelPicture wheel = view::DrawChartWheel(input);
    EXPECT_EQ(CountAlong(wheel, 1, 0, 5, 0, RGB(255, 0, 0)), 0);
    EXPECT_EQ(CountAlong(wheel, 4, 0, 5, 0, RGB(255, 0, 255)), 0);
    EXPECT_GE(CountAlong(wheel, 5, 0, 6, 0, RGB(255, 0, 0)), 35);
    EXPECT_EQ(ZDR::GetTotalNumAspects(table), 3);  // the table still lists all three
}

TEST_F(ChartWheelTest, UseColorUntickedDrawsEveryLineNeutral) {
    input.dblPos[1][0] = Rad(20);
    input.dblPos[5][0] = Rad(110);
    input.dblPos[6][0] = Rad(170);
    PutAspect(2, 4, 3);  // Sun square Jupiter
    PutAspect(6, 5, 5);  // Jupiter sextile Saturn
    ZDR::ConfigOptions options;
    for (int k = 0; k < 8; ++k)
        options.dblAspectColor[k] = ZDR::dblInitialAspectColor[k];
    options.dblAspectColor[5] = 0;
    options.blnUseColor = false;
    for (int16_t k = 0; k < 8; ++k)
        input.udtLineOptions.dblAspectColor[k] = ZDR::AspectColorShown(k, options);
    const view::ChartWheelPicture wheel = view::DrawChartWheel(input);
    EXPECT_GE(CountAlong(wheel, 1, 0, 5, 0, ZDR::dblNeutralAspectColor), 35);
    EXPECT_EQ(CountAlong(wheel, 5, 0, 6, 0, ZDR::dblNeutralAspectColor), 0);
    // A right-click on the grey line still names its aspect.
    const QPointF a = LineEnd(wheel, 1, 0);
    const QPointF b = LineEnd(wheel, 5, 0);
    const QPoint middle =
        Near(wheel.imgPicture, Along(a.x(), a.y(), b.x(), b.y(), 2)[1], ZDR::dblNeutralAspectColor);
    ASSERT_GE(middle.x(), 0);
    EXPECT_EQ(view::LineEnquiryAt(wheel.imgPicture, wheel.udtLines, middle.x(), middle.y()),
              "Square (90°)");
}

TEST_F(ChartWheelTest, PersonalTransitsWithoutTheTransitingMoonLeaveItOut) {
    input.udtLineOptions.blnIncludeTransitingMoon = false;
    UseTwoCharts();
    input.intNumBodies = 9;
    input.dblPos[10][0] = Rad(100);  // transiting Moon
    input.dblPos[1][1] = Rad(100);   // natal Sun
    input.dblPos[4][1] = Rad(250);   // natal Mars, retrograde
    input.blnRetro[4][1] = true;
    input.dblPos[6][0] = Rad(10);  // transiting Saturn
    PutAspect(2, 11, 1);           // natal Sun conjunct transiting Moon
    PutAspect(2, 7, 4);            // natal Sun trine transiting Saturn
    const view::ChartWheelPicture without = view::DrawChartWheel(input);
    EXPECT_FALSE(without.blnPlaced[10][0]);
    EXPECT_TRUE(without.blnPlaced[1][1]);
    int yellow = 0;
    for (int y = 0; y < without.imgPicture.height(); ++y)
        for (int x = 0; x < without.imgPicture.width(); ++x)
            yellow += ColorAt(without.imgPicture, x, y) == RGB(255, 255, 0) ? 1 : 0;
    EXPECT_EQ(yellow, 0);
    EXPECT_GE(CountAlong(without, 1, 1, 6, 0, RGB(0, 255, 0)), 35);

    // The natal glyphs stand on tiles of the background colour; a retrograde one is blue,
    // and blue names no aspect, whichever has that colour.
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    ZDR::GlyphBoxPixels(without.udtCorner[4][1], 350, left, top, right, bottom);
    EXPECT_EQ(ColorAt(without.imgPicture, left, top), ZDR::dblWheelBackColor);
    QPoint blue(-1, -1);
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (ColorAt(without.imgPicture, x, y) == ZDR::dblSecondSetRetroColor)
                blue = QPoint(x, y);
    ASSERT_GE(blue.x(), 0);
    input.udtLineOptions.dblAspectColor[6] = ZDR::dblSecondSetRetroColor;
    EXPECT_EQ(view::LineEnquiryAt(without.imgPicture, without.udtLines, blue.x(), blue.y()), "");

    input.udtLineOptions.blnIncludeTransitingMoon = true;
    input.intNumBodies = 10;
    input.dblPos[10][0] = Rad(130);
    const view::ChartWheelPicture with = view::DrawChartWheel(input);
    EXPECT_TRUE(with.blnPlaced[10][0]);
    EXPECT_GE(CountAlong(with, 1, 1, 10, 0, RGB(255, 255, 0)), 35);
}

TEST_F(ChartWheelTest, TwentyBodiesAtOnePlaceFindNoRoom) {
    UseTwoCharts();
    for (int b = 1; b <= 10; ++b)
        input.dblPos[b][0] = input.dblPos[b][1] = Rad(90);
    const view::ChartWheelPicture wheel = view::DrawChartWheel(input);
    EXPECT_TRUE(wheel.blnNoRoom);
    EXPECT_TRUE(wheel.blnPlaced[10][0]);
    EXPECT_FALSE(wheel.blnPlaced[1][1]);
    // Ten of one chart fit along one direction, and everything is drawn.
    for (int b = 1; b <= 10; ++b)
        input.dblPos[b][1] = -99;
    EXPECT_FALSE(view::DrawChartWheel(input).blnNoRoom);
}

TEST_F(ChartWheelTest, EveryGlyphIsASymbolOfTheSymbolFont) {
    for (double points : {14.0, 8.0}) {
        const QFont font = support::SymbolFont(points);
        EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(support::strSymbolFontName));
        const QFontMetricsF metrics(font);
        std::vector<std::string> glyphs(ZDR::strBodyGlyph + 1, ZDR::strBodyGlyph + 12);
        glyphs.insert(glyphs.end(), ZDR::strSignGlyph, ZDR::strSignGlyph + 12);
        for (std::size_t i = 0; i < glyphs.size(); ++i) {
            const std::string& glyph = glyphs[i];
            const QString symbol = support::Q(ZDR::GlyphSymbol(glyph));
            ASSERT_EQ(symbol.toUcs4().size(), 1) << glyph;
            const char32_t code = symbol.toUcs4()[0];
            EXPECT_GE(code, 0x2600u) << glyph;  // no letter
            EXPECT_TRUE(metrics.inFontUcs4(code)) << glyph;
            const QRectF ink = metrics.tightBoundingRect(symbol);
            // Legible: at least 9 pixels tall at 14 points, 5 at 8; a body glyph fits its box.
            EXPECT_GE(ink.height(), points * 0.65) << glyph;
            if (points == 14.0 && i < 11) {
                EXPECT_LE(ink.width(), 250 / 15.0) << glyph;
                EXPECT_LE(ink.height(), 300 / 15.0) << glyph;
            }
        }
    }
}

}  // namespace

TEST_F(ChartWheelTest, AStelliumOnTheAscendantKeepsOffTheAnglesLabels) {
    Places::Houses houses;
    houses.dblAscendant = Rad(314.4);
    houses.dblMidheaven = Rad(251.2);
    const double cusps[13] = {0, 314.4, 16.6, 50.3, 71.2, 88.3, 106.4, 134.4, 196.6, 230.3,
                              251.2, 268.3, 286.4};
    for (int h = 1; h <= 12; ++h)
        houses.dblCusp[h] = Rad(cusps[h]);
    const double stellium[11] = {0, 316, 313, 311, 318, 314.4, 315, 312, 317, 319, 314};
    for (int b = 1; b <= 10; ++b)
        input.dblPos[b][0] = Rad(stellium[b]);
    for (bool blnAscendantLeft : {true, false}) {
        view::ChartWheelInput turned = input;
        view::SetWheelHouses(turned, houses, blnAscendantLeft);
        const view::ChartWheelPicture wheel = view::DrawChartWheel(turned);
        ASSERT_FALSE(wheel.blnNoRoom);
        ASSERT_EQ(wheel.rctAngleLabels.size(), 4u);
        for (int b = 1; b <= 10; ++b) {
            int32_t left = 0, top = 0, right = 0, bottom = 0;
            ZDR::GlyphBoxPixels(wheel.udtCorner[b][0], 300, left, top, right, bottom);
            const QRectF box(left, top, right - left + 1, bottom - top + 1);
            for (const QRectF& label : wheel.rctAngleLabels)
                EXPECT_FALSE(box.intersects(label)) << b << " " << blnAscendantLeft;
        }
        // The Ascendant's thick line runs to the rim due left, or where 314.4° lies.
        const ZDR::TwipPoint rim = ZDR::WheelPoint(
            ZDR::SingleChartWheel(), houses.dblAscendant + turned.dblTurn, 2930);
        EXPECT_EQ(ColorAt(wheel.imgPicture, rim.x / 15, rim.y / 15), RGB(255, 255, 255));
        EXPECT_EQ(rim.x < 200, blnAscendantLeft);
    }
    // Without a place nothing of the houses is drawn.
    EXPECT_TRUE(view::DrawChartWheel(input).rctAngleLabels.empty());
}
