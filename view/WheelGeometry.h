#pragma once
// The chart wheel without the drawing: its two forms in twips, longitudes as points on the
// wheel, the glyph boxes the free-spot test samples, the aspect lines read from the table's
// cells, the legends' texts and places, and the aspects a line's colour names.
//
// Twips: 1/1440 inch, 15 to a pixel of the picture. Angles in radians, 0 at the right,
// growing anticlockwise; y grows downwards.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "astro/CatalogueCounts.h"
#include "engine/AspectTable.h"

namespace ZDR {

// One form of the wheel, twips: the picture's size, the centre, the black disc, the spokes,
// the radius a glyph is tried at first, the ring of sign glyphs, and the height of a glyph
// box (its width is lngGlyphBoxWidth for both forms).
struct WheelLayout {
    int32_t lngWidth;
    int32_t lngHeight;
    int32_t lngCentreX;
    int32_t lngCentreY;
    int32_t lngDiscRadius;
    int32_t lngSpokeLength;
    int32_t lngFirstGlyphRadius;
    int32_t lngSignRingRadius;
    int32_t lngGlyphBoxHeight;
};

// The single-chart wheel (6000 x 6000 twips, one ring of bodies) and the two-chart wheel
// (9900 x 6600 twips, both body sets).
const WheelLayout& SingleChartWheel();
const WheelLayout& TwoChartWheel();

// A glyph box reaches lngGlyphHalfSize twips left of and above the body's point; it is
// lngGlyphBoxWidth wide. The free-spot test samples it every lngSampleStep twips. An aspect
// line ends lngLineEndOffset twips right of and below the box's top-left corner.
constexpr int32_t lngGlyphHalfSize = 150;
constexpr int32_t lngGlyphBoxWidth = 250;
constexpr int32_t lngSampleStep = 10;
constexpr int32_t lngLineEndOffset = 120;
// A glyph that finds no free spot moves inwards to dblGlyphRadiusShrink times its radius;
// below dblSmallestGlyphRadius twips there is no room left.
constexpr double dblGlyphRadiusShrink = 0.99;
constexpr double dblSmallestGlyphRadius = 100.0;
// The legends' line height, twips.
constexpr int32_t lngLegendLineHeight = 210;

// Colours of the wheel (red + 256 green + 65536 blue): the picture's background, the
// spokes (a free spot may hold only black and this colour), the ring's retrograde glyphs of
// the first body set, and the second set's glyphs, dark and (retrograde) blue.
constexpr double dblWheelBackColor = RGB(224, 224, 224);
constexpr double dblSpokeColor = RGB(64, 64, 64);
constexpr double dblRetroGlyphColor = RGB(0, 255, 255);
constexpr double dblSecondSetGlyphColor = RGB(32, 32, 32);
constexpr double dblSecondSetRetroColor = RGB(32, 32, 255);

// A point of the picture, twips.
struct TwipPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// Returns the point at longitude lambda (radians) and distance r (twips) from the centre,
// each coordinate rounded to the nearest twip.
TwipPoint WheelPoint(const WheelLayout& layout, double lambda, double r);

// Returns the top-left corner of the glyph box of a body whose point is p (twips).
TwipPoint GlyphCorner(TwipPoint p);

// Returns the pixels, inclusive, that the free-spot test samples in the glyph box whose
// top-left corner is corner (twips): lngGlyphBoxWidth wide and lngBoxHeight tall, sampled
// every lngSampleStep twips, which reaches every pixel of the box.
void GlyphBoxPixels(TwipPoint corner, int32_t lngBoxHeight, int32_t& left, int32_t& top,
                    int32_t& right, int32_t& bottom);

// Returns the end of spoke d = 0..11 (at d x 30 degrees, plus turn radians), twips, not
// rounded, in x and y.
void SpokeEnd(const WheelLayout& layout, int16_t d, double& x, double& y, double turn = 0.0);

// Returns the middle of the ring sector of sign g = 0..11 (Aries..Pisces), turned by turn
// radians, twips, not rounded, in x and y: the sign glyph is drawn there.
void SignRingPoint(const WheelLayout& layout, int16_t g, double& x, double& y,
                   double turn = 0.0);

// The houses of a chart with a place on its wheel: the cusp lines run from the disc's rim
// in to lngCuspInnerRadius, the house numbers stand on the ring of lngHouseRingRadius (twips).
constexpr int32_t lngCuspInnerRadius = 1300;
constexpr int32_t lngHouseRingRadius = 1100;
// An angle's label keeps lngAngleLabelGap twips from its line and from the disc's rim.
constexpr int32_t lngAngleLabelGap = 45;

// Returns the turn (radians) added to every longitude on a wheel with houses: the one that
// puts ascendant (radians) on the left with blnAscendantLeft, otherwise 0 (0 degrees Aries on
// the right, as on every wheel without a place). In [0, 2 pi).
double WheelTurn(double ascendant, bool blnAscendantLeft);

// Returns the top-left corner (twips) of the label of an angle whose line runs at angle a
// (radians on the wheel, turn included) from the rim: a box width x height (twips) beside
// the line, on the side the line leaves free, as near the rim as the disc holds it whole.
TwipPoint AngleLabelCorner(const WheelLayout& layout, double a, int32_t width, int32_t height);

// Returns the point (twips, not rounded) where the number of the house from cusp from to
// cusp to (longitudes, radians) stands: midway between them, turned by turn, on the ring of
// lngHouseRingRadius.
void HouseNumberPoint(const WheelLayout& layout, double from, double to, double turn, double& x,
                      double& y);

// Twips in one pixel of the wheel's picture.
constexpr int32_t lngWheelTwipsPerPixel = 15;

// Returns the pixel (lngWheelTwipsPerPixel twips a pixel, counted from 0) that holds the
// point at t twips.
int32_t TwipsToPixel(int32_t t);

// One aspect line of the wheel: bodies b1 (second set in the two-chart wheel) and b2 (first
// set), aspect k 1..7, drawn bold when its cell is bold.
struct WheelLine {
    int16_t intBody1 = 0;
    int16_t intBody2 = 0;
    int16_t intAspect = 0;
    bool blnBold = false;
};

// What decides which lines a wheel shows besides the table: the display colour of each
// aspect 1..7 (0 draws no line), whether aspects of the inner bodies (Sun to Mars) are
// shown, and whether the transiting Moon takes part (two-chart wheel, first set only).
struct WheelLineOptions {
    double dblAspectColor[intAspectSlots] = {};
    bool blnShowInnerPlanetAspects = true;
    bool blnIncludeTransitingMoon = true;
};

// Returns the bodies an aspect cell at row, column joins: single chart b1 = row - 1 and
// b2 = column + 1; two charts b1 = row - 1 (second set) and b2 = column - 1 (first set);
// 11 and 12 are the angles of a table with them. false for a cell outside the aspect cells
// of that layout.
bool WheelLineBodies(int16_t intRow, int16_t intCol, bool blnTwoChart, int16_t& intBody1,
                     int16_t& intBody2);

// Returns the lines of the wheel in cell order: for every aspect cell and every aspect k
// whose abbreviation (udtAspect, current language) occurs in its text and whose colour is
// not 0, unless an inner body takes part while those aspects are hidden, or (two charts)
// the cell is in the transiting Moon's column while the Moon is left out.
std::vector<WheelLine> WheelAspectLines(const AspectTable& table, bool blnTwoChart,
                                        const WheelLineOptions& options);

// Returns the aspects a line of colour color names, the right-click's answer: the labels
// (udtAspect strLabel) of every aspect 1..7 of that display colour, joined by " or ", in
// lower case with the first letter a capital ("Square (90°) or trine (120°)"). "" for black,
// the background, the second set's blue, white, or a colour no aspect has.
std::string WheelLineEnquiry(double color, const double (&dblAspectColor)[intAspectSlots]);
// A line as a wheel draws it: its aspect 1..7, the bodies it joins, its colour value, its
// ends and its width (pixels of the picture).
struct DrawnLine {
    int16_t intAspect = 0;
    int16_t intBody1 = 0;  // the bodies it joins: 1..10
    int16_t intBody2 = 0;
    double dblColor = 0;
    double dblX1 = 0, dblY1 = 0, dblX2 = 0, dblY2 = 0;
    int intWidth = 1;
};

// Returns the right-click's answer at point x, y (pixels) of a wheel whose colour there is
// color: the aspects of the drawn lines of that colour that pass through the point (within
// half their width and a pixel), named and joined as WheelLineEnquiry names them; "" when no
// line of that colour passes there, or for black, the background, the second set's blue
// and white. The lines are told apart by where they run, so lines of one colour (all of
// them grey while colour is off) each name their own aspect.
std::string WheelLineEnquiryAt(const std::vector<DrawnLine>& lines, double color, double x,
                               double y);
// The title of that answer's message.
std::string WheelLineEnquiryTitle();

// Returns a drawn line as words in the current language: "Sun square Jupiter".
std::string DrawnLineSentence(const DrawnLine& line);

// The legends of a wheel: the lines of legend A (what the lines mean) and of the mode's
// second legend (what the glyph colours mean), each with the left edge of its lines.
struct WheelLegends {
    std::vector<std::string> strLinesA;
    int32_t lngLeftA = 0;  // twips
    std::vector<std::string> strLinesSecond;
    int32_t lngLeftSecond = 0;
};

// Returns the legends of mode 1..6 in the current language: A, then D in the single-chart
// modes, C in synastry, B in the personal-transit modes. Without blnUseColor legend A says
// that the lines are all grey.
WheelLegends WheelLegendTexts(int16_t intModeCode, bool blnUseColor);

// One row of a legend as it is printed: its text and the top-left corner of the text, twips.
struct LegendRow {
    std::string strText;
    int32_t lngLeft = 0;
    int32_t lngTop = 0;
};

// A margin of lngLegendMargin twips stays free between a legend and the disc or the
// picture's edge.
constexpr int32_t lngLegendMargin = 45;

// Returns the rows of a legend whose lines begin at left (twips) in the top corner of the
// picture, lngLegendLineHeight apart, laid out so that no text reaches into the disc: a
// legend left of the centre moves left (down to the margin) when that lets its lines stand
// whole; otherwise lines are broken at blanks to fit the room beside the disc on each row,
// and from the first line that takes more than two rows in the top corner on, the legend
// continues in the bottom corner of the same side.
// measure gives the width of a text in twips.
std::vector<LegendRow> LayOutLegend(const WheelLayout& layout,
                                    const std::vector<std::string>& lines, int32_t left,
                                    const std::function<int32_t(const std::string&)>& measure);

}  // namespace ZDR
