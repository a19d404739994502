#include "view/TableGrid.h"

#include <QMouseEvent>
#include <QPainter>

#include "view/TablePainter.h"

TableGrid::TableGrid(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TableGrid::SetTable(const ZDR::AspectTable* table) {
    m_table = table;
    update();
}

QRect TableGrid::CellRect(const ZDR::TableCell& cell) {
    return view::TableCellRect(cell);
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
    view::PaintAspectTable(painter, *m_table);
}

void TableGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const int index = CellAt(event->position().toPoint());
    if (index >= 0)
        emit cellDoubleClicked(index);
}
