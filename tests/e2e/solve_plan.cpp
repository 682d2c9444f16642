// Plans a solution of the first 5-square box ("6 by 10") as the player's
// clicks, in screen pixels for a window that covers a screen of the given
// size: for each tile, its palette button, the turn keys that bring it into
// the orientation the solver chose, and the anchor cell. The plan is played
// on a headless game first and printed only if it solves the box there.
//
// Usage: karvelon_solve_plan WIDTH HEIGHT  ->  lines "x y" on standard output
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <set>
#include <vector>

#include "harness.h"
#include "tiling/solver.h"

namespace {

struct Click {
  int x, y;
};

Click centre(const Control& c, float twipsPerPixel) {
  return {static_cast<int>((c.left() + c.width() / 2) / twipsPerPixel),
          static_cast<int>((c.top() + c.height() / 2) / twipsPerPixel)};
}

std::set<std::pair<int, int>> shapeOfSelection(Form1& f) {
  std::set<std::pair<int, int>> cells;
  for (int i = 0; i < f.TileSquares; ++i) cells.insert({f.CurShape(i) / f.TileSquares, f.CurShape(i) % f.TileSquares});
  return cells;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: karvelon_solve_plan WIDTH HEIGHT\n";
    return 2;
  }
  Game game(std::atoi(argv[1]), std::atoi(argv[2]));
  Form1& f = game.f();
  const float tpp = FakeServices::kTwipsPerPixel;

  std::vector<tiling::Piece> pieces;
  for (int t = 0; t <= f.LastTile; ++t) {
    tiling::Piece piece;
    for (int s = 0; s < f.TileSquares; ++s) {
      const int code = f.ShapeOrig(0, t, s);
      piece.push_back({code / f.TileSquares, code % f.TileSquares});
    }
    pieces.push_back(piece);
  }
  const auto solution = tiling::solve(f.BoxLines, f.BoxColumns, std::vector<bool>(f.BoxSquares, false), pieces);
  if (!solution) {
    std::cerr << "no tiling found\n";
    return 1;
  }

  // A tile is set down by clicking the cell at the top-left corner of its
  // bounding box. Where another tile covers that cell, the click would select
  // the other tile, so that tile must come later.
  const std::vector<tiling::Placement>& tiles = *solution;
  const auto anchorOf = [](const tiling::Placement& p) {
    tiling::Cell a{99, 99};
    for (const auto& c : p.squares) {
      a.line = std::min(a.line, c.line);
      a.column = std::min(a.column, c.column);
    }
    return a;
  };
  std::vector<int> order, waitingFor(tiles.size(), 0), covering(tiles.size(), -1);
  for (size_t i = 0; i < tiles.size(); ++i) {
    for (size_t j = 0; j < tiles.size(); ++j) {
      for (const auto& c : tiles[j].squares) {
        if (j != i && c == anchorOf(tiles[i])) covering[i] = static_cast<int>(j);
      }
    }
    if (covering[i] >= 0) ++waitingFor[covering[i]];
  }
  std::vector<bool> done(tiles.size(), false);
  while (order.size() < tiles.size()) {
    size_t next = 0;
    while (next < tiles.size() && (done[next] || waitingFor[next] > 0)) ++next;
    if (next == tiles.size()) {
      std::cerr << "no order leaves every anchor cell free\n";
      return 1;
    }
    done[next] = true;
    order.push_back(static_cast<int>(next));
    if (covering[next] >= 0) --waitingFor[covering[next]];
  }

  std::vector<Click> plan;
  for (int index : order) {
    const tiling::Placement& p = tiles[index];
    const int top = anchorOf(p).line, left = anchorOf(p).column;
    std::set<std::pair<int, int>> wanted;
    for (const auto& c : p.squares) wanted.insert({c.line - top, c.column - left});

    const int button = p.piece * f.TileSquares;
    plan.push_back(centre(f.ComTile(button), tpp));
    game.clickTile(button);
    // At most one mirroring and three quarter turns reach any orientation.
    for (int step = 0; step < 8 && shapeOfSelection(f) != wanted; ++step) {
      const int key = step == 3 ? 6 : 4;  // flip once after three turns
      plan.push_back(centre(f.ComKey(key), tpp));
      game.clickKey(key);
    }
    if (shapeOfSelection(f) != wanted) {
      std::cerr << "orientation of tile " << p.piece << " not reached\n";
      return 1;
    }
    if (f.SqCount(top * f.BoxColumns + left) != 0) {
      std::cerr << "the anchor cell of tile " << p.piece << " is covered\n";
      return 1;
    }
    GridControl& grid = f.FlexBox();
    grid.setRow(top);
    grid.setCol(left);
    plan.push_back({static_cast<int>((grid.left() + grid.cellLeft() + f.GridColWidth / 2.0f) / tpp),
                    static_cast<int>((grid.top() + grid.cellTop() + f.GridRowHeight / 2.0f) / tpp)});
    game.clickCell(top, left);
  }
  if (game.lastSpoken() != "Well done, the puzzle is solved" || f.Overlaps != 0) {
    std::cerr << "the plan does not solve the box headless\n";
    return 1;
  }
  for (const Click& c : plan) std::printf("%d %d\n", c.x, c.y);
  return 0;
}
