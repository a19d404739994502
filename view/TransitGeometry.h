#pragma once
// The transit graphic without the drawing: the course of one personal transit over its
// whole life, time running downwards from the local midnight that begins the aspect's first
// day to the one that ends its last day, the distance from the exact aspect point across,
// one orb to either side of the axis. Here are its geometry, the date labels and the
// current row, the tick values, the curve's pixels, the captions and the answer of the
// right-click on a point. The exact point and the curve's samples are in
// engine/TransitCurve.
//
// Pixels are those of the picture; p is the pixel size in twips. Horizontal positions and
// the grid are laid out in pixels, the plot rows in steps of 15 twips. Days are local day
// numbers (JDN + fraction of the day) of the world date's timezone; a JD is in UT.

#include <cstdint>
#include <string>

namespace ZDR {

// The picture's place and size beside the table, twips.
constexpr int32_t lngTransitLeft = 750;
constexpr int32_t lngTransitWidth = 10950;
constexpr int32_t lngTransitHeight = 6600;
// Pixels: the grid's left end, one orb's width, the axis of the exact aspect, the ticks.
constexpr int16_t intTransitLeftMargin = 120;
constexpr int16_t intTransitHalfWidth = 300;
constexpr int16_t intTransitAxis = intTransitLeftMargin + intTransitHalfWidth;
constexpr int16_t intTransitTickSpacing = 40;
constexpr int16_t intTransitTicks = 7;
// The date labels: 29 rows, 14 pixels apart, the first at 21.
constexpr int16_t intTransitLabelRows = 29;
constexpr int16_t intTransitLabelRowStep = 14;
constexpr int16_t intTransitFirstLabelRow = 21;
// The plot: 392 steps of 15 twips from 315 to 6195 twips, one point a step and one more.
constexpr int16_t intTransitPlotSteps = 392;
constexpr int32_t lngTransitPlotTop = 315;
constexpr int32_t lngTransitPlotStep = 15;
constexpr int32_t lngTransitPlotBottom =
    lngTransitPlotTop + intTransitPlotSteps * lngTransitPlotStep;
// The tick labels' height and the caption's distance below the last plot row, in twips
// and in pixels.
constexpr int32_t lngTransitTickLabelTop = 30;
constexpr int16_t intTransitCaptionGap = 7;

// Returns the local day (JDN of the local civil date + fraction of the day) of jd (UT) in a
// zone tzMinutes east of Greenwich.
double TransitLocalDay(double jd, int tzMinutes);

// Returns the pixel size p in twips: 12 to 15 as given, any other value 15.
int16_t TransitPixelSize(int p);

// Returns the days the graphic spans from start day to end day (both whole local days
// inclusive): (end + 1) - start.
double TransitSpan(double startDay, double endDay);

// Returns the local day of date label row r (0..28): start day + r x span / 28.
double TransitLabelDay(double startDay, double endDay, int16_t r);

// Returns the current label row: the first whose day lies after worldDay less half a label
// step; 0 when none does.
int16_t TransitCurrentRow(double startDay, double endDay, double worldDay);

// Returns the y (pixels) of label row r: 14 r + 21.
int32_t TransitLabelRowY(int16_t r);

// Returns the value of tick m (1..7) for an orb (radians): m x orb / 7.5, radians.
double TransitTickValue(int16_t m, double orb);

// Returns the duration of one plot step, days: span / 392.
double TransitPlotStep(double startDay, double endDay);

// Returns the JD (UT) of the local midnight that begins the start day, in a timezone
// tzMinutes east of Greenwich: whole start day - tzMinutes / 1440 - 0.5.
double TransitPlotStartJD(double startDay, int tzMinutes);

// Returns the y (twips) of plot row n (0..392): 315 + 15 n.
int32_t TransitPlotRowY(int16_t n);

// Returns the x (pixels, not rounded) of a point at signed distance d from the exact point
// for an orb (radians): d / orb x 300 + 420.
double TransitCurveX(double d, double orb);

// What the right-click on the graphic needs: the start day, the plot step (days), the orb
// (radians) and the pixel size in twips.
struct TransitEnquiryScale {
    double dblStartDay = 0;
    double dblPlotStep = 0;
    double dblOrb = 0;
    int16_t intPixelSize = 15;
};

// Returns whether a point of colour color (red + 256 green + 65536 blue) at x, y (twips)
// is one the right-click tells about: not black, right of the grid's left end, within the
// plot rows. Then sets day (local day of its plot row) and exactness (radians, >= 0: its
// distance from the axis in orbs).
bool TransitPointAt(const TransitEnquiryScale& scale, double color, int32_t x, int32_t y,
                    double& day, double& exactness);

// Returns the message of the right-click: text #348, a line break and text #349 with the
// date and time of day (local day) and the exactness (radians, degrees and minutes).
std::string TransitPointMessage(double day, double exactness);
// Returns its title, text #350.
std::string TransitPointTitle();

// Returns a date label: the date of the local day with "-" between its parts, a blank and
// the time of day, "2024-03-10 21:30".
std::string TransitLabelText(double day);

// Returns the caption of the graphic of aspect k (1..7) of transiting body b2 to natal body
// b1, in the current language, with the orb (radians) and the zodiac in force: "Transiting
// Saturn in square to natal Sun (1970-05-17), orb 3°20', tropical zodiac"; the natal date
// is that of the natal local day.
std::string TransitCaption(int16_t b1, int16_t b2, int16_t k, double orb, bool blnSidereal,
                           double natalDay);

}  // namespace ZDR
