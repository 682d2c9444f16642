// The box grid: rows and columns of cells with text, background colour and
// alignment, row heights and column widths in twips, and a current cell
// (Row, Col) that the program moves around like a cursor.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/control.h"

class GridControl : public Control {
 public:
  static constexpr int kDefaultRowHeight = 240;
  static constexpr int kDefaultColWidth = 960;
  static constexpr int32_t kDefaultBackColor = 0x00FFFFFF;

  GridControl(std::string name, std::string tag, int rows, int cols);

  int rows() const { return rows_; }
  int cols() const { return cols_; }
  void setRows(int n);
  void setCols(int n);

  int row() const { return row_; }
  int col() const { return col_; }
  void setRow(int r);
  void setCol(int c);

  // The current cell.
  const std::string& text() const { return cell(row_, col_).text; }
  void setText(const std::string& value);
  int32_t cellBackColor() const { return cell(row_, col_).backColor; }
  void setCellBackColor(int32_t value);
  int cellAlignment() const { return cell(row_, col_).alignment; }
  void setCellAlignment(int value);
  float cellLeft() const;  // offset of the current cell inside the grid, twips
  float cellTop() const;

  int rowHeight(int r) const;
  void setRowHeight(int r, int twips);
  int colWidth(int c) const;
  void setColWidth(int c, int twips);

  // The player's click on a cell: it becomes the current cell, then Click.
  void playerClickCell(int r, int c);

  // A cell outlined as the keyboard's cursor, apart from the current cell
  // the program moves around; -1 when none. Resizing the grid drops it.
  int markRow() const { return markRow_; }
  int markCol() const { return markCol_; }
  void setMark(int r, int c);

  // For views: any cell, and the cell under a point (-1 when none).
  const std::string& textAt(int r, int c) const { return cell(r, c).text; }
  int32_t backColorAt(int r, int c) const { return cell(r, c).backColor; }
  int rowAt(float y) const;
  int colAt(float x) const;

 private:
  struct Cell {
    std::string text;
    int32_t backColor = kDefaultBackColor;
    int alignment = 0;
  };
  const Cell& cell(int r, int c) const;
  Cell& cell(int r, int c);
  void resize(int rows, int cols);

  int rows_ = 0, cols_ = 0, row_ = 0, col_ = 0;
  int markRow_ = -1, markCol_ = -1;
  std::vector<Cell> cells_;
  std::vector<int> rowHeights_, colWidths_;
};
