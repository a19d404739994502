#include "view/TransitGraphic.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "astro/CatalogueCounts.h"
#include "engine/Angles.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "engine/TransitCurve.h"
#include "support/PictureSupport.h"

namespace view {

namespace {

const char* const kLabelFontName = "Courier New";
constexpr double kLabelPoints = 8.0;
const QColor kGridColor(64, 64, 64);
const QColor kOtherZodiacColor(128, 128, 128);

// Prints text with its top-left corner at x, y (pixels), the font's ascent below it.
void PrintAt(QPainter& painter, const QString& text, double x, double y, double ascent) {
    painter.drawText(QPointF(x, y + ascent), text);
}

// Plots the points of a curve whose distance lies within the orb, the rows at their twips,
// each joined to the one before it when that lies within the orb too, with a pen of width
// pixels.
void PlotCurve(QPainter& painter, const ZDR::TransitCurve& curve, double orb, int16_t p,
               const QColor& color, int width) {
    painter.setPen(QPen(color, width));
    bool blnJoined = false;
    QPoint previous;
    for (int16_t n = 0; n <= ZDR::intTransitPlotSteps; ++n) {
        const double d = curve.dblDistance[n];
        if (std::fabs(d) > orb) {
            blnJoined = false;
            continue;
        }
        const QPoint point(
            static_cast<int>(std::lround(ZDR::TransitCurveX(d, orb))),
            static_cast<int>(std::lround(ZDR::TransitPlotRowY(n) / static_cast<double>(p))));
        if (blnJoined)
            painter.drawLine(previous, point);
        else
            painter.drawPoint(point);
        previous = point;
        blnJoined = true;
    }
}

}  // namespace

TransitGraphicInput TransitInputOf(const ZDR::CellTiming& timing, int16_t intModeCode,
                                   const double (&dblChartAJD)[3], int worldZone, int natalZone,
                                   const ZDR::ChartOptions& chartOptions) {
    const ZDR::ConfigOptions& options = chartOptions.udtConfig;
    TransitGraphicInput input;
    input.intNatalBody = timing.intFirst;
    input.dblNatalLongitude = timing.dblNatalLongitude;
    input.intTransitBody = timing.intSecond;
    input.intAspect = timing.intAspect;
    input.intTimezoneMinutes = worldZone;
    input.dblStartDay = timing.dblBegin;
    input.dblEndDay = timing.dblEnd;
    input.dblNatalJD = dblChartAJD[intModeCode == ZDR::intModePersonal2 ? 2 : 1];
    input.dblNatalDay = ZDR::TransitLocalDay(input.dblNatalJD, natalZone);
    input.dblWorldJD = dblChartAJD[0];
    input.dblWorldDay = ZDR::TransitLocalDay(input.dblWorldJD, worldZone);
    const int16_t k = timing.intAspect >= 1 && timing.intAspect <= ZDR::intCatalogueAspects
                          ? timing.intAspect
                          : 0;
    input.dblOrb = chartOptions.dblOrb[k][1];
    input.dblCurveColor = ZDR::AspectColorShown(k, options);
    input.blnSidereal = options.blnSidereal;
    return input;
}

TransitGraphicPicture DrawTransitGraphic(const TransitGraphicInput& input, QPainter* device) {
    TransitGraphicPicture result;
    const int16_t p = ZDR::TransitPixelSize(input.intPixelSize);
    const double orb = input.dblOrb;
    result.imgPicture =
        QImage(static_cast<int>(std::lround(ZDR::lngTransitWidth / static_cast<double>(p))),
               static_cast<int>(std::lround(ZDR::lngTransitHeight / static_cast<double>(p))),
               QImage::Format_RGB32);
    result.imgPicture.fill(Qt::black);
    result.udtScale.dblStartDay = input.dblStartDay;
    result.udtScale.dblPlotStep = ZDR::TransitPlotStep(input.dblStartDay, input.dblEndDay);
    result.udtScale.dblOrb = orb;
    result.udtScale.intPixelSize = p;
    result.intCurrentRow =
        ZDR::TransitCurrentRow(input.dblStartDay, input.dblEndDay, input.dblWorldDay);

    QPainter own;
    if (!device)
        own.begin(&result.imgPicture);
    QPainter& painter = device ? *device : own;
    painter.save();
    if (device)
        painter.fillRect(QRectF(QPointF(0, 0), result.imgPicture.size()), Qt::black);
    QFont font(QString::fromLatin1(kLabelFontName));
    font.setPointSizeF(kLabelPoints);
    painter.setFont(support::FontOnDevice(font, painter));
    // The texts are placed in the picture's pixels, whatever the device.
    const QFontMetricsF metrics(font);
    const double textHeight = metrics.height();
    const double ascent = metrics.ascent();

    // The date labels, each on its grid line, and the grid.
    const int left = ZDR::intTransitLeftMargin;
    const int right = ZDR::intTransitAxis + ZDR::intTransitHalfWidth;
    for (int16_t r = 0; r < ZDR::intTransitLabelRows; ++r) {
        const int y = ZDR::TransitLabelRowY(r);
        painter.setPen(Qt::white);
        PrintAt(painter,
                support::Q(ZDR::TransitLabelText(
                    ZDR::TransitLabelDay(input.dblStartDay, input.dblEndDay, r))),
                0, y - textHeight / 2.0, ascent);
        painter.setPen(r == result.intCurrentRow ? QColor(Qt::white) : kGridColor);
        painter.drawLine(left, y, right, y);
    }

    // The axis of the exact aspect, one point a plot row, and the ticks with their values.
    const double tickTop = ZDR::lngTransitTickLabelTop / static_cast<double>(p);
    painter.setPen(Qt::white);
    PrintAt(painter, support::Q(ZDR::FormatDegMin(0.0)), ZDR::intTransitAxis - 10, tickTop, ascent);
    for (int16_t n = 0; n <= ZDR::intTransitPlotSteps; ++n)
        painter.drawPoint(
            ZDR::intTransitAxis,
            static_cast<int>(std::lround(ZDR::TransitPlotRowY(n) / static_cast<double>(p))));
    const int gridTop = ZDR::TransitLabelRowY(0);
    const int gridBottom = ZDR::TransitLabelRowY(ZDR::intTransitLabelRows - 1);
    for (int16_t m = 1; m <= ZDR::intTransitTicks; ++m) {
        const QString value = support::Q(ZDR::FormatDegMin(ZDR::TransitTickValue(m, orb)));
        for (int side : {1, -1}) {
            const int x = ZDR::intTransitAxis + side * ZDR::intTransitTickSpacing * m;
            painter.setPen(Qt::white);
            PrintAt(painter, value, x - 10, tickTop, ascent);
            painter.setPen(kGridColor);
            painter.drawLine(x, gridTop, x, gridBottom);
        }
    }

    // The curve in the zodiac in force, then in the other one, over the same times.
    const double t0 = ZDR::TransitPlotStartJD(input.dblStartDay, input.intTimezoneMinutes);
    const double step = result.udtScale.dblPlotStep;
    for (bool blnOther : {false, true}) {
        // A natal angle is known in the zodiac in force only.
        if (blnOther && input.dblNatalLongitude >= 0)
            continue;
        const bool zodiac = blnOther ? !input.blnSidereal : input.blnSidereal;
        const double P = ZDR::TransitExactPointIn(input.intNatalBody, input.dblNatalJD,
                                                  input.intTransitBody, input.dblWorldJD,
                                                  input.intAspect, zodiac, input.dblNatalLongitude);
        const ZDR::TransitCurve curve =
            ZDR::ComputeTransitCurve(input.intTransitBody, P, t0, step,
                                     ZDR::intTransitPlotSteps, orb, zodiac);
        PlotCurve(painter, curve, orb, p,
                  blnOther ? kOtherZodiacColor : support::ColorFromValue(input.dblCurveColor),
                  blnOther ? 1 : 2);
    }

    // The caption below the last plot row.
    painter.setPen(Qt::white);
    const std::string caption =
        ZDR::TransitCaption(input.intNatalBody, input.intTransitBody, input.intAspect, orb,
                            input.blnSidereal, input.dblNatalDay);
    PrintAt(painter, support::Q(caption), 0,
            (ZDR::lngTransitPlotBottom + ZDR::intTransitCaptionGap * p) / static_cast<double>(p),
            ascent);
    painter.restore();
    return result;
}

}  // namespace view
