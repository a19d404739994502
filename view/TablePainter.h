#pragma once
// The aspect table painted: the cells of the core's table model with their colours and
// texts, on the screen and on a chart sheet alike.

#include <QPainter>
#include <QRect>

#include "engine/AspectTable.h"

namespace view {

// Returns the cell's rectangle in pixels (15 twips to the pixel).
QRect TableCellRect(const ZDR::TableCell& cell);

// Returns the size of table in pixels: its columns and rows of cells.
QSize TableSize(const ZDR::AspectTable& table);

// Paints the visible cells of table on painter, in pixels of 15 twips: each on its
// background with a grey frame, its text centred and wrapped, written smaller (down to 6
// points) rather than cut when it is longer than the cell.
void PaintAspectTable(QPainter& painter, const ZDR::AspectTable& table);

}  // namespace view
