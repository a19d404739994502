#include "view/TablePainter.h"

#include <QFontMetrics>

#include "engine/Catalogue.h"
#include "support/PictureSupport.h"

namespace view {
namespace {

// The smallest size a cell's text is shrunk to, in points.
constexpr double kSmallestFontSize = 6.0;

}  // namespace

QRect TableCellRect(const ZDR::TableCell& cell) {
    return QRect(cell.lngLeft / support::intTwipsPerPixel, cell.lngTop / support::intTwipsPerPixel,
                 cell.lngWidth / support::intTwipsPerPixel,
                 cell.lngHeight / support::intTwipsPerPixel);
}

QSize TableSize(const ZDR::AspectTable& table) {
    return QSize(ZDR::TableWidthTwips(table) / support::intTwipsPerPixel,
                 ZDR::TableHeightTwips(table) / support::intTwipsPerPixel);
}

void PaintAspectTable(QPainter& painter, const ZDR::AspectTable& table) {
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int i = 0; i < ZDR::intMaxNumCells; ++i) {
        const ZDR::TableCell& cell = table.udtCell[i];
        if (!cell.blnVisible)
            continue;
        const QRect r = TableCellRect(cell);
        painter.fillRect(r, support::ColorFromValue(cell.dblBackColor));
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        if (cell.strText.empty())
            continue;
        QFont font;
        QString text;
        if (cell.intFont == ZDR::CellFont::Glyph) {
            font = support::SymbolFont(cell.dblFontSize);
            text = QString::fromStdString(ZDR::GlyphSymbol(cell.strText));
        } else {
            font = QFont(QString::fromLatin1(ZDR::strTextFontName));
            text = QString::fromStdString(cell.strText);
        }
        font.setBold(cell.blnBold);
        // A caption longer than the cell is written smaller rather than cut.
        const QRect inside = r.adjusted(1, 1, -1, -1);
        const int flags = Qt::AlignCenter | Qt::TextWordWrap;
        for (double size = cell.dblFontSize; size >= kSmallestFontSize; size -= 0.5) {
            font.setPointSizeF(size);
            const QRect needed = QFontMetrics(font).boundingRect(inside, flags, text);
            if (needed.width() <= inside.width() && needed.height() <= inside.height())
                break;
        }
        painter.setFont(support::FontOnDevice(font, painter));
        painter.setPen(support::ColorFromValue(cell.dblForeColor));
        painter.drawText(inside, flags, text);
    }
    painter.restore();
}

}  // namespace view
