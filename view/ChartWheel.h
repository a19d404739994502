#pragma once
// The chart wheel drawn into a picture: the black disc with its spokes, the body glyphs at
// their longitudes (moved inwards until their box is free), one line for every aspect the
// table shows, the sign ring, the centre glyph and the legends. The main window, the image
// export, the chart sheet and zodarc-cli chart all draw it here. The picture has 15 twips a
// pixel.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <string>
#include <vector>

#include "astro/CatalogueCounts.h"
#include "engine/Compute.h"
#include "engine/ConfigOptions.h"
#include "places/Houses.h"
#include "view/WheelGeometry.h"

namespace view {

// What the wheel shows: the table whose aspect cells give the lines, the form, the
// longitudes (radians, negative: no position) and retrograde flags of bodies 1..10 of the
// first (0) and second (1) body set, the number of first-set bodies taking part, the line
// options with the colour each aspect's lines are drawn in, and the legends (none when
// their lines are empty).
struct ChartWheelInput {
    const ZDR::AspectTable* udtTable = nullptr;
    bool blnTwoChart = false;
    double dblPos[ZDR::intPointSlots][2] = {};  // the angles 11, 12 end their aspect lines
    bool blnRetro[ZDR::intBodySlots][2] = {};
    int16_t intNumBodies = 10;
    ZDR::WheelLineOptions udtLineOptions;
    ZDR::WheelLegends udtLegends;
    bool blnHouses = false;     // a chart with a place: the cusps, angles and house numbers
    Places::Houses udtHouses;   // of the birthdate of the inner ring (SetWheelHouses)
    double dblTurn = 0;         // radians added to every longitude (ZDR::WheelTurn)
};

// The drawn wheel: the picture (400 x 400 or 660 x 440 pixels), whether a glyph found no
// room (the drawing then ends with that glyph), for each body and set whether its glyph
// was placed and the top-left corner of its box (twips), and the aspect lines drawn.
struct ChartWheelPicture {
    QImage imgPicture;
    bool blnNoRoom = false;
    bool blnPlaced[ZDR::intBodySlots][2] = {};
    ZDR::TwipPoint udtCorner[ZDR::intBodySlots][2];
    std::vector<ZDR::DrawnLine> udtLines;
    std::vector<QRectF> rctAngleLabels;  // the boxes of ASC, DSC, MC, IC (pixels); none without houses
};

// Returns the input of the wheel of the last computation (mode result.intModeCode): its
// table, its positions, retrograde flags and number of bodies, and the legends in
// the current language; the colours the aspects are shown in (ZDR::AspectColorShown), the
// inner-planet display and the transiting Moon from options, the options the computation
// was given.
ChartWheelInput WheelInputOfResult(const ZDR::ComputeResult& result,
                                   const ZDR::ChartOptions& options);

// Returns the date set (1st or 2nd birthdate) whose place gives the houses on the wheel of
// mode: the natal chart's, the rows' birthdate in personal transits and synastry; 0 for
// world transits, which have none.
int16_t WheelHouseSet(int16_t mode);

// Gives input the houses of a chart with a place: its cusps drawn from the rim, its angles
// labelled, its house numbers on a ring, and the wheel turned with the Ascendant on the left
// when blnAscendantLeft.
void SetWheelHouses(ChartWheelInput& input, const Places::Houses& houses, bool blnAscendantLeft);

// Draws the wheel of input. The glyphs are laid out on the returned picture, whose plain
// pixels the free-spot test reads; the wheel is then drawn into that picture, or, given a
// painter, on the painter in the picture's pixels (its transform maps them onto its
// device: a screen at any pixel ratio, an SVG, a PDF page, a printer), and the picture
// keeps only the layout.
ChartWheelPicture DrawChartWheel(const ChartWheelInput& input, QPainter* painter = nullptr);

// Paints a legend's lines on painter, in the wheel picture's pixels of layout, beginning at
// left (twips), in color, laid out beside the disc (ZDR::LayOutLegend); Arial 8.25 points,
// not smoothed, so that printing it again in the background colour takes it away.
void PaintLegend(QPainter& painter, const ZDR::WheelLayout& layout,
                 const std::vector<std::string>& lines, int32_t left, const QColor& color);

// PaintLegend into the wheel picture itself.
void PrintLegend(QImage& picture, const ZDR::WheelLayout& layout,
                 const std::vector<std::string>& lines, int32_t left, const QColor& color);

// Returns the colour value (red + 256 green + 65536 blue) of the picture at pixel x, y;
// -1 outside it.
double PictureColorAt(const QImage& picture, int x, int y);

// Returns the right-click's answer for pixel x, y of a wheel picture whose drawn lines are
// lines: the aspects of the lines of the colour there that run through the pixel
// (ZDR::WheelLineEnquiryAt); "" when it names none.
std::string LineEnquiryAt(const QImage& picture, const std::vector<ZDR::DrawnLine>& lines, int x,
                          int y);

}  // namespace view
