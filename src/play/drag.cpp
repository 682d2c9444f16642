// Dragging a tile into the box. A drop stands for two clicks the player
// could make: on the tile's button, then on the box square where the tile's
// top-left corner must go for the grabbed square to land under the pointer.
// Whatever those clicks do (select, move a tile already in the box, refuse
// a square off the box) the drop does, with the same speech.
#include <vector>

#include "app/form1.h"

namespace {

// The tile a button shows and which square of its shape, or tile -1.
struct Grab {
  int tile = -1, square = -1;
};

Grab grabOf(Form1& f, const Control& source) {
  const int n = f.TileSquares, b = source.index();
  if (n <= 0 || b < 0) return {};
  if (source.name() == "ComTile" && b <= f.LastBtn) return {b / n, b % n};
  if (source.name() == "ComBT" && f.TileSelected && b < n) return {f.CurTile, b};
  return {};
}

}  // namespace

bool Form1::TileDrag_Start(Control& source, float x, float y) {
  const Grab g = grabOf(*this, source);
  if (g.tile < 0 || CellWidth <= 0 || CellHeight <= 0) return false;
  // The tile's shape as it stands: the selected one's may be turned already.
  const int16_t N = TileSquares;
  const bool selected = TileSelected && g.tile == CurTile;
  const auto square = [&](int i) { return selected ? CurShape(i) : Shape(g.tile, i); };
  // Drawn in the box's cell size, the pointer as far into the grabbed
  // square as it was into the button.
  const float gx = x * CellWidth / source.width(), gy = y * CellHeight / source.height();
  const int gLine = square(g.square) / N, gCol = square(g.square) % N;
  std::vector<FormWindow::GhostSquare> ghost;
  for (int i = 0; i < N; ++i) {
    ghost.push_back({static_cast<float>((square(i) % N - gCol) * CellWidth) - gx,
                     static_cast<float>((square(i) / N - gLine) * CellHeight) - gy, static_cast<float>(CellWidth),
                     static_cast<float>(CellHeight), ComTile(g.tile * N + i).backColor()});
  }
  dragSource_ = &source;
  window.showGhost(std::move(ghost), source.left() + x, source.top() + y);
  return true;
}

void Form1::TileDrag_Move(float x, float y) {
  if (dragSource_) window.moveGhost(x, y);
}

void Form1::TileDrag_Drop(float x, float y) {
  Control* source = dragSource_;
  dragSource_ = nullptr;
  window.hideGhost();
  if (!source) return;
  // Both clicks wait at the gate, in their order, like the player's own.
  window.gate.submit([this, source, x, y] {
    source->playerClick();
    GridControl& grid = FlexBox();
    const float gx = x - grid.left(), gy = y - grid.top();
    const Grab g = grabOf(*this, *source);
    if (!TileSelected || g.tile != CurTile || !grid.visible() || gx >= grid.width() || gy >= grid.height()) return;
    const int row = grid.rowAt(gy), col = grid.colAt(gx);
    if (row < 0 || col < 0) return;  // released beside the box: the selection alone
    const int anchorRow = row - CurShape(g.square) / TileSquares,
              anchorCol = col - CurShape(g.square) % TileSquares;
    // A corner above or left of the box is no square anyone could click:
    // the tile stays where the selection left it, without a word.
    if (anchorRow < 0 || anchorCol < 0) return;
    grid.playerClickCell(anchorRow, anchorCol);
  });
}
