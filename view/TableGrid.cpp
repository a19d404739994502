#include "view/TableGrid.h"

#include <QMouseEvent>
#include <QPainter>

#include "engine/Catalogue.h"
#include "support/WindowSupport.h"

namespace {

// The smallest size a cell's text is shrunk to, in points.
constexpr double kSmallestFontSize = 6.0;

}  // namespace

TableGrid::TableGrid(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TableGrid::SetTable(const ZDR::AspectTable* table) {
    m_table = table;
    update();
}

QRect TableGrid::CellRect(const ZDR::TableCell& cell) {
    return QRect(cell.lngLeft / support::intTwipsPerPixel, cell.lngTop / support::intTwipsPerPixel,
                 cell.lngWidth / support::intTwipsPerPixel,
                 cell.lngHeight / support::intTwipsPerPixel);
}

int TableGrid::CellAt(const QPoint& pos) const {
    if (!m_table)
        return -1;
    for (int i = 0; i < m_table->intNumCells && i < ZDR::intMaxNumCells; ++i) {
        const ZDR::TableCell& cell = m_table->udtCell[i];
        if (cell.blnVisible && CellRect(cell).contains(pos))
            return i;
    }
    return -1;
}

void TableGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!m_table)
        return;
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int i = 0; i < ZDR::intMaxNumCells; ++i) {
        const ZDR::TableCell& cell = m_table->udtCell[i];
        if (!cell.blnVisible)
            continue;
        const QRect r = CellRect(cell);
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
        painter.setFont(font);
        painter.setPen(support::ColorFromValue(cell.dblForeColor));
        painter.drawText(inside, flags, text);
    }
}

void TableGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const int index = CellAt(event->position().toPoint());
    if (index >= 0)
        emit cellDoubleClicked(index);
}
