#pragma once
// The aspect table on screen: paints the cells of the core's table model and reports a
// double-click on a cell.

#include <QWidget>

#include "engine/AspectTable.h"

class TableGrid : public QWidget {
    Q_OBJECT
  public:
    explicit TableGrid(QWidget* parent = nullptr);

    // Shows table (kept by reference: repaint after every change of the model).
    void SetTable(const ZDR::AspectTable* table);

    // Returns the index of the visible cell under pos (pixels), or -1.
    int CellAt(const QPoint& pos) const;

    // Returns the cell's rectangle in pixels (15 twips to the pixel).
    static QRect CellRect(const ZDR::TableCell& cell);

  signals:
    void cellDoubleClicked(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    const ZDR::AspectTable* m_table = nullptr;
};
