// Checks the shipped PENTIPOS.TXT as the program reads it: the tile shapes
// against the palettes, the orientation codes and the screen layout of every
// box. How the game greys the patterns, each unlike the others, is checked by
// the box tests; that each box can be filled, by the short solving video
// shipped for it.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/window_design.h"
#include "harness.h"
#include "tiling/solver.h"

namespace {

using tiling::Cell;
using tiling::Piece;

constexpr int kTiles[2] = {12, 35};

// At this screen size the window keeps its design size, so every position
// read from the file stays in design twips.
Game& game() {
  static Game g(design::kClientWidth / 15, design::kClientHeight / 15);
  return g;
}

// Moved against line 0 and column 0, in reading order.
Piece placed(Piece cells) {
  int line = cells[0].line, column = cells[0].column;
  for (const Cell& c : cells) line = std::min(line, c.line), column = std::min(column, c.column);
  for (Cell& c : cells) c = {c.line - line, c.column - column};
  std::sort(cells.begin(), cells.end());
  return cells;
}

// The squares of tile t of variant v, in the order the file lists them.
Piece shape(int v, int t) {
  Piece out;
  for (int s = 0, n = v + 5; s < n; ++s) {
    const int code = game().f().ShapeOrig(v, t, s);
    out.push_back({code / n, code % n});
  }
  return out;
}

// Action key 4 (rotate right), 5 (rotate left), 6 (mirror left-right) or 7
// (mirror top-bottom) on a shape inside its n x n frame.
Piece press(const Piece& cells, int key, int n) {
  Piece out;
  for (const Cell& c : cells) {
    const Cell turned[4] = {{c.column, n - 1 - c.line}, {n - 1 - c.column, c.line},
                            {c.line, n - 1 - c.column}, {n - 1 - c.line, c.column}};
    out.push_back(turned[key - 4]);
  }
  return placed(out);
}

struct Rect { int left, top, right, bottom; };  // right and bottom exclusive
Rect square(int left, int top, int size) { return {left, top, left + size, top + size}; }
bool overlap(Rect a, Rect b) { return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom; }
bool inWindow(const Rect& r) {
  return r.left >= 0 && r.top >= 0 && r.right <= design::kClientWidth && r.bottom <= design::kClientHeight;
}

std::vector<Rect> fixedControls() {
  const auto rect = [](const design::Rect& r) { return Rect{r.left, r.top, r.left + r.width, r.top + r.height}; };
  std::vector<Rect> out{rect(design::kOptSq0), rect(design::kOptSq1), rect(design::kListBoxSize)};
  for (const auto& k : design::kKeys) out.push_back(rect(k.rect));
  for (const auto& l : design::kLabels) out.push_back(rect(l.rect));
  out.push_back(rect(design::kSubtitleBand));  // a video's captions must cover nothing
  return out;
}

// Pentomino buttons stand where the file puts them, hexomino ones as designed.
std::vector<Rect> palette(int v) {
  std::vector<Rect> out;
  for (int c = 0; c < kTiles[v] * (v + 5); ++c) {
    const auto& b = design::kPalette[c / 6].squares[c % 6];
    out.push_back(v == 0 ? square(game().f().PalLeft(0, c), game().f().PalTop(0, c), 600)
                         : square(b.left, b.top, design::kPaletteButtonSize));
  }
  return out;
}

// Each tile: drawn in its shape on the palette, an edge-joined polyomino in
// reading order unlike every other, and its kind's orientation codes reach
// each of its orientations once. The units digit's key is pressed first,
// then the tens digit's unless 0.
TEST(PentiposData, TilesAreEveryPolyominoOnceDrawnInTheirShapeWithCodesForEachOrientation) {
  Form1& f = game().f();
  for (int v = 0; v < 2; ++v) {
    const int size = v == 0 ? 600 : design::kPaletteButtonSize, n = v + 5;
    const auto buttons = palette(v);
    std::set<Piece> seen;
    for (int t = 0; t < kTiles[v]; ++t) {
      SCOPED_TRACE("variant " + std::to_string(v) + " tile " + std::to_string(t));
      const Piece s = shape(v, t);
      Piece drawn;
      for (int i = 0; i < n; ++i) {
        const Rect &b = buttons[n * t + i], &first = buttons[n * t];
        ASSERT_TRUE((b.left - first.left) % size == 0 && (b.top - first.top) % size == 0);
        drawn.push_back({(b.top - first.top) / size + s[0].line, (b.left - first.left) / size + s[0].column});
      }
      // Only the first hexomino button shows the tile's number; the others look alike.
      EXPECT_EQ(v == 0 ? drawn : placed(drawn), v == 0 ? s : placed(s)) << "differs from its palette drawing";
      EXPECT_TRUE(v == 0 || f.TileColor(t) == design::kPalette[t].color) << "colour";
      EXPECT_EQ(placed(s), s) << "not in reading order against top and left";
      std::set<Cell> joined{s[0]};
      for (int pass = 1; pass < n; ++pass)
        for (const Cell& c : s)
          for (const Cell& j : Piece(joined.begin(), joined.end()))
            if (std::abs(c.line - j.line) + std::abs(c.column - j.column) == 1) joined.insert(c);
      EXPECT_EQ(joined.size(), s.size()) << "repeats a square or is not edge-joined";
      const auto forms = tiling::orientations(s);
      EXPECT_TRUE(seen.insert(*std::min_element(forms.begin(), forms.end())).second) << "repeats another tile";
      std::set<Piece> reached{s};
      const int kind = f.TileKind(v * 12 + t);
      for (int j = 1; j <= 7 && f.KindOrient(kind, j) != 0; ++j) {
        const int code = f.KindOrient(kind, j), first = code % 10, second = code / 10;
        ASSERT_TRUE(first >= 4 && first <= 7 && (second == 0 || (second >= 4 && second <= 7))) << code;
        const Piece p = press(s, first, n);
        EXPECT_TRUE(reached.insert(second == 0 ? p : press(p, second, n)).second) << "code " << code;
      }
      EXPECT_EQ(reached.size(), forms.size()) << "kind " << kind << " misses orientations";
    }
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      EXPECT_TRUE(inWindow(buttons[i])) << "button " << i;
      for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(overlap(buttons[i], buttons[j])) << j << " and " << i;
      for (const Rect& r : fixedControls()) EXPECT_FALSE(overlap(buttons[i], r)) << "button " << i;
    }
  }
}

TEST(PentiposData, BoxesStayInTheWindowClearOfEveryOtherControl) {
  Form1& f = game().f();
  for (int v = 0; v < 2; ++v) {
    for (int slot = 0; slot <= 16 && f.SizeLines(v, slot) != 0; ++slot) {
      const int lines = f.SizeLines(v, slot), cols = f.SizeCols(v, slot), cell = f.SizeCellW(v, slot);
      SCOPED_TRACE("box " + std::to_string(lines) + " by " + std::to_string(cols));
      // The grid's margin is three twips per column, in height as well.
      const Rect box{f.SizeLeft(v, slot), f.SizeTop(v, slot), f.SizeLeft(v, slot) + cols * (cell + 3),
                     f.SizeTop(v, slot) + lines * cell + 3 * cols};
      EXPECT_TRUE(inWindow(box));
      // The box-tile display shows the selected tile with this box's cells.
      std::vector<Rect> display;
      for (int t = 0; t < kTiles[v]; ++t)
        for (const Piece& o : tiling::orientations(shape(v, t)))
          for (const Cell& c : o) {
            const int left = design::kBoxTileLeft + c.column * cell, top = design::kBoxTileTop + c.line * cell;
            display.push_back(square(left, top, cell));
          }
      for (const Rect& d : display) EXPECT_FALSE(overlap(box, d)) << "under the tile display";
      display.push_back(box);
      for (const Rect& d : display) {
        for (const Rect& r : fixedControls()) EXPECT_FALSE(overlap(d, r)) << "the box or its display on a control";
        for (const Rect& p : palette(v)) EXPECT_FALSE(overlap(d, p)) << "the box or its display on the palette";
      }
    }
  }
}

}  // namespace
