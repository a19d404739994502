#include "view/ChartWheel.h"

#include <QFontMetricsF>
#include <QPainter>

#include "engine/Catalogue.h"
#include "engine/EngineTables.h"
#include "support/PictureSupport.h"

namespace view {

namespace {

using ZDR::TwipPoint;
using ZDR::WheelLayout;

constexpr double kTwipsPerPixel = ZDR::lngWheelTwipsPerPixel;
// Font sizes, points: the body and centre glyphs, the sign ring, the legends.
constexpr double kGlyphPoints = 14.0;
constexpr double kSignPoints = 8.0;
constexpr double kLegendPoints = 8.25;
const char* const kLegendFontName = "Arial";

// The pixel colour of a colour value, as a 32-bit picture holds it (without alpha).
QRgb Rgb(double value) {
    return support::ColorFromValue(value).rgb() & 0xFFFFFF;
}

double Px(double twips) {
    return twips / kTwipsPerPixel;
}

// Draws text (one glyph symbol) with the middle of its ink at x, y (pixels).
void DrawCentred(QPainter& painter, const QString& text, double x, double y) {
    const QRectF ink = QFontMetricsF(painter.font()).tightBoundingRect(text);
    painter.drawText(QPointF(x - ink.x() - ink.width() / 2.0, y - ink.y() - ink.height() / 2.0),
                     text);
}

// The wheel being drawn: the picture, its painter and the fonts.
class WheelPainter {
  public:
    WheelPainter(const ChartWheelInput& input, ChartWheelPicture& result)
        : m_input(input),
          m_result(result),
          m_layout(input.blnTwoChart ? ZDR::TwoChartWheel() : ZDR::SingleChartWheel()) {
        m_result.imgPicture =
            QImage(static_cast<int>(m_layout.lngWidth / kTwipsPerPixel),
                   static_cast<int>(m_layout.lngHeight / kTwipsPerPixel), QImage::Format_RGB32);
        m_result.imgPicture.fill(support::ColorFromValue(ZDR::dblWheelBackColor));
        m_glyphFont = support::SymbolFont(kGlyphPoints);
        m_sharpGlyphFont = m_glyphFont;
        m_sharpGlyphFont.setStyleStrategy(QFont::NoAntialias);
    }

    void Draw() {
        m_painter.begin(&m_result.imgPicture);
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        DrawDiscAndSpokes();
        if (m_input.blnTwoChart ? PlaceTwoChartGlyphs() : PlaceSingleChartGlyphs()) {
            DrawLines();
            DrawGlyphsAgain();
            DrawSignRingAndCentre();
            PrintLegends();
        } else {
            m_result.blnNoRoom = true;
        }
        m_painter.end();
    }

  private:
    void DrawDiscAndSpokes() {
        m_painter.setPen(QPen(Qt::white, 0));
        m_painter.setBrush(Qt::black);
        const double r = Px(m_layout.lngDiscRadius);
        m_painter.drawEllipse(QPointF(Px(m_layout.lngCentreX), Px(m_layout.lngCentreY)), r, r);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.setPen(QPen(support::ColorFromValue(ZDR::dblSpokeColor), 0));
        for (int16_t d = 0; d < 12; ++d) {
            double x = 0;
            double y = 0;
            ZDR::SpokeEnd(m_layout, d, x, y);
            m_painter.drawLine(QPointF(Px(m_layout.lngCentreX), Px(m_layout.lngCentreY)),
                               QPointF(Px(x), Px(y)));
        }
    }

    // Whether the glyph box at corner holds only black and the spoke colour.
    bool SpotIsFree(TwipPoint corner) const {
        int32_t left = 0;
        int32_t top = 0;
        int32_t right = 0;
        int32_t bottom = 0;
        ZDR::GlyphBoxPixels(corner, m_layout.lngGlyphBoxHeight, left, top, right, bottom);
        const QImage& picture = m_result.imgPicture;
        if (left < 0 || top < 0 || right >= picture.width() || bottom >= picture.height())
            return false;
        const QRgb spoke = Rgb(ZDR::dblSpokeColor);
        for (int32_t y = top; y <= bottom; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            for (int32_t x = left; x <= right; ++x) {
                const QRgb c = line[x] & 0xFFFFFF;
                if (c != 0 && c != spoke)
                    return false;
            }
        }
        return true;
    }

    // Finds a free spot for body b of set s, from the first radius inwards, and prints its
    // glyph there when blnPrint. Returns false when there is no room.
    bool PlaceGlyph(int16_t b, int s, bool blnPrint) {
        const double lambda = m_input.dblPos[b][s];
        for (double r = m_layout.lngFirstGlyphRadius; r >= ZDR::dblSmallestGlyphRadius;
             r *= ZDR::dblGlyphRadiusShrink) {
            const TwipPoint corner = ZDR::GlyphCorner(ZDR::WheelPoint(m_layout, lambda, r));
            if (!SpotIsFree(corner))
                continue;
            m_result.udtCorner[b][s] = corner;
            m_result.blnPlaced[b][s] = true;
            if (blnPrint)
                PrintGlyph(b, s, s == 0 ? QColor(Qt::white) : QColor(Qt::black), false);
            return true;
        }
        return false;
    }

    // Prints the glyph of body b of set s in the middle of its box. The first printing is
    // sharp and one pixel bolder all round, so that the free-spot test finds every pixel the
    // smoothed glyph will cover; the second erases it in black (hiding the lines under the
    // glyph) and prints the glyph smoothed. The second set's glyphs stand on tiles of the
    // background colour that fill their boxes.
    void PrintGlyph(int16_t b, int s, const QColor& color, bool blnSmooth) {
        const TwipPoint corner = m_result.udtCorner[b][s];
        const QString symbol = support::Q(ZDR::GlyphSymbol(ZDR::strBodyGlyph[b]));
        const double x = Px(corner.x + ZDR::lngGlyphBoxWidth / 2.0);
        const double y = Px(corner.y + m_layout.lngGlyphBoxHeight / 2.0);
        m_painter.setFont(m_sharpGlyphFont);
        if (s == 1) {
            int32_t left = 0;
            int32_t top = 0;
            int32_t right = 0;
            int32_t bottom = 0;
            ZDR::GlyphBoxPixels(corner, m_layout.lngGlyphBoxHeight, left, top, right, bottom);
            m_painter.fillRect(QRect(left, top, right - left + 1, bottom - top + 1),
                               support::ColorFromValue(ZDR::dblWheelBackColor));
        } else {
            m_painter.setPen(blnSmooth ? QColor(Qt::black) : color);
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    DrawCentred(m_painter, symbol, x + dx, y + dy);
            if (!blnSmooth)
                return;
        }
        m_painter.setFont(blnSmooth ? m_glyphFont : m_sharpGlyphFont);
        m_painter.setPen(color);
        DrawCentred(m_painter, symbol, x, y);
    }

    bool PlaceSingleChartGlyphs() {
        for (int16_t b = m_input.intNumBodies; b >= 1; --b) {
            if (m_input.dblPos[b][0] >= 0 && !PlaceGlyph(b, 0, true))
                return false;
        }
        return true;
    }

    bool PlaceTwoChartGlyphs() {
        const bool blnMoon = m_input.udtLineOptions.blnIncludeTransitingMoon;
        for (int16_t b = m_input.intNumBodies; b >= 1; --b) {
            if (m_input.dblPos[b][0] >= 0 && !PlaceGlyph(b, 0, b != 10 || blnMoon))
                return false;
        }
        for (int16_t b = 10; b >= 1; --b) {
            if (m_input.dblPos[b][1] >= 0 && !PlaceGlyph(b, 1, true))
                return false;
        }
        return true;
    }

    void DrawLines() {
        if (!m_input.udtTable)
            return;
        const int s1 = m_input.blnTwoChart ? 1 : 0;
        for (const ZDR::WheelLine& line : ZDR::WheelAspectLines(
                 *m_input.udtTable, m_input.blnTwoChart, m_input.udtLineOptions)) {
            if (!m_result.blnPlaced[line.intBody1][s1] || !m_result.blnPlaced[line.intBody2][0])
                continue;
            const double color = m_input.udtLineOptions.dblAspectColor[line.intAspect];
            const TwipPoint a = m_result.udtCorner[line.intBody1][s1];
            const TwipPoint b = m_result.udtCorner[line.intBody2][0];
            ZDR::DrawnLine drawn;
            drawn.intAspect = line.intAspect;
            drawn.dblColor = color;
            drawn.dblX1 = Px(a.x + ZDR::lngLineEndOffset);
            drawn.dblY1 = Px(a.y + ZDR::lngLineEndOffset);
            drawn.dblX2 = Px(b.x + ZDR::lngLineEndOffset);
            drawn.dblY2 = Px(b.y + ZDR::lngLineEndOffset);
            drawn.intWidth = line.blnBold ? 2 : 1;
            m_painter.setPen(QPen(support::ColorFromValue(color), drawn.intWidth));
            m_painter.drawLine(QPointF(drawn.dblX1, drawn.dblY1),
                               QPointF(drawn.dblX2, drawn.dblY2));
            m_result.udtLines.push_back(drawn);
        }
    }

    // The glyphs once more, over the lines, in the colours of retrograde motion.
    void DrawGlyphsAgain() {
        const bool blnMoon =
            !m_input.blnTwoChart || m_input.udtLineOptions.blnIncludeTransitingMoon;
        for (int16_t b = m_input.intNumBodies; b >= 1; --b) {
            if (m_result.blnPlaced[b][0] && (b != 10 || blnMoon))
                PrintGlyph(
                    b, 0,
                    support::ColorFromValue(m_input.blnRetro[b][0] ? ZDR::dblRetroGlyphColor
                                                                   : ZDR::RGB(255, 255, 255)),
                    true);
        }
        if (!m_input.blnTwoChart)
            return;
        for (int16_t b = 10; b >= 1; --b) {
            if (m_result.blnPlaced[b][1])
                PrintGlyph(
                    b, 1,
                    support::ColorFromValue(m_input.blnRetro[b][1] ? ZDR::dblSecondSetRetroColor
                                                                   : ZDR::dblSecondSetGlyphColor),
                    true);
        }
    }

    void DrawSignRingAndCentre() {
        m_painter.setRenderHint(QPainter::TextAntialiasing, true);
        m_painter.setPen(Qt::white);
        m_painter.setFont(support::SymbolFont(kSignPoints));
        for (int16_t g = 0; g < 12; ++g) {
            double x = 0;
            double y = 0;
            ZDR::SignRingPoint(m_layout, g, x, y);
            DrawCentred(m_painter, support::Q(ZDR::GlyphSymbol(ZDR::strSignGlyph[g])), Px(x),
                        Px(y));
        }
        m_painter.setFont(m_glyphFont);
        DrawCentred(m_painter, support::Q(ZDR::GlyphSymbol(ZDR::strBodyGlyph[11])),
                    Px(m_layout.lngCentreX), Px(m_layout.lngCentreY));
    }

    void PrintLegends() {
        m_painter.end();
        const ZDR::WheelLegends& legends = m_input.udtLegends;
        PrintLegend(m_result.imgPicture, m_layout, legends.strLinesA, legends.lngLeftA, Qt::black);
        PrintLegend(m_result.imgPicture, m_layout, legends.strLinesSecond, legends.lngLeftSecond,
                    Qt::black);
        m_painter.begin(&m_result.imgPicture);
    }

    const ChartWheelInput& m_input;
    ChartWheelPicture& m_result;
    const WheelLayout& m_layout;
    QPainter m_painter;
    QFont m_glyphFont;
    QFont m_sharpGlyphFont;
};

}  // namespace

ChartWheelInput WheelInputOfResult(const ZDR::ComputeResult& result,
                                   const ZDR::ConfigOptions& options) {
    ChartWheelInput input;
    input.udtTable = &result.udtTable;
    input.blnTwoChart = ZDR::IsTwoChartMode(result.intModeCode);
    for (int b = 0; b < 11; ++b) {
        for (int s = 0; s < 2; ++s) {
            input.dblPos[b][s] = input.blnTwoChart || s == 0 ? ZDR::dblPos[b][s] : -1;
            input.blnRetro[b][s] = ZDR::blnRetro[b][s];
        }
    }
    input.intNumBodies = ZDR::intNumBodies;
    for (int16_t k = 0; k < 8; ++k)
        input.udtLineOptions.dblAspectColor[k] = ZDR::AspectColorShown(k, options);
    input.udtLineOptions.blnShowInnerPlanetAspects = !options.blnSuppressInnerPlanetAspects;
    input.udtLineOptions.blnIncludeTransitingMoon = options.blnIncludeTransitingMoon;
    input.udtLegends = ZDR::WheelLegendTexts(result.intModeCode, options.blnUseColor);
    return input;
}

ChartWheelPicture DrawChartWheel(const ChartWheelInput& input) {
    ChartWheelPicture result;
    WheelPainter(input, result).Draw();
    return result;
}

void PrintLegend(QImage& picture, const ZDR::WheelLayout& layout,
                 const std::vector<std::string>& lines, int32_t left, const QColor& color) {
    if (lines.empty())
        return;
    QFont font(QString::fromLatin1(kLegendFontName));
    font.setPointSizeF(kLegendPoints);
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetricsF metrics(font);
    const auto measure = [&metrics](const std::string& text) {
        return static_cast<int32_t>(
            std::ceil(metrics.horizontalAdvance(support::Q(text)) * kTwipsPerPixel));
    };
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(color);
    for (const ZDR::LegendRow& row : ZDR::LayOutLegend(layout, lines, left, measure))
        painter.drawText(QPointF(Px(row.lngLeft), Px(row.lngTop) + metrics.ascent()),
                         support::Q(row.strText));
}

double PictureColorAt(const QImage& picture, int x, int y) {
    if (!picture.valid(x, y))
        return -1;
    return support::ValueFromColor(QColor(picture.pixel(x, y)));
}

std::string LineEnquiryAt(const QImage& picture, const std::vector<ZDR::DrawnLine>& lines, int x,
                          int y) {
    const double color = PictureColorAt(picture, x, y);
    // The middle of the pixel is what the lines are measured against.
    return color < 0 ? std::string() : ZDR::WheelLineEnquiryAt(lines, color, x + 0.5, y + 0.5);
}

}  // namespace view
