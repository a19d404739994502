// The chart wheel's geometry without a picture: points on the wheel, glyph boxes in pixels,
// which bodies an aspect cell joins, the lines read from the table, the right-click's
// answer for a colour, and the legends laid out beside the disc.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/AspectTable.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"
#include "view/WheelGeometry.h"

namespace {

using ZDR::TwipPoint;

class WheelGeometryTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadTestProgramText()); }
    void SetUp() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
        for (int k = 0; k < 8; ++k)
            options.dblAspectColor[k] = ZDR::dblInitialAspectColor[k];
    }
    void TearDown() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
    }
    // Writes aspect k into the cell at row, column of the table.
    void PutAspect(int row, int col, int16_t k, bool bold = false) {
        ZDR::TableCell& cell = table.udtCell[row * table.intNumCols + col];
        cell.strText = ZDR::AspectCellText(k, Rad(1.5), false) + " -";
        cell.blnBold = bold;
    }
    // The lines as "b1-b2:k" texts, b as body indices.
    std::vector<std::string> Lines(bool blnTwoChart) const {
        std::vector<std::string> out;
        for (const ZDR::WheelLine& line : ZDR::WheelAspectLines(table, blnTwoChart, options))
            out.push_back(std::to_string(line.intBody1) + "-" + std::to_string(line.intBody2) +
                          ":" + std::to_string(line.intAspect) + (line.blnBold ? "b" : ""));
        return out;
    }

    ZDR::AspectTable table;
    ZDR::WheelLineOptions options;
};

TEST(WheelGeometry, PointsLieAtTheirLongitudeAnticlockwiseFromTheRight) {
    struct Case {
        double degrees;
        double r;
        int x;
        int y;
    };
    const Case cases[] = {
        {0, 2900, 5900, 3000},      {90, 2900, 3000, 100}, {180, 2900, 100, 3000},
        {270, 2900, 3000, 5900},    {45, 2900, 5051, 949},  // 2900 cos 45° = 2050.6
        {359.99, 1000, 4000, 3000},                         // just below the axis, rounded onto it
    };
    for (const Case& c : cases) {
        const TwipPoint p = ZDR::WheelPoint(ZDR::SingleChartWheel(), Rad(c.degrees), c.r);
        EXPECT_EQ(p.x, c.x) << c.degrees;
        EXPECT_EQ(p.y, c.y) << c.degrees;
    }
    const TwipPoint two = ZDR::WheelPoint(ZDR::TwoChartWheel(), Rad(90), 3200);
    EXPECT_EQ(two.x, 4950);
    EXPECT_EQ(two.y, 100);
}

TEST(WheelGeometry, GlyphBoxesInPixels) {
    struct Case {
        TwipPoint corner;
        int32_t height;
        int32_t left, top, right, bottom;
    };
    const Case cases[] = {
        {{1000, 2000}, 300, 66, 133, 83, 153},  // 1250 / 15 = 83.3, 2300 / 15 = 153.3
        {{1500, 1500}, 350, 100, 100, 116, 123},
        {{-10, -1}, 300, -1, -1, 16, 19},  // left of and above the picture: outside it
    };
    for (const Case& c : cases) {
        int32_t left = 0, top = 0, right = 0, bottom = 0;
        ZDR::GlyphBoxPixels(c.corner, c.height, left, top, right, bottom);
        EXPECT_EQ(left, c.left);
        EXPECT_EQ(top, c.top);
        EXPECT_EQ(right, c.right);
        EXPECT_EQ(bottom, c.bottom);
    }
    EXPECT_EQ(ZDR::GlyphCorner(TwipPoint{3000, 100}).x, 2850);
    EXPECT_EQ(ZDR::GlyphCorner(TwipPoint{3000, 100}).y, -50);
}

TEST(WheelGeometry, SpokesAndSignRing) {
    double x = 0, y = 0;
    ZDR::SpokeEnd(ZDR::SingleChartWheel(), 3, x, y);  // 90°
    EXPECT_NEAR(x, 3000, 1e-9);
    EXPECT_NEAR(y, 100, 1e-9);
    ZDR::SignRingPoint(ZDR::TwoChartWheel(), 0, x, y);  // Aries: the middle of 0°..30°
    EXPECT_NEAR(x, 4950 + 800 * std::cos(Rad(15)), 1e-9);
    EXPECT_NEAR(y, 3300 - 800 * std::sin(Rad(15)), 1e-9);
}

TEST(WheelGeometry, AspectCellsJoinTheirBodies) {
    struct Case {
        int row, col;
        bool two;
        bool ok;
        int b1, b2;
    };
    const Case cases[] = {
        {2, 1, false, true, 1, 2},     // Sun - Mercury
        {10, 9, false, true, 9, 10},   // Pluto - Moon
        {2, 0, false, false, 0, 0},    // the Sun's glyph on the diagonal
        {10, 0, false, false, 0, 0},   // the zodiac cell
        {1, 5, false, false, 0, 0},    // glyph header
        {0, 5, false, false, 0, 0},    // position cell
        {2, 2, true, true, 1, 1},      // natal Sun - transiting Sun
        {11, 11, true, true, 10, 10},  // Moon - Moon
        {5, 1, true, false, 0, 0},     // glyph column
        {0, 4, true, false, 0, 0},
        {12, 11, false, true, 11, 12},  // the angles of a table with them: ASC - MC
        {11, 10, false, true, 10, 11},  // Moon - ASC
        {13, 5, true, true, 12, 4},     // natal MC - transiting Mars
    };
    for (const Case& c : cases) {
        int16_t b1 = 0, b2 = 0;
        EXPECT_EQ(ZDR::WheelLineBodies(c.row, c.col, c.two, b1, b2), c.ok) << c.row << "," << c.col;
        if (c.ok) {
            EXPECT_EQ(b1, c.b1);
            EXPECT_EQ(b2, c.b2);
        }
    }
}

TEST_F(WheelGeometryTest, LinesComeFromTheCellsShownInColour) {
    ZDR::LayOutSingleChartTable(table);
    PutAspect(2, 4, 3, true);  // Sun square Jupiter, bold
    PutAspect(6, 5, 4);        // Jupiter trine Saturn
    PutAspect(7, 8, 1);        // Saturn conjunct Neptune
    EXPECT_EQ(Lines(false), (std::vector<std::string>{"1-5:3b", "5-6:4", "6-9:1"}));

    // A colour switched off draws no line, the table keeps the aspect.
    options.dblAspectColor[4] = 0;
    EXPECT_EQ(Lines(false), (std::vector<std::string>{"1-5:3b", "6-9:1"}));
    EXPECT_EQ(ZDR::GetTotalNumAspects(table), 3);

    // Hidden aspects of the inner bodies: nothing of the Sun.
    options.blnShowInnerPlanetAspects = false;
    EXPECT_EQ(Lines(false), (std::vector<std::string>{"6-9:1"}));
}

TEST_F(WheelGeometryTest, TwoChartLinesLeaveOutTheTransitingMoon) {
    ZDR::LayOutTwoChartTable(table, false, false, false, TestSidereal());
    PutAspect(2, 11, 1);  // natal Sun conjunct transiting Moon
    PutAspect(11, 2, 2);  // natal Moon opposite transiting Sun
    PutAspect(4, 6, 5);   // natal Venus sextile transiting Jupiter
    options.blnIncludeTransitingMoon = true;
    EXPECT_EQ(Lines(true), (std::vector<std::string>{"1-10:1", "3-5:5", "10-1:2"}));
    options.blnIncludeTransitingMoon = false;
    EXPECT_EQ(Lines(true), (std::vector<std::string>{"3-5:5", "10-1:2"}));
    options.blnShowInnerPlanetAspects = false;
    EXPECT_EQ(Lines(true), (std::vector<std::string>{}));
}

TEST_F(WheelGeometryTest, TheLineEnquiryNamesEveryAspectOfTheColour) {
    double colors[8];
    for (int k = 0; k < 8; ++k)
        colors[k] = ZDR::dblInitialAspectColor[k];
    colors[4] = colors[3];  // trine shares the square's red
    colors[6] = ZDR::dblSecondSetRetroColor;
    colors[7] = ZDR::RGB(255, 255, 255);
    struct Case {
        double color;
        const char* english;
        const char* german;
    };
    const Case cases[] = {
        {ZDR::RGB(255, 255, 0), "Conjunction (0°)", "Konjunktion (0°)"},
        {ZDR::RGB(255, 0, 0), "Square (90°) or trine (120°)", "Quadrat (90°) or trigon (120°)"},
        {0, "", ""},                            // black
        {ZDR::dblWheelBackColor, "", ""},       // the background
        {ZDR::dblSecondSetRetroColor, "", ""},  // a blue glyph, whatever has its colour
        {ZDR::RGB(255, 255, 255), "", ""},      // white
        {ZDR::RGB(1, 2, 3), "", ""},            // no aspect's colour
    };
    for (const Case& c : cases)
        EXPECT_EQ(ZDR::WheelLineEnquiry(c.color, colors), c.english);
    Language::intLanguage = Language::intGerman;
    ZDR::BuildCatalogueNames();
    for (const Case& c : cases)
        EXPECT_EQ(ZDR::WheelLineEnquiry(c.color, colors), c.german);
}

// The width of a text at 75 twips (5 pixels) a character, about that of the legends' font.
int32_t Measure(const std::string& text) {
    return static_cast<int32_t>(text.size()) * 75;
}

// Whether a legend row stays out of the disc and inside the picture.
::testing::AssertionResult ClearOfDisc(const ZDR::WheelLayout& w, const ZDR::LegendRow& row) {
    const double left = row.lngLeft;
    const double right = left + Measure(row.strText);
    if (left < 0 || right > w.lngWidth || row.lngTop < 0 ||
        row.lngTop + ZDR::lngLegendLineHeight > w.lngHeight)
        return ::testing::AssertionFailure() << row.strText << " leaves the picture";
    for (int32_t y = row.lngTop; y <= row.lngTop + ZDR::lngLegendLineHeight; y += 5) {
        const double dy = y - w.lngCentreY;
        const double r = w.lngDiscRadius;
        if (std::fabs(dy) >= r)
            continue;
        const double half = std::sqrt(r * r - dy * dy);
        if (right > w.lngCentreX - half && left < w.lngCentreX + half)
            return ::testing::AssertionFailure() << row.strText << " reaches into the disc";
    }
    return ::testing::AssertionSuccess();
}

TEST(WheelLegend, RowsStayBesideTheDiscAndKeepEveryWord) {
    struct Case {
        bool two;
        int32_t left;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        // Short enough to stand where it is asked to.
        {false, 4600, {"Cyan: planet", "is retrograde"}},
        // Fits whole when it moves left of 1700.
        {true, 1700, {"Lines in colours", "Thick: close", "Right-click names it"}},
        // Too long for the top corner: broken at blanks, the rest in the bottom corner.
        {false,
         0,
         {"Lines: aspects in their colours", "Thick line: close aspect",
          "Right-click on a line names its aspect"}},
        // Right of the disc.
        {true,
         7300,
         {"White: planets of the 1st birthdate", "Cyan: planet is retrograde",
          "Dark: planets of the 2nd birthdate", "Blue: planet is retrograde"}},
    };
    for (const Case& c : cases) {
        const ZDR::WheelLayout& w = c.two ? ZDR::TwoChartWheel() : ZDR::SingleChartWheel();
        const std::vector<ZDR::LegendRow> rows = ZDR::LayOutLegend(w, c.lines, c.left, Measure);
        std::string all, printed;
        for (const std::string& line : c.lines)
            all += (all.empty() ? "" : " ") + line;
        int bottomRows = 0;
        for (const ZDR::LegendRow& row : rows) {
            EXPECT_TRUE(ClearOfDisc(w, row));
            printed += (printed.empty() ? "" : " ") + row.strText;
            bottomRows += row.lngTop > w.lngHeight / 2 ? 1 : 0;
        }
        EXPECT_EQ(printed, all);
        EXPECT_EQ(bottomRows > 0, c.left == 0) << c.lines[0];
    }
}

TEST(WheelLegend, AFittingLegendKeepsItsPlaceAndLines) {
    const std::vector<ZDR::LegendRow> d = ZDR::LayOutLegend(
        ZDR::SingleChartWheel(), {"Cyan: planet", "is retrograde"}, 4600, Measure);
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].lngLeft, 4600);
    EXPECT_EQ(d[1].lngTop, ZDR::lngLegendLineHeight);
    EXPECT_EQ(d[1].strText, "is retrograde");

    // Left of the disc a legend moves left, all its rows together, to stand whole.
    const std::vector<ZDR::LegendRow> a = ZDR::LayOutLegend(
        ZDR::TwoChartWheel(), {"Lines in colours", "Thick: close", "Right-click names it"}, 1700,
        Measure);
    ASSERT_EQ(a.size(), 3u);
    EXPECT_LT(a[0].lngLeft, 1700);
    EXPECT_EQ(a[0].lngLeft, a[2].lngLeft);
    EXPECT_EQ(a[2].strText, "Right-click names it");
}

TEST_F(WheelGeometryTest, LegendTextsFollowTheModeAndLanguage) {
    const ZDR::WheelLegends single = ZDR::WheelLegendTexts(ZDR::intModeNatal1, true);
    EXPECT_EQ(single.strLinesA.size(), 3u);
    EXPECT_EQ(single.strLinesSecond, (std::vector<std::string>{"Cyan: planet", "is retrograde"}));
    const ZDR::WheelLegends transit = ZDR::WheelLegendTexts(ZDR::intModePersonal2, true);
    EXPECT_EQ(transit.lngLeftSecond, 7100);
    EXPECT_EQ(transit.strLinesSecond[1], "Cyan: planet is retrograde");
    Language::intLanguage = Language::intGerman;
    const ZDR::WheelLegends synastry = ZDR::WheelLegendTexts(ZDR::intModeSynastry, true);
    EXPECT_EQ(synastry.lngLeftSecond, 7300);
    // Every line in German, none half in English.
    EXPECT_EQ(synastry.strLinesSecond[1], "Cyan: Planet ist rückläufig");
    EXPECT_EQ(ZDR::WheelLegendTexts(ZDR::intModeWorldTransits, true).strLinesSecond[0],
              "Cyan: Planet");
    // Without colour the first line says what is drawn; the others stay.
    const ZDR::WheelLegends grey = ZDR::WheelLegendTexts(ZDR::intModeSynastry, false);
    EXPECT_EQ(grey.strLinesA[0], "Linien: Aspekte, alle in Grau");
    EXPECT_EQ(grey.strLinesA[1], synastry.strLinesA[1]);
    Language::intLanguage = Language::intEnglish;
    EXPECT_EQ(ZDR::WheelLegendTexts(ZDR::intModeNatal1, false).strLinesA[0],
              "Lines: aspects, all in grey");
}

// Lines of one colour are told apart by where they run: a square along the top, a trine
// down the left side and a sextile across the middle, the last two of one grey; the point
// of the click is measured against each line, a pixel and half its width to either side.
TEST_F(WheelGeometryTest, TheEnquiryNamesTheLineThatRunsThroughThePoint) {
    const double grey = ZDR::dblNeutralAspectColor;
    const double red = ZDR::RGB(255, 0, 0);
    auto line = [](int16_t aspect, double color, double x1, double y1, double x2, double y2,
                   int width) {
        ZDR::DrawnLine l;
        l.intAspect = aspect;
        l.dblColor = color;
        l.dblX1 = x1, l.dblY1 = y1, l.dblX2 = x2, l.dblY2 = y2;
        l.intWidth = width;
        return l;
    };
    const std::vector<ZDR::DrawnLine> lines = {line(3, red, 0, 0, 100, 0, 1),
                                               line(4, grey, 0, 0, 0, 100, 1),
                                               line(5, grey, 0, 50, 100, 50, 2)};
    struct Case {
        double color, x, y;
        const char* names;
    } cases[] = {
        {red, 50, 0.5, "Square (90°)"},
        {grey, 0.5, 20, "Trine (120°)"},
        {grey, 1.4, 20, "Trine (120°)"},    // a pixel beside the thin line
        {grey, 1.6, 20, ""},                // farther off
        {grey, 60, 51.9, "Sextile (60°)"},  // the thick line reaches farther
        {grey, 60, 52.1, ""},
        {grey, 0.5, 50, "Trine (120°) or sextile (60°)"},  // where they cross
        {red, 0.5, 20, ""},                                // a colour no line there has
        {grey, 102.5, 50, ""},                             // beyond the line's end
        {ZDR::RGB(255, 255, 255), 0.5, 20, ""},            // a glyph over the line
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
        EXPECT_EQ(ZDR::WheelLineEnquiryAt(lines, c.color, c.x, c.y), c.names);
    }
}

// A drawn line in words, for the keyboard and a screen reader.
TEST_F(WheelGeometryTest, ADrawnLineReadsAsItsBodiesAndAspect) {
    ZDR::BuildCatalogueNames();
    ZDR::DrawnLine line;
    line.intAspect = 3;
    line.intBody1 = 1;
    line.intBody2 = 5;
    EXPECT_EQ(ZDR::DrawnLineSentence(line), "Sun square Jupiter");
    line.intBody2 = 11;
    EXPECT_EQ(ZDR::DrawnLineSentence(line), "Sun square Ascendant");
    line.intBody2 = 13;
    EXPECT_EQ(ZDR::DrawnLineSentence(line), "");
}

}  // namespace

TEST(WheelGeometry, TheTurnPutsTheAscendantOnTheLeftAndItsLabelInsideTheDisc) {
    const double kPi = 3.14159265358979;
    struct Case {
        double dblAscendant;  // degrees
        bool blnAscendantLeft;
        double dblTurn;  // degrees
    };
    const Case cases[] = {
        {0, true, 180},   {180, true, 0},   {90, true, 90},  {270, true, 270},
        {314.4, true, 225.6}, {15, true, 165}, {200, false, 0}, {359.9, true, 180.1},
    };
    for (const Case& c : cases) {
        const double turn = ZDR::WheelTurn(c.dblAscendant * kPi / 180, c.blnAscendantLeft);
        EXPECT_NEAR(turn * 180 / kPi, c.dblTurn, 1e-9) << c.dblAscendant;
        if (!c.blnAscendantLeft)
            continue;
        // The Ascendant's point lies due left of the centre, in both forms.
        for (const ZDR::WheelLayout* layout : {&ZDR::SingleChartWheel(), &ZDR::TwoChartWheel()}) {
            const ZDR::TwipPoint p =
                ZDR::WheelPoint(*layout, c.dblAscendant * kPi / 180 + turn, 2000);
            EXPECT_EQ(p.x, layout->lngCentreX - 2000);
            EXPECT_EQ(p.y, layout->lngCentreY);
        }
    }
    // Every angle's label lies whole inside the disc and off its line.
    const ZDR::WheelLayout& layout = ZDR::SingleChartWheel();
    for (int degrees = 0; degrees < 360; degrees += 15) {
        const double a = degrees * kPi / 180;
        const ZDR::TwipPoint corner = ZDR::AngleLabelCorner(layout, a, 1100, 200);
        for (int dx : {0, 1100})
            for (int dy : {0, 200})
                EXPECT_LE(std::hypot(corner.x + dx - 3000.0, corner.y + dy - 3000.0), 2950)
                    << degrees;
        // Samples of the line from the rim inwards stay out of the box.
        for (double r = 1300; r <= 2950; r += 10) {
            const ZDR::TwipPoint p = ZDR::WheelPoint(layout, a, r);
            EXPECT_FALSE(p.x > corner.x && p.x < corner.x + 1100 && p.y > corner.y &&
                         p.y < corner.y + 200)
                << degrees << " at " << r;
        }
    }
}
