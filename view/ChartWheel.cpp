#include "view/ChartWheel.h"

#include <QFontMetricsF>
#include <QPainter>

#include "astro/CatalogueCounts.h"
#include "engine/Catalogue.h"
#include "engine/Angles.h"
#include "support/PictureSupport.h"
#include "text/Language.h"

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
// The houses: the cusps' and the angles' colours, the angles' line width (pixels), the
// house numbers' size (points) and colour, and the text numbers of ASC, DSC, MC, IC.
constexpr double kCuspColor = ZDR::RGB(150, 150, 150);
constexpr double kAngleColor = ZDR::RGB(255, 255, 255);
constexpr int kAngleWidth = 2;
constexpr double kHouseNumberPoints = 7.0;
constexpr double kHouseNumberColor = ZDR::RGB(170, 170, 170);
constexpr int kTextFirstAngle = 1804;

// Returns the legends' font (Arial 8.25 points, not smoothed), which the angles' labels use
// too.
QFont LegendFont() {
    QFont font(QString::fromLatin1(kLegendFontName));
    font.setPointSizeF(kLegendPoints);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// An angle's label: its text, where its line runs (radians on the wheel) and its box.
struct AngleLabel {
    QString strText;
    double dblAngle = 0;
    TwipPoint udtCorner;
    int32_t lngWidth = 0;
    int32_t lngHeight = 0;
};

// Returns the labels of the four angles of input's houses, laid out beside their lines.
std::vector<AngleLabel> AngleLabels(const ChartWheelInput& input, const WheelLayout& layout) {
    std::vector<AngleLabel> labels;
    if (!input.blnHouses)
        return labels;
    const QFontMetricsF metrics(LegendFont());
    const double longitude[4] = {input.udtHouses.dblAscendant,
                                 ZDR::NormalizeAngle(input.udtHouses.dblAscendant + ZDR::dblPi),
                                 input.udtHouses.dblMidheaven,
                                 ZDR::NormalizeAngle(input.udtHouses.dblMidheaven + ZDR::dblPi)};
    for (int i = 0; i < 4; ++i) {
        AngleLabel label;
        label.strText = support::Q(Language::Text(kTextFirstAngle + i) + " " +
                                   ZDR::FormatSignPosition(longitude[i], false, true));
        label.dblAngle = longitude[i] + input.dblTurn;
        // In whole pixels, so that the free-spot test sees the box as it is.
        label.lngWidth = static_cast<int32_t>(std::ceil(metrics.horizontalAdvance(label.strText))) *
                         ZDR::lngWheelTwipsPerPixel;
        label.lngHeight =
            static_cast<int32_t>(std::ceil(metrics.height())) * ZDR::lngWheelTwipsPerPixel;
        const TwipPoint corner = ZDR::AngleLabelCorner(layout, label.dblAngle, label.lngWidth,
                                                       label.lngHeight);
        label.udtCorner = TwipPoint{ZDR::TwipsToPixel(corner.x) * ZDR::lngWheelTwipsPerPixel,
                                    ZDR::TwipsToPixel(corner.y) * ZDR::lngWheelTwipsPerPixel};
        labels.push_back(label);
    }
    return labels;
}

// The pixel colour of a colour value, as a 32-bit picture holds it (without alpha).
QRgb Rgb(double value) {
    return support::ColorFromValue(value).rgb() & 0xFFFFFF;
}

double Px(double twips) {
    return twips / kTwipsPerPixel;
}

// Returns where text (one glyph symbol) in the painter's font starts, for the middle of its
// ink to lie at x, y (pixels).
QPointF CentredAt(const QPainter& painter, const QString& text, double x, double y) {
    const QRectF ink = QFontMetricsF(painter.font(), painter.device()).tightBoundingRect(text);
    return QPointF(x - ink.x() - ink.width() / 2.0, y - ink.y() - ink.height() / 2.0);
}

// Draws text (one glyph symbol) with the middle of its ink at x, y (pixels).
void DrawCentred(QPainter& painter, const QString& text, double x, double y) {
    painter.drawText(CentredAt(painter, text, x, y), text);
}

// The wheel being drawn. Its glyphs are laid out on a picture of their own, whose unsmoothed
// pixels the free-spot test reads; the wheel is then painted on any painter, in the
// picture's pixels, from the corners found.
class WheelPainter {
  public:
    WheelPainter(const ChartWheelInput& input, ChartWheelPicture& result, QPainter& painter)
        : m_input(input),
          m_result(result),
          m_layout(input.blnTwoChart ? ZDR::TwoChartWheel() : ZDR::SingleChartWheel()),
          m_painter(painter),
          m_blnRaster(support::OnRaster(painter)),
          m_udtLabels(AngleLabels(input, m_layout)) {
        m_glyphFont = support::FontOnDevice(support::SymbolFont(kGlyphPoints), painter);
        m_sharpGlyphFont = m_glyphFont;
        m_sharpGlyphFont.setStyleStrategy(QFont::NoAntialias);
    }

    // Places the glyphs on the layout picture (result's picture, empty before), as far as
    // there is room.
    void LayOut() {
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        DrawDiscAndSpokes();
        // The glyphs keep off the angles' labels.
        for (const AngleLabel& label : m_udtLabels) {
            m_painter.fillRect(LabelRect(label), Qt::white);
            m_result.rctAngleLabels.push_back(LabelRect(label));
        }
        m_result.blnNoRoom =
            !(m_input.blnTwoChart ? PlaceTwoChartGlyphs() : PlaceSingleChartGlyphs());
    }

    // Paints the wheel laid out in result.
    void Paint() {
        m_painter.save();
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.fillRect(QRectF(0, 0, Px(m_layout.lngWidth), Px(m_layout.lngHeight)),
                           support::ColorFromValue(ZDR::dblWheelBackColor));
        DrawDiscAndSpokes();
        DrawCusps();
        if (m_result.blnNoRoom) {
            // As far as it was drawn: the glyphs that found room, as they were placed.
            for (const Placing& placing : m_udtOrder)
                if (placing.blnPrint)
                    PrintGlyph(placing.intBody, placing.intSet, FirstColor(placing.intSet), false);
        } else {
            DrawLines();
            DrawGlyphsAgain();
            DrawSignRingAndCentre();
            DrawHouseNumbersAndLabels();
            PaintLegend(m_painter, m_layout, m_input.udtLegends.strLinesA,
                        m_input.udtLegends.lngLeftA, Qt::black);
            PaintLegend(m_painter, m_layout, m_input.udtLegends.strLinesSecond,
                        m_input.udtLegends.lngLeftSecond, Qt::black);
        }
        m_painter.restore();
    }

    // The order in which the glyphs were placed, and whether each was printed.
    struct Placing {
        int16_t intBody;
        int intSet;
        bool blnPrint;
    };
    std::vector<Placing> m_udtOrder;

  private:
    static QColor FirstColor(int s) { return s == 0 ? QColor(Qt::white) : QColor(Qt::black); }

    void DrawDiscAndSpokes() {
        // Lines one picture pixel wide, on every device.
        m_painter.setPen(QPen(Qt::white, 1));
        m_painter.setBrush(Qt::black);
        const double r = Px(m_layout.lngDiscRadius);
        m_painter.drawEllipse(QPointF(Px(m_layout.lngCentreX), Px(m_layout.lngCentreY)), r, r);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.setPen(QPen(support::ColorFromValue(ZDR::dblSpokeColor), 1));
        for (int16_t d = 0; d < 12; ++d) {
            double x = 0;
            double y = 0;
            ZDR::SpokeEnd(m_layout, d, x, y, m_input.dblTurn);
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
        const double lambda = m_input.dblPos[b][s] + m_input.dblTurn;
        for (double r = m_layout.lngFirstGlyphRadius; r >= ZDR::dblSmallestGlyphRadius;
             r *= ZDR::dblGlyphRadiusShrink) {
            const TwipPoint corner = ZDR::GlyphCorner(ZDR::WheelPoint(m_layout, lambda, r));
            if (!SpotIsFree(corner))
                continue;
            m_result.udtCorner[b][s] = corner;
            m_result.blnPlaced[b][s] = true;
            m_udtOrder.push_back(Placing{b, s, blnPrint});
            if (blnPrint)
                PrintGlyph(b, s, FirstColor(s), false);
            return true;
        }
        return false;
    }

    // Prints the glyph of body b of set s in the middle of its box. The first printing is
    // sharp and one pixel bolder all round, so that the free-spot test finds every pixel the
    // smoothed glyph will cover; the second erases it in black (hiding the lines under the
    // glyph) and prints the glyph smoothed. The second set's glyphs stand on tiles of the
    // background colour that fill their boxes. Off the raster the rim is the glyph's outline
    // drawn broad, so that the glyph itself stays one piece of text.
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
        } else if (m_blnRaster || !blnSmooth) {
            m_painter.setPen(blnSmooth ? QColor(Qt::black) : color);
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    DrawCentred(m_painter, symbol, x + dx, y + dy);
            if (!blnSmooth)
                return;
        } else {
            m_painter.setFont(m_glyphFont);
            support::DrawTextRim(m_painter, CentredAt(m_painter, symbol, x, y), m_glyphFont, symbol,
                                 Qt::black, 2.5);
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
            if (m_input.dblPos[b][0] >= 0 && !PlaceGlyph(b, 0, b != ZDR::bodyMoon || blnMoon))
                return false;
        }
        for (int16_t b = ZDR::intCatalogueBodies; b >= 1; --b) {
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
            TwipPoint a;
            TwipPoint b;
            if (!LineEnd(line.intBody1, s1, a) || !LineEnd(line.intBody2, 0, b))
                continue;
            const double color = m_input.udtLineOptions.dblAspectColor[line.intAspect];
            ZDR::DrawnLine drawn;
            drawn.intAspect = line.intAspect;
            drawn.intBody1 = line.intBody1;
            drawn.intBody2 = line.intBody2;
            drawn.dblColor = color;
            drawn.dblX1 = Px(a.x);
            drawn.dblY1 = Px(a.y);
            drawn.dblX2 = Px(b.x);
            drawn.dblY2 = Px(b.y);
            drawn.intWidth = line.blnBold ? 2 : 1;
            m_painter.setPen(QPen(support::ColorFromValue(color), drawn.intWidth));
            m_painter.drawLine(QPointF(drawn.dblX1, drawn.dblY1),
                               QPointF(drawn.dblX2, drawn.dblY2));
            m_result.udtLines.push_back(drawn);
        }
    }

    // Where an aspect line of body or angle b of set s ends: the middle of the body's glyph,
    // or the inner end of the angle's line; false for a glyph without room or no angle.
    bool LineEnd(int16_t b, int s, TwipPoint& end) const {
        if (b > ZDR::intCatalogueBodies) {
            if (m_input.dblPos[b][s] < 0)
                return false;
            end = ZDR::WheelPoint(m_layout, m_input.dblPos[b][s] + m_input.dblTurn,
                                  ZDR::lngCuspInnerRadius);
            return true;
        }
        if (!m_result.blnPlaced[b][s])
            return false;
        end = TwipPoint{m_result.udtCorner[b][s].x + ZDR::lngLineEndOffset,
                        m_result.udtCorner[b][s].y + ZDR::lngLineEndOffset};
        return true;
    }

    // The glyphs once more, over the lines, in the colours of retrograde motion.
    void DrawGlyphsAgain() {
        const bool blnMoon =
            !m_input.blnTwoChart || m_input.udtLineOptions.blnIncludeTransitingMoon;
        for (int16_t b = m_input.intNumBodies; b >= 1; --b) {
            if (m_result.blnPlaced[b][0] && (b != ZDR::bodyMoon || blnMoon))
                PrintGlyph(
                    b, 0,
                    support::ColorFromValue(m_input.blnRetro[b][0] ? ZDR::dblRetroGlyphColor
                                                                   : ZDR::RGB(255, 255, 255)),
                    true);
        }
        if (!m_input.blnTwoChart)
            return;
        for (int16_t b = ZDR::intCatalogueBodies; b >= 1; --b) {
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
        m_painter.setFont(support::FontOnDevice(support::SymbolFont(kSignPoints), m_painter));
        for (int16_t g = 0; g < 12; ++g) {
            double x = 0;
            double y = 0;
            ZDR::SignRingPoint(m_layout, g, x, y, m_input.dblTurn);
            DrawCentred(m_painter, support::Q(ZDR::GlyphSymbol(ZDR::strSignGlyph[g])), Px(x),
                        Px(y));
        }
        m_painter.setFont(m_glyphFont);
        DrawCentred(m_painter, support::Q(ZDR::GlyphSymbol(ZDR::strBodyGlyph[ZDR::intBodySlots])),
                    Px(m_layout.lngCentreX), Px(m_layout.lngCentreY));
    }

    // The box of an angle's label, pixels.
    static QRectF LabelRect(const AngleLabel& label) {
        return QRectF(Px(label.udtCorner.x), Px(label.udtCorner.y), Px(label.lngWidth),
                      Px(label.lngHeight));
    }

    // Draws the line of a cusp or angle at angle a (radians on the wheel) from the rim in.
    void DrawCuspLine(double a, double color, int width) {
        const ZDR::TwipPoint rim = ZDR::WheelPoint(m_layout, a, m_layout.lngDiscRadius);
        const ZDR::TwipPoint inner = ZDR::WheelPoint(m_layout, a, ZDR::lngCuspInnerRadius);
        m_painter.setPen(QPen(support::ColorFromValue(color), width));
        m_painter.drawLine(QPointF(Px(rim.x), Px(rim.y)), QPointF(Px(inner.x), Px(inner.y)));
    }

    // The twelve cusps, the four angles over them.
    void DrawCusps() {
        if (!m_input.blnHouses)
            return;
        for (int h = 1; h <= 12; ++h)
            DrawCuspLine(m_input.udtHouses.dblCusp[h] + m_input.dblTurn, kCuspColor, 1);
        for (const AngleLabel& label : m_udtLabels)
            DrawCuspLine(label.dblAngle, kAngleColor, kAngleWidth);
    }

    void DrawHouseNumbersAndLabels() {
        if (!m_input.blnHouses)
            return;
        QFont numbers(QString::fromLatin1(kLegendFontName));
        numbers.setPointSizeF(kHouseNumberPoints);
        m_painter.setFont(support::FontOnDevice(numbers, m_painter));
        m_painter.setPen(support::ColorFromValue(kHouseNumberColor));
        for (int h = 1; h <= 12; ++h) {
            double x = 0;
            double y = 0;
            ZDR::HouseNumberPoint(m_layout, m_input.udtHouses.dblCusp[h],
                                  m_input.udtHouses.dblCusp[h % 12 + 1], m_input.dblTurn, x, y);
            DrawCentred(m_painter, QString::number(h), Px(x), Px(y));
        }
        m_painter.setFont(support::FontOnDevice(LegendFont(), m_painter));
        m_painter.setPen(support::ColorFromValue(kAngleColor));
        // On black, over any aspect line that crosses the label.
        for (const AngleLabel& label : m_udtLabels) {
            m_painter.fillRect(LabelRect(label), Qt::black);
            m_painter.drawText(LabelRect(label), Qt::AlignCenter, label.strText);
        }
    }

    const ChartWheelInput& m_input;
    ChartWheelPicture& m_result;
    const WheelLayout& m_layout;
    QPainter& m_painter;
    const bool m_blnRaster;
    const std::vector<AngleLabel> m_udtLabels;
    QFont m_glyphFont;
    QFont m_sharpGlyphFont;
};

}  // namespace

ChartWheelInput WheelInputOfResult(const ZDR::ComputeResult& result,
                                   const ZDR::ChartOptions& chartOptions) {
    const ZDR::ConfigOptions& options = chartOptions.udtConfig;
    ChartWheelInput input;
    input.udtTable = &result.udtTable;
    input.blnTwoChart = ZDR::IsTwoChartMode(result.intModeCode);
    for (int b = 0; b < ZDR::intPointSlots; ++b) {
        for (int s = 0; s < 2; ++s) {
            input.dblPos[b][s] = input.blnTwoChart || s == 0 ? result.dblPos[b][s] : -1;
            if (b < ZDR::intBodySlots)
                input.blnRetro[b][s] = result.blnRetro[b][s];
        }
    }
    input.intNumBodies = result.intNumBodies;
    for (int16_t k = 0; k < ZDR::intAspectSlots; ++k)
        input.udtLineOptions.dblAspectColor[k] = ZDR::AspectColorShown(k, options);
    input.udtLineOptions.blnShowInnerPlanetAspects = !options.blnSuppressInnerPlanetAspects;
    input.udtLineOptions.blnIncludeTransitingMoon = options.blnIncludeTransitingMoon;
    input.udtLegends = ZDR::WheelLegendTexts(result.intModeCode, options.blnUseColor);
    return input;
}

int16_t WheelHouseSet(int16_t mode) {
    switch (mode) {
        case ZDR::intModeNatal1:
        case ZDR::intModePersonal1:
            return 1;
        case ZDR::intModeWorldTransits:
            return 0;
        default:
            return 2;
    }
}

void SetWheelHouses(ChartWheelInput& input, const Places::Houses& houses, bool blnAscendantLeft) {
    input.blnHouses = true;
    input.udtHouses = houses;
    input.dblTurn = ZDR::WheelTurn(houses.dblAscendant, blnAscendantLeft);
}

ChartWheelPicture DrawChartWheel(const ChartWheelInput& input, QPainter* painter) {
    const WheelLayout& layout = input.blnTwoChart ? ZDR::TwoChartWheel() : ZDR::SingleChartWheel();
    ChartWheelPicture wheel;
    wheel.imgPicture =
        QImage(static_cast<int>(layout.lngWidth / kTwipsPerPixel),
               static_cast<int>(layout.lngHeight / kTwipsPerPixel), QImage::Format_RGB32);
    wheel.imgPicture.fill(support::ColorFromValue(ZDR::dblWheelBackColor));
    std::vector<WheelPainter::Placing> order;
    {
        QPainter layoutPainter(&wheel.imgPicture);
        WheelPainter laying(input, wheel, layoutPainter);
        laying.LayOut();
        order = laying.m_udtOrder;
    }
    QPainter own;
    if (!painter) {
        own.begin(&wheel.imgPicture);
        painter = &own;
    }
    WheelPainter painting(input, wheel, *painter);
    painting.m_udtOrder = order;
    painting.Paint();
    return wheel;
}

void PaintLegend(QPainter& painter, const ZDR::WheelLayout& layout,
                 const std::vector<std::string>& lines, int32_t left, const QColor& color) {
    if (lines.empty())
        return;
    const QFont font = LegendFont();
    // Laid out in the picture's pixels, whatever the device.
    const QFontMetricsF metrics(font);
    const auto measure = [&metrics](const std::string& text) {
        return static_cast<int32_t>(
            std::ceil(metrics.horizontalAdvance(support::Q(text)) * kTwipsPerPixel));
    };
    painter.save();
    painter.setFont(support::FontOnDevice(font, painter));
    painter.setPen(color);
    for (const ZDR::LegendRow& row : ZDR::LayOutLegend(layout, lines, left, measure))
        painter.drawText(QPointF(Px(row.lngLeft), Px(row.lngTop) + metrics.ascent()),
                         support::Q(row.strText));
    painter.restore();
}

void PrintLegend(QImage& picture, const ZDR::WheelLayout& layout,
                 const std::vector<std::string>& lines, int32_t left, const QColor& color) {
    QPainter painter(&picture);
    PaintLegend(painter, layout, lines, left, color);
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
