#include "view/ChartSheet.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPdfWriter>
#include <QStringList>
#include <algorithm>

#include "support/PictureSupport.h"
#include "view/TablePainter.h"

namespace view {
namespace {

const char* const kSheetFontName = "Arial";
constexpr double kTitlePoints = 14.0;
constexpr double kDatePoints = 10.0;
constexpr double kCreditPoints = 7.0;
constexpr double kLargestReportPoints = 8.5;
constexpr double kSmallestReportPoints = 5.0;
// The report's letters that the table makes room for, and the table's smallest scale.
constexpr double kReadableReportPoints = 7.0;
constexpr double kSmallestTableScale = 0.4;
// Room between the parts, pixels; the share of the page's height the wheel may take.
constexpr double kGap = 12.0;
constexpr double kWheelShare = 0.40;
// The sheet's margins, millimetres.
constexpr double kMarginMm = 12.0;

QFont SheetFont(double points, bool bold = false) {
    QFont font(QString::fromLatin1(kSheetFontName));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Writes lines one below the other from top, in font; returns the y below them.
double WriteLines(QPainter& painter, const QStringList& lines, const QFont& font, double left,
                  double top, double width) {
    const QFontMetricsF metrics(font);
    painter.setFont(support::FontOnDevice(font, painter));
    for (const QString& line : lines) {
        painter.drawText(QRectF(left, top, width, metrics.height()),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line);
        top += metrics.height();
    }
    return top;
}

// The report's paragraphs flowed through columns: Flow places them at points, and when
// blnDraw draws them. Returns whether all of them found room.
class ReportFlow {
  public:
    ReportFlow(const QStringList& paragraphs, const std::vector<QRectF>& columns)
        : m_paragraphs(paragraphs), m_columns(columns) {}

    bool Flow(QPainter& painter, double points, bool blnDraw) const {
        const QFont font = SheetFont(points);
        const QFontMetricsF metrics(font);
        if (blnDraw)
            painter.setFont(support::FontOnDevice(font, painter));
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        std::size_t column = 0;
        double y = m_columns.empty() ? 0 : m_columns[0].top();
        for (const QString& paragraph : m_paragraphs) {
            // Measured a little narrower than drawn, so that a device of other letter widths
            // wraps no line more.
            double height = metrics.height() / 2.0;
            if (!paragraph.trimmed().isEmpty())
                height = metrics
                             .boundingRect(QRectF(0, 0, m_columns[0].width() * 0.96, 1e6), flags,
                                           paragraph)
                             .height();
            while (column < m_columns.size() && y + height > m_columns[column].bottom()) {
                if (++column < m_columns.size())
                    y = m_columns[column].top();
            }
            if (column >= m_columns.size())
                return false;
            if (blnDraw)
                painter.drawText(
                    QRectF(m_columns[column].left(), y, m_columns[column].width(), height + 2),
                    flags, paragraph);
            y += height;
        }
        return true;
    }

  private:
    QStringList m_paragraphs;
    std::vector<QRectF> m_columns;
};

// Splits the report into its paragraphs, without carriage returns.
QStringList Paragraphs(const std::string& report) {
    QString text = support::Q(report);
    text.remove(QLatin1Char('\r'));
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

}  // namespace

QPageLayout SheetPageLayout(QPageSize::PageSizeId paper) {
    return QPageLayout(QPageSize(paper), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

QPageSize::PageSizeId LocalePaper() {
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                      : QPageSize::A4;
}

void PaintChartSheet(QPainter& painter, const QRectF& page, const ChartSheetInput& input) {
    painter.save();
    painter.fillRect(page, Qt::white);
    painter.setPen(Qt::black);
    const double left = page.left();
    const double width = page.width();

    // The title, the dates; the credit line at the foot.
    double y = WriteLines(painter, {support::Q(input.strTitle)}, SheetFont(kTitlePoints, true),
                          left, page.top(), width);
    QStringList dates;
    for (const std::string& line : input.strDateLines)
        dates << support::Q(line);
    y = WriteLines(painter, dates, SheetFont(kDatePoints), left, y + 4, width) + kGap;
    const double creditHeight = QFontMetricsF(SheetFont(kCreditPoints)).height();
    const double bottom = page.bottom() - creditHeight - kGap / 2;
    painter.setPen(QColor(96, 96, 96));
    WriteLines(painter, {support::Q(input.strCredit)}, SheetFont(kCreditPoints), left,
               page.bottom() - creditHeight, width);
    painter.setPen(Qt::black);

    // The wheel, as large as the width and its share of the height allow; a single wheel
    // stands at the left with the report's first column beside it.
    const ZDR::WheelLayout& layout =
        input.udtWheel.blnTwoChart ? ZDR::TwoChartWheel() : ZDR::SingleChartWheel();
    const QSizeF wheelSize(layout.lngWidth / double(support::intTwipsPerPixel),
                           layout.lngHeight / double(support::intTwipsPerPixel));
    const double wheelScale =
        std::min(width / wheelSize.width(), page.height() * kWheelShare / wheelSize.height());
    const QRectF wheelRect(
        left + (input.udtWheel.blnTwoChart ? (width - wheelSize.width() * wheelScale) / 2.0 : 0.0),
        y, wheelSize.width() * wheelScale, wheelSize.height() * wheelScale);
    painter.save();
    painter.translate(wheelRect.topLeft());
    painter.scale(wheelScale, wheelScale);
    painter.setClipRect(QRectF(QPointF(0, 0), wheelSize));
    DrawChartWheel(input.udtWheel, &painter);
    painter.restore();
    std::vector<QRectF> columns;
    if (!input.udtWheel.blnTwoChart && width - wheelRect.width() > 4 * kGap)
        columns.emplace_back(wheelRect.right() + kGap, wheelRect.top(),
                             width - wheelRect.width() - kGap, wheelRect.height());
    y = wheelRect.bottom() + kGap;

    // The table as large as the room allows (no larger than on screen), made smaller step by
    // step while the report does not fit beside the wheel and below the table in letters of
    // readable size; the report then takes the room left.
    const QSize tableSize = input.udtTable ? TableSize(*input.udtTable) : QSize(1, 0);
    const QStringList paragraphs = Paragraphs(input.strReport);
    double tableScale = std::min({1.0, width / tableSize.width(),
                                  std::max(0.0, bottom - y) / std::max(1, tableSize.height())});
    std::vector<QRectF> reportColumns;
    double points = kLargestReportPoints;
    for (;;) {
        reportColumns = columns;
        const double top = y + tableSize.height() * tableScale + (input.udtTable ? kGap : 0.0);
        if (bottom - top > kGap) {
            const double half = (width - kGap) / 2.0;
            reportColumns.emplace_back(left, top, half, bottom - top);
            reportColumns.emplace_back(left + half + kGap, top, half, bottom - top);
        }
        // Every column as wide as the narrowest, so that one measure holds for all.
        double narrowest = width;
        for (const QRectF& column : reportColumns)
            narrowest = std::min(narrowest, column.width());
        for (QRectF& column : reportColumns)
            column.setWidth(narrowest);
        const ReportFlow flow(paragraphs, reportColumns);
        points = kLargestReportPoints;
        while (points > kSmallestReportPoints && !flow.Flow(painter, points, false))
            points -= 0.5;
        if (points >= kReadableReportPoints || tableScale <= kSmallestTableScale)
            break;
        tableScale = std::max(kSmallestTableScale, tableScale - 0.05);
    }
    if (input.udtTable) {
        painter.save();
        painter.translate(left + (width - tableSize.width() * tableScale) / 2.0, y);
        painter.scale(tableScale, tableScale);
        painter.fillRect(QRect(QPoint(0, 0), tableSize), Qt::black);
        PaintAspectTable(painter, *input.udtTable);
        painter.restore();
    }
    if (!reportColumns.empty())
        ReportFlow(paragraphs, reportColumns).Flow(painter, points, true);
    painter.restore();
}

QByteArray ChartSheetPdf(const ChartSheetInput& input, QPageSize::PageSizeId paper) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("Zodarc"));
    pdf.setTitle(support::Q(input.strTitle));
    pdf.setResolution(support::PictureDpi());
    pdf.setPageLayout(SheetPageLayout(paper));
    QPainter painter;
    if (!painter.begin(&pdf))
        return QByteArray();
    PaintChartSheet(
        painter, QRectF(QPointF(0, 0), pdf.pageLayout().paintRectPixels(pdf.resolution()).size()),
        input);
    if (!painter.end())
        return QByteArray();
    return bytes;
}

}  // namespace view
