#pragma once
// The transit graphic drawn into a picture: the life of one personal transit, time running
// downwards past the date labels, the distance from the exact aspect point across, the
// curve in the zodiac in force (in the aspect's colour) and in the other zodiac (grey). The
// main window, the image export and zodarc-cli chart --transit all draw it here.

#include <QImage>
#include <QPainter>
#include <cstdint>
#include <string>

#include "engine/CellExplanation.h"
#include "engine/ConfigOptions.h"
#include "view/TransitGeometry.h"

namespace view {

// What the graphic shows: natal body b1 and transiting body b2 (1..10), aspect k (1..7),
// the world date's timezone (minutes east of Greenwich), the aspect's first and last day
// (whole local days), the natal and world moments as JD (UT) and local day, the orb of
// the scale (radians), the curve's colour value, the zodiac in force and the pixel size in
// twips (12..15; any other value counts as 15). The caption below the plot names them.
struct TransitGraphicInput {
    int16_t intNatalBody = 1;
    double dblNatalLongitude = -1;  // a natal angle's longitude (radians); negative for a body
    int16_t intTransitBody = 1;
    int16_t intAspect = 1;
    int intTimezoneMinutes = 0;
    double dblStartDay = 0;
    double dblEndDay = 0;
    double dblNatalJD = 0;
    double dblNatalDay = 0;
    double dblWorldJD = 0;
    double dblWorldDay = 0;
    double dblOrb = 0;
    double dblCurveColor = 0;
    bool blnSidereal = false;
    int intPixelSize = 15;
};

// Returns the input of the graphic of a personal transit of mode 4 or 5 computed at the
// JDs (UT) dblChartAJD: the bodies, aspect and days of timing, the world date's timezone
// worldZone and the natal date's natalZone (minutes east of Greenwich); the orb of its
// aspect in personal transits, the curve's colour (the aspect's, or the neutral one when
// "Use color" is unticked) and the zodiac from options.
TransitGraphicInput TransitInputOf(const ZDR::CellTiming& timing, int16_t intModeCode,
                                   const double (&dblChartAJD)[3], int worldZone, int natalZone,
                                   const ZDR::ChartOptions& options);

// The drawn graphic: the picture (10950 x 6600 twips in pixels of the pixel size), the
// scale the right-click reads, and the current date row (0..28).
struct TransitGraphicPicture {
    QImage imgPicture;
    ZDR::TransitEnquiryScale udtScale;
    int16_t intCurrentRow = 0;
};

// Draws the transit graphic of input into the returned picture, or, given a painter, on
// the painter in the picture's pixels (its transform maps them onto its device), leaving
// the picture black.
TransitGraphicPicture DrawTransitGraphic(const TransitGraphicInput& input,
                                         QPainter* painter = nullptr);

}  // namespace view
