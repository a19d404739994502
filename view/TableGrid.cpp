#include "view/TableGrid.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <map>

#include "engine/Durations.h"
#include "view/TablePainter.h"

namespace {

// One cell of the table for a screen reader: its sentence, its place, and whether it is
// the current cell.
class TableCellAccessible : public QAccessibleInterface {
  public:
    TableCellAccessible(TableGrid* grid, int index) : m_grid(grid), m_index(index) {}
    bool isValid() const override { return m_grid != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return m_grid && m_grid->window() ? m_grid->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_grid);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && m_grid ? m_grid->CellName(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!m_grid || !m_grid->Table())
            return QRect();
        const QRect r = TableGrid::CellRect(m_grid->Table()->udtCell[m_index]);
        return QRect(m_grid->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.selectable = true;
        s.focused = m_grid && m_grid->hasFocus() && m_grid->CurrentCell() == m_index;
        s.selected = m_grid && m_grid->CurrentCell() == m_index;
        return s;
    }

  private:
    QPointer<TableGrid> m_grid;
    int m_index;
};

// The table for a screen reader: a table whose children are its visible cells.
class TableGridAccessible : public QAccessibleWidget {
  public:
    explicit TableGridAccessible(TableGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~TableGridAccessible() override {
        for (const auto& [index, id] : m_cells)
            QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return static_cast<int>(Grid()->VisibleCells().size()); }
    QAccessibleInterface* child(int i) const override {
        const std::vector<int> cells = Grid()->VisibleCells();
        return i >= 0 && i < static_cast<int>(cells.size()) ? Cell(cells[i]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<int> cells = Grid()->VisibleCells();
        for (int i = 0; i < static_cast<int>(cells.size()); ++i)
            if (Cell(cells[i]) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        return Grid()->CurrentCell() >= 0 ? Cell(Grid()->CurrentCell()) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int index = Grid()->CellAt(Grid()->mapFromGlobal(QPoint(x, y)));
        return index >= 0 ? Cell(index) : nullptr;
    }
    // The interface of cell index, made once and kept while the table lives.
    QAccessibleInterface* Cell(int index) const {
        const auto found = m_cells.find(index);
        if (found != m_cells.end())
            return QAccessible::accessibleInterface(found->second);
        auto* cell = new TableCellAccessible(Grid(), index);
        m_cells[index] = QAccessible::registerAccessibleInterface(cell);
        return cell;
    }

  private:
    TableGrid* Grid() const { return static_cast<TableGrid*>(widget()); }
    mutable std::map<int, QAccessible::Id> m_cells;
};

QAccessibleInterface* TableGridFactory(const QString& key, QObject* object) {
    if (key == QLatin1String("TableGrid") && object && object->isWidgetType())
        return new TableGridAccessible(static_cast<TableGrid*>(object));
    return nullptr;
}

}  // namespace

TableGrid::TableGrid(QWidget* parent) : QWidget(parent) {
    static const bool blnFactoryInstalled = [] {
        QAccessible::installFactory(TableGridFactory);
        return true;
    }();
    (void)blnFactoryInstalled;
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setFocusPolicy(Qt::StrongFocus);
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

std::vector<int> TableGrid::VisibleCells() const {
    std::vector<int> cells;
    if (!m_table)
        return cells;
    for (int i = 0; i < m_table->intNumCells && i < ZDR::intMaxNumCells; ++i)
        if (m_table->udtCell[i].blnVisible)
            cells.push_back(i);
    return cells;
}

QString TableGrid::CellName(int index) const {
    return m_cellNamer ? QString::fromStdString(m_cellNamer(index)) : QString();
}

void TableGrid::SetCurrentCell(int index) {
    if (index == m_intCurrent)
        return;
    m_intCurrent = index;
    update();
    if (index < 0 || !hasFocus())
        return;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
    const std::vector<int> cells = VisibleCells();
    const auto at = std::find(cells.begin(), cells.end(), index);
    if (table && at != cells.end()) {
        QAccessibleEvent focus(table, QAccessible::Focus);
        focus.setChild(static_cast<int>(at - cells.begin()));
        QAccessible::updateAccessibility(&focus);
    }
}

int TableGrid::NextCell(int dRow, int dCol) const {
    if (!m_table || m_table->intNumCols <= 0)
        return -1;
    int16_t row = 0;
    int16_t col = 0;
    ZDR::GetRowCol(static_cast<int16_t>(m_intCurrent), m_table->intNumCols, row, col);
    for (int r = row + dRow, c = col + dCol;
         r >= 0 && c >= 0 && r < m_table->intNumRows && c < m_table->intNumCols;
         r += dRow, c += dCol) {
        const int index = r * m_table->intNumCols + c;
        if (m_table->udtCell[index].blnVisible)
            return index;
    }
    return -1;
}

void TableGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!m_table)
        return;
    view::PaintAspectTable(painter, *m_table);
    // The keyboard's current cell, while the table has the focus.
    if (hasFocus() && m_intCurrent >= 0 && m_intCurrent < ZDR::intMaxNumCells &&
        m_table->udtCell[m_intCurrent].blnVisible) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(CellRect(m_table->udtCell[m_intCurrent]).adjusted(1, 1, -1, -1));
    }
}

void TableGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const int index = CellAt(event->position().toPoint());
    if (index >= 0)
        emit cellDoubleClicked(index);
}

void TableGrid::mousePressEvent(QMouseEvent* event) {
    const int index = CellAt(event->position().toPoint());
    if (index >= 0)
        SetCurrentCell(index);
    QWidget::mousePressEvent(event);
}

void TableGrid::keyPressEvent(QKeyEvent* event) {
    int next = -1;
    switch (event->key()) {
        case Qt::Key_Left:
            next = NextCell(0, -1);
            break;
        case Qt::Key_Right:
            next = NextCell(0, 1);
            break;
        case Qt::Key_Up:
            next = NextCell(-1, 0);
            break;
        case Qt::Key_Down:
            next = NextCell(1, 0);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Menu:
            if (m_intCurrent >= 0)
                emit cellDoubleClicked(m_intCurrent);
            return;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    if (next >= 0)
        SetCurrentCell(next);
}

void TableGrid::focusInEvent(QFocusEvent* event) {
    // The first visible aspect cell, else the first visible cell, becomes current.
    const std::vector<int> cells = VisibleCells();
    const bool blnCurrentShown =
        m_intCurrent >= 0 && std::find(cells.begin(), cells.end(), m_intCurrent) != cells.end();
    if (!blnCurrentShown && !cells.empty()) {
        int first = cells.front();
        for (int index : cells)
            if (ZDR::CellAspect(m_table->udtCell[index].strText) > 0) {
                first = index;
                break;
            }
        m_intCurrent = -1;
        SetCurrentCell(first);
    }
    update();
    QWidget::focusInEvent(event);
}

void TableGrid::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}
