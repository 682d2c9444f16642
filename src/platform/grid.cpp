#include "platform/grid.h"

#include <algorithm>

#include "platform/numbers.h"

GridControl::GridControl(std::string name, std::string tag, int rows, int cols)
    : Control(ControlKind::Grid, std::move(name), -1, std::move(tag)) {
  resize(rows, cols);
}

void GridControl::resize(int rows, int cols) {
  if (rows < 1 || cols < 1 || rows > 1000 || cols > 1000) throw ProgramError("Invalid grid size");
  std::vector<Cell> cells(static_cast<size_t>(rows) * cols);
  for (int r = 0; r < std::min(rows, rows_); ++r) {
    for (int c = 0; c < std::min(cols, cols_); ++c) cells[r * cols + c] = cells_[r * cols_ + c];
  }
  cells_ = std::move(cells);
  rowHeights_.resize(rows, kDefaultRowHeight);
  colWidths_.resize(cols, kDefaultColWidth);
  rows_ = rows;
  cols_ = cols;
  row_ = std::min(row_, rows_ - 1);
  col_ = std::min(col_, cols_ - 1);
  markRow_ = markCol_ = -1;
  notify();
}

void GridControl::setMark(int r, int c) {
  if (r == markRow_ && c == markCol_) return;
  markRow_ = r;
  markCol_ = c;
  notify();
}

void GridControl::playerClickCell(int r, int c) {
  fromPlayer([this, r, c] {
    // A click that waited may find the grid made smaller meanwhile.
    if (r < 0 || r >= rows_ || c < 0 || c >= cols_) return;
    setRow(r);
    setCol(c);
    click();
  });
}

void GridControl::setRows(int n) { resize(n, cols_); }
void GridControl::setCols(int n) { resize(rows_, n); }

void GridControl::setRow(int r) {
  if (r < 0 || r >= rows_) throw ProgramError("Invalid Row value " + std::to_string(r));
  row_ = r;
}

void GridControl::setCol(int c) {
  if (c < 0 || c >= cols_) throw ProgramError("Invalid Col value " + std::to_string(c));
  col_ = c;
}

const GridControl::Cell& GridControl::cell(int r, int c) const {
  if (r < 0 || r >= rows_ || c < 0 || c >= cols_) throw ProgramError("Invalid cell");
  return cells_[static_cast<size_t>(r) * cols_ + c];
}

GridControl::Cell& GridControl::cell(int r, int c) {
  return const_cast<Cell&>(static_cast<const GridControl*>(this)->cell(r, c));
}

void GridControl::setText(const std::string& value) {
  cell(row_, col_).text = value;
  notify();
}

void GridControl::setCellBackColor(int32_t value) {
  cell(row_, col_).backColor = value;
  notify();
}

void GridControl::setCellAlignment(int value) {
  cell(row_, col_).alignment = value;
  notify();
}

float GridControl::cellLeft() const {
  float x = 0;
  for (int c = 0; c < col_; ++c) x += static_cast<float>(colWidths_[c]);
  return x;
}

float GridControl::cellTop() const {
  float y = 0;
  for (int r = 0; r < row_; ++r) y += static_cast<float>(rowHeights_[r]);
  return y;
}

int GridControl::rowHeight(int r) const {
  if (r < 0 || r >= rows_) throw ProgramError("Invalid Row value " + std::to_string(r));
  return rowHeights_[r];
}

void GridControl::setRowHeight(int r, int twips) {
  if (r < 0 || r >= rows_) throw ProgramError("Invalid Row value " + std::to_string(r));
  rowHeights_[r] = twips;
  notify();
}

int GridControl::colWidth(int c) const {
  if (c < 0 || c >= cols_) throw ProgramError("Invalid Col value " + std::to_string(c));
  return colWidths_[c];
}

void GridControl::setColWidth(int c, int twips) {
  if (c < 0 || c >= cols_) throw ProgramError("Invalid Col value " + std::to_string(c));
  colWidths_[c] = twips;
  notify();
}

int GridControl::rowAt(float y) const {
  float edge = 0;
  for (int r = 0; r < rows_; ++r) {
    edge += static_cast<float>(rowHeights_[r]);
    if (y >= 0 && y < edge) return r;
  }
  return -1;
}

int GridControl::colAt(float x) const {
  float edge = 0;
  for (int c = 0; c < cols_; ++c) {
    edge += static_cast<float>(colWidths_[c]);
    if (x >= 0 && x < edge) return c;
  }
  return -1;
}
