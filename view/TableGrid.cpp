#include "view/TableGrid.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <map>

#include "engine/CellSentence.h"
#include "engine/Durations.h"
#include "support/WindowSupport.h"
#include "view/TablePainter.h"

namespace {

// The interface of the table of grid (a TableGrid), or nullptr.
QAccessibleTableInterface* TableOf(TableGrid* grid) {
    QAccessibleInterface* table = grid ? QAccessible::queryAccessibleInterface(grid) : nullptr;
    return table ? table->tableInterface() : nullptr;
}

// One cell of the table for a screen reader: its sentence, its place and headers, and
// whether it is the current cell. A hidden cell is there, invisible, so that every row
// has all its columns.
class TableCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    TableCellAccessible(TableGrid* grid, int index) : m_grid(grid), m_index(index) {}
    bool isValid() const override {
        return m_grid && m_grid->Table() && m_index < m_grid->Table()->intNumCells;
    }
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
        if (!Shown())
            return QRect();
        const QRect r = TableGrid::CellRect(m_grid->Table()->udtCell[m_index]);
        return QRect(m_grid->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = Shown();
        s.selectable = Shown();
        s.invisible = !Shown();
        s.focused = m_grid && m_grid->hasFocus() && m_grid->CurrentCell() == m_index;
        s.selected = isSelected();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return m_grid && m_grid->CurrentCell() == m_index; }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        return Header(HeaderIndices().intColumn);
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        return Header(HeaderIndices().intRow);
    }
    int columnIndex() const override {
        return isValid() ? m_index % m_grid->Table()->intNumCols : -1;
    }
    int rowIndex() const override { return isValid() ? m_index / m_grid->Table()->intNumCols : -1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

  private:
    bool Shown() const { return isValid() && m_grid->Table()->udtCell[m_index].blnVisible; }
    ZDR::CellHeaders HeaderIndices() const {
        return isValid() ? ZDR::HeaderCells(*m_grid->Table(), static_cast<int16_t>(m_index))
                         : ZDR::CellHeaders();
    }
    // The header cell index as a list of its interface, empty for -1.
    QList<QAccessibleInterface*> Header(int index) const {
        QAccessibleTableInterface* table = TableOf(m_grid);
        QAccessibleInterface* header = index >= 0 && table
                                           ? table->cellAt(index / m_grid->Table()->intNumCols,
                                                           index % m_grid->Table()->intNumCols)
                                           : nullptr;
        return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>();
    }

    QPointer<TableGrid> m_grid;
    int m_index;
};

// The table for a screen reader: rows and columns of cells, the cell at row r and column c
// being child r * columns + c, captioned by the title above it.
class TableGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit TableGridAccessible(TableGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~TableGridAccessible() override {
        for (const auto& [index, id] : m_cells)
            QAccessible::deleteAccessibleInterface(id);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    int childCount() const override { return Grid()->Table() ? Grid()->Table()->intNumCells : 0; }
    QAccessibleInterface* child(int i) const override {
        return i >= 0 && i < childCount() ? Cell(i) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        QAccessibleTableCellInterface* cell =
            child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
        return cell && cell->table() == this
                   ? cell->rowIndex() * columnCount() + cell->columnIndex()
                   : -1;
    }
    QAccessibleInterface* focusChild() const override {
        return Grid()->CurrentCell() >= 0 ? Cell(Grid()->CurrentCell()) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int index = Grid()->CellAt(Grid()->mapFromGlobal(QPoint(x, y)));
        return index >= 0 ? Cell(index) : nullptr;
    }

    QAccessibleInterface* caption() const override {
        return Grid()->CaptionLabel()
                   ? QAccessible::queryAccessibleInterface(Grid()->CaptionLabel())
                   : nullptr;
    }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return row >= 0 && column >= 0 && row < rowCount() && column < columnCount()
                   ? Cell(row * columnCount() + column)
                   : nullptr;
    }
    int selectedCellCount() const override { return Grid()->CurrentCell() >= 0 ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        return Grid()->CurrentCell() >= 0
                   ? QList<QAccessibleInterface*>{Cell(Grid()->CurrentCell())}
                   : QList<QAccessibleInterface*>();
    }
    QString columnDescription(int column) const override {
        return HeaderName(cellAt(0, column), &QAccessibleTableCellInterface::columnHeaderCells);
    }
    QString rowDescription(int row) const override {
        return HeaderName(cellAt(row, columnCount() - 1),
                          &QAccessibleTableCellInterface::rowHeaderCells);
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Grid()->Table() ? Grid()->Table()->intNumCols : 0; }
    int rowCount() const override { return Grid()->Table() ? Grid()->Table()->intNumRows : 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    TableGrid* Grid() const { return static_cast<TableGrid*>(widget()); }
    // The interface of cell index, made once and kept while the table lives.
    QAccessibleInterface* Cell(int index) const {
        const auto found = m_cells.find(index);
        if (found != m_cells.end())
            return QAccessible::accessibleInterface(found->second);
        auto* cell = new TableCellAccessible(Grid(), index);
        m_cells[index] = QAccessible::registerAccessibleInterface(cell);
        return cell;
    }
    // The name of the first header that headers gives cell, "" without one.
    static QString HeaderName(
        QAccessibleInterface* cell,
        QList<QAccessibleInterface*> (QAccessibleTableCellInterface::*headers)() const) {
        QAccessibleTableCellInterface* face = cell ? cell->tableCellInterface() : nullptr;
        const QList<QAccessibleInterface*> found =
            face ? (face->*headers)() : QList<QAccessibleInterface*>();
        return found.isEmpty() ? QString() : found.front()->text(QAccessible::Name);
    }

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
    if (index < 0 || index >= ZDR::intMaxNumCells || !m_table || !hasFocus())
        return;
    support::ShowInScrollArea(this, CellRect(m_table->udtCell[index]));
    if (QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this)) {
        QAccessibleEvent focus(table, QAccessible::Focus);
        focus.setChild(index);
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

QVariant TableGrid::inputMethodQuery(Qt::InputMethodQuery query) const {
    // A scroll area that brings the table into view on Tab brings its current cell.
    if (query == Qt::ImCursorRectangle && m_table && m_intCurrent >= 0 &&
        m_intCurrent < ZDR::intMaxNumCells)
        return CellRect(m_table->udtCell[m_intCurrent]);
    return QWidget::inputMethodQuery(query);
}

void TableGrid::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}
