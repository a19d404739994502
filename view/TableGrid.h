#pragma once
// The aspect table on screen: paints the cells of the core's table model and reports a
// double-click on a cell. From the keyboard the arrow keys move a current cell among the
// visible ones, kept in view in a scroll area, and Return (or the menu key) does what a
// double-click does; a screen reader finds the table with every cell read as a sentence.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

#include "engine/AspectTable.h"

class TableGrid : public QWidget {
    Q_OBJECT
  public:
    explicit TableGrid(QWidget* parent = nullptr);

    // Shows table (kept by reference: repaint after every change of the model).
    void SetTable(const ZDR::AspectTable* table);

    // What a cell says to a screen reader: namer(index) gives the sentence of a cell.
    void SetCellNamer(std::function<std::string(int)> namer) { m_cellNamer = std::move(namer); }

    // Returns the index of the visible cell under pos (pixels), or -1.
    int CellAt(const QPoint& pos) const;

    // Returns the cell's rectangle in pixels (15 twips to the pixel).
    static QRect CellRect(const ZDR::TableCell& cell);

    // The table shown (nullptr before SetTable).
    const ZDR::AspectTable* Table() const { return m_table; }

    // The current cell of the keyboard (-1 none), and making cell index current.
    int CurrentCell() const { return m_intCurrent; }
    void SetCurrentCell(int index);

    // The indices of the visible cells, from the top left row by row.
    std::vector<int> VisibleCells() const;

    // The sentence of cell index, "" without a namer.
    QString CellName(int index) const;

    // The label whose text is the table's caption for a screen reader (nullptr none).
    void SetCaptionLabel(QWidget* label) { m_caption = label; }
    QWidget* CaptionLabel() const { return m_caption; }

  signals:
    void cellDoubleClicked(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

  private:
    // Returns the visible cell nearest to the current one in direction dRow, dCol, or -1.
    int NextCell(int dRow, int dCol) const;

    const ZDR::AspectTable* m_table = nullptr;
    std::function<std::string(int)> m_cellNamer;
    int m_intCurrent = -1;
    QPointer<QWidget> m_caption;
};
