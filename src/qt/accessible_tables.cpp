// The two tables of the window for screen readers: the box, one cell per
// square named as the game describes it, and the selected tile's shape.
#include <QAccessibleWidget>
#include <QWidget>

#include "app/form1.h"
#include "qt/accessible.h"
#include "qt/form_view.h"
#include "qt/grid_view.h"
#include "qt/units.h"

namespace qtview::a11y {

namespace {

constexpr int kRowKey = 256;  // cells are kept by row * kRowKey + column

// What the two tables share: a cell knows its table, line and column.
class Cell : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  Cell(QAccessibleInterface* table, int row, int column)
      : tableId_(QAccessible::uniqueId(table)), row_(row), column_(column) {}
  ~Cell() override {
    if (game()) game()->forget(this);
  }

  bool isValid() const override {
    QAccessibleInterface* t = table();
    return t && t->isValid() && row_ < t->tableInterface()->rowCount() && column_ < t->tableInterface()->columnCount();
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return windowAlive() ? game()->view->windowHandle() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return table(); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.invisible = !isValid();
    s.focusable = true;
    s.focused = game() && game()->focus() == this;
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return column_; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return QAccessible::accessibleInterface(tableId_); }

 protected:
  QAccessible::Id tableId_;
  int row_, column_;
};

// A table without selection or headers; the rest is its own.
class Table : public QAccessibleTableInterface {
 public:
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 protected:
  // The cell at a line and column, made on first asking.
  template <typename C>
  QAccessibleInterface* cell(QAccessibleInterface* self, int row, int column) const {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
    return kept<C>(cells_, row * kRowKey + column, self, row, column);
  }
  int indexOf(const QAccessibleInterface* child) const {
    const QAccessibleTableCellInterface* c = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    if (!c || c->table() != self()) return -1;
    return c->rowIndex() * columnCount() + c->columnIndex();
  }
  virtual const QAccessibleInterface* self() const = 0;
  mutable std::map<int, QAccessible::Id> cells_;
};

// A square of the box: "Square 47, line 4, column 7: free".
class SquareCell : public Cell {
 public:
  using Cell::Cell;
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !isValid()) return {};
    const Form1& form = game()->form;
    return textOf(game()->form.DescribeSquare(row_ * form.BoxColumns + column_));
  }
  QRect rect() const override {
    if (!isValid()) return {};
    const auto* grid = static_cast<const GridView*>(table()->object());
    if (!grid->isVisible()) return {};
    const QRect r = grid->cellRect(row_, column_);
    return {grid->mapToGlobal(r.topLeft()), r.size()};
  }
};

// The box: its lines and columns, not the grid's spare ones.
class BoxAccessible : public QAccessibleWidget, public Table {
 public:
  explicit BoxAccessible(GridView* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
  ~BoxAccessible() override {
    if (game()) game()->forget(this);
    release(cells_);
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return QStringLiteral("Box");
    // The box's size as the size list names it.
    if (t == QAccessible::Description && windowAlive()) {
      const ListBoxControl& sizes = game()->form.ListBoxSize();
      const int i = sizes.listIndex();
      if (i >= 0 && i < sizes.listCount()) return textOf(sizes.list(i)).trimmed();
    }
    return {};
  }
  int rowCount() const override { return windowAlive() ? std::min<int>(game()->form.BoxLines, grid().rows()) : 0; }
  int columnCount() const override { return windowAlive() ? std::min<int>(game()->form.BoxColumns, grid().cols()) : 0; }
  int childCount() const override { return rowCount() * columnCount(); }
  QAccessibleInterface* child(int index) const override {
    const int columns = columnCount();
    return index >= 0 && index < childCount() ? cellAt(index / columns, index % columns) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override { return indexOf(child); }
  QAccessibleInterface* cellAt(int row, int column) const override {
    return cell<SquareCell>(const_cast<BoxAccessible*>(this), row, column);
  }
  QAccessibleInterface* focusChild() const override {
    QAccessibleInterface* focus = game() ? game()->focus() : nullptr;
    return focus && focus->parent() == this ? focus : nullptr;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

 private:
  const QAccessibleInterface* self() const override { return this; }
  const GridControl& grid() const {
    return static_cast<const GridControl&>(static_cast<ControlView*>(widget())->control());
  }
};

// A square of the selected tile's bounding box: "filled" or "empty".
class ShapeCell : public Cell {
 public:
  using Cell::Cell;
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !isValid()) return {};
    const Form1& form = game()->form;
    return textOf(game()->form.DescribeShapeSquare(form.CurTile, row_, column_));
  }
  // Its share of the table: empty squares have no button of their own.
  QRect rect() const override {
    QAccessibleInterface* t = table();
    const QRect whole = t ? t->rect() : QRect();
    if (!isValid() || whole.isEmpty()) return {};
    const int rows = t->tableInterface()->rowCount(), columns = t->tableInterface()->columnCount();
    const int w = whole.width() / columns, h = whole.height() / rows;
    return {whole.x() + column_ * w, whole.y() + row_ * h, w, h};
  }
};

// The selected tile in its present turn, whether shown in the box-tile
// display or standing in the box; empty while no tile is selected.
class ShapeAccessible : public QAccessibleInterface, public Table {
 public:
  ~ShapeAccessible() override {
    if (game()) game()->forget(this);
  }
  bool isValid() const override { return windowAlive(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return windowAlive() ? game()->view->windowHandle() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return windowAlive() ? QAccessible::queryAccessibleInterface(game()->view.data()) : nullptr;
  }
  int childCount() const override { return rowCount() * columnCount(); }
  QAccessibleInterface* child(int index) const override {
    const int columns = columnCount();
    return index >= 0 && index < childCount() ? cellAt(index / columns, index % columns) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override { return indexOf(child); }
  void setText(QAccessible::Text, const QString&) override {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return QStringLiteral("Selected tile");
    if (t == QAccessible::Description && selected()) return textOf(game()->form.DescribeShape(game()->form.CurTile));
    return {};
  }
  // Around the box-tile buttons that show.
  QRect rect() const override {
    QRect around;
    if (!selected()) return around;
    Form1& form = game()->form;
    for (int i = 0; i < form.TileSquares; ++i) around |= screenRect(game()->widgetOf(form.ComBT(i)));
    return around;
  }
  QAccessible::Role role() const override { return QAccessible::Table; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.invisible = !selected();
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
  }
  int rowCount() const override { return selected() ? game()->form.TileLines : 0; }
  int columnCount() const override { return selected() ? game()->form.TileCols : 0; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    return cell<ShapeCell>(const_cast<ShapeAccessible*>(this), row, column);
  }

 private:
  const QAccessibleInterface* self() const override { return this; }
  static bool selected() { return windowAlive() && game()->form.TileSelected; }
};

}  // namespace

QAccessibleInterface* makeBoxAccessible(GridView* view) { return new BoxAccessible(view); }
QAccessibleInterface* makeShapeAccessible() { return new ShapeAccessible; }

}  // namespace qtview::a11y
