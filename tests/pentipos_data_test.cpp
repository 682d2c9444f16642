// Checks the shipped PENTIPOS.TXT as the program reads it: the tile shapes
// against the palettes, the orientation codes, the screen layout of every box,
// and that every pattern of unavailable squares leaves a box the twelve
// 5-square tiles can really fill.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

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
  Form1& f = game().f();
  Piece out;
  for (int s = 0, n = v + 5; s < n; ++s) out.push_back({f.ShapeOrig(v, t, s) / n, f.ShapeOrig(v, t, s) % n});
  return out;
}

bool edgeJoined(const Piece& p) {
  const auto touch = [](Cell a, Cell b) { return std::abs(a.line - b.line) + std::abs(a.column - b.column) == 1; };
  std::set<Cell> seen{p[0]};
  for (std::size_t pass = 1; pass < p.size(); ++pass)
    for (const Cell& n : p)
      if (std::any_of(seen.begin(), seen.end(), [&](Cell c) { return touch(c, n); })) seen.insert(n);
  return seen.size() == p.size();
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

TEST(PentiposData, ReadsWithoutFaultAndEndsEveryLineInCrLf) {
  std::ifstream in(KARVELON_DATA_DIR "/PENTIPOS.TXT", std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  ASSERT_TRUE(!bytes.starts_with("\n") && bytes.ends_with("\r\n"));
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) ASSERT_EQ(bytes[i] == '\r', bytes[i + 1] == '\n') << "byte " << i;
  const Form1& f = game().f();
  EXPECT_TRUE(f.TileFits && game().sys.messages.empty() && f.ScaleX == 1.0f && f.ScaleY == 1.0f);
}

TEST(PentiposData, PalettesDrawEachTileInItsShapeInsideTheWindow) {
  for (int v = 0; v < 2; ++v) {
    const int size = v == 0 ? 600 : design::kPaletteButtonSize, n = v + 5;
    const auto buttons = palette(v);
    for (int t = 0; t < kTiles[v]; ++t) {
      const Piece s = shape(v, t);
      Piece drawn, expected;
      for (int i = 0; i < n; ++i) {
        const Rect &b = buttons[n * t + i], &first = buttons[n * t];
        ASSERT_TRUE((b.left - first.left) % size == 0 && (b.top - first.top) % size == 0) << "tile " << t;
        drawn.push_back({(b.top - first.top) / size, (b.left - first.left) / size});
        expected.push_back({s[i].line - s[0].line, s[i].column - s[0].column});
      }
      // Only the first hexomino button shows the tile's number; the others look alike.
      if (v == 1) std::sort(drawn.begin(), drawn.end()), std::sort(expected.begin(), expected.end());
      EXPECT_EQ(drawn, expected) << "variant " << v << " tile " << t << " differs from its palette drawing";
      EXPECT_TRUE(v == 0 || game().f().TileColor(t) == design::kPalette[t].color) << "colour of tile " << t;
    }
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      EXPECT_TRUE(inWindow(buttons[i])) << "button " << i;
      for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(overlap(buttons[i], buttons[j])) << j << " and " << i;
      for (const Rect& r : fixedControls()) EXPECT_FALSE(overlap(buttons[i], r)) << "button " << i;
    }
  }
}

TEST(PentiposData, ShapesAreEveryPolyominoOnceAndCodesReachEachOrientationOnce) {
  Form1& f = game().f();
  for (int v = 0; v < 2; ++v) {
    std::set<Piece> seen;
    for (int t = 0; t < kTiles[v]; ++t) {
      const Piece s = shape(v, t);
      const std::string what = "variant " + std::to_string(v) + " tile " + std::to_string(t);
      EXPECT_EQ(placed(s), s) << what << " not in reading order against top and left";
      EXPECT_TRUE(edgeJoined(s)) << what << " repeats a square or is not edge-joined";
      const auto forms = tiling::orientations(s);
      EXPECT_TRUE(seen.insert(*std::min_element(forms.begin(), forms.end())).second) << what << " repeats another";
      const int kind = f.TileKind(v * 12 + t);
      std::set<Piece> reached{s};
      // The units digit's key is pressed first, then the tens digit's unless 0.
      for (int j = 1; j <= 7 && f.KindOrient(kind, j) != 0; ++j) {
        const int code = f.KindOrient(kind, j), first = code % 10, second = code / 10;
        ASSERT_TRUE(first >= 4 && first <= 7 && (second == 0 || (second >= 4 && second <= 7))) << code;
        const Piece p = press(s, first, v + 5);
        EXPECT_TRUE(reached.insert(second == 0 ? p : press(p, second, v + 5)).second) << what << " code " << code;
      }
      EXPECT_EQ(reached.size(), forms.size()) << what << " kind " << kind << " misses orientations";
    }
  }
}

TEST(PentiposData, BoxesStayInTheWindowClearOfEveryOtherControl) {
  Form1& f = game().f();
  for (int v = 0; v < 2; ++v) {
    for (int slot = 0; slot <= 16 && f.SizeLines(v, slot) != 0; ++slot) {
      const int lines = f.SizeLines(v, slot), cols = f.SizeCols(v, slot), cell = f.SizeCellW(v, slot);
      const std::string name = "box " + std::to_string(lines) + " by " + std::to_string(cols);
      // The grid's margin is three twips per column, in height as well.
      const Rect box{f.SizeLeft(v, slot), f.SizeTop(v, slot), f.SizeLeft(v, slot) + cols * (cell + 3),
                     f.SizeTop(v, slot) + lines * cell + 3 * cols};
      EXPECT_TRUE(inWindow(box)) << name;
      // The box-tile display shows the selected tile with this box's cells.
      std::vector<Rect> display;
      for (int t = 0; t < kTiles[v]; ++t) {
        for (const Piece& o : tiling::orientations(shape(v, t)))
          for (const Cell& c : o) {
            const int left = design::kBoxTileLeft + c.column * cell, top = design::kBoxTileTop + c.line * cell;
            display.push_back(square(left, top, cell));
          }
      }
      for (const Rect& d : display) EXPECT_FALSE(overlap(box, d)) << name << " under the tile display";
      display.push_back(box);
      for (const Rect& d : display) {
        for (const Rect& r : fixedControls()) EXPECT_FALSE(overlap(d, r)) << name << " or its display on a control";
        for (const Rect& p : palette(v)) EXPECT_FALSE(overlap(d, p)) << name << " or its display on the palette";
      }
    }
  }
}

std::vector<int> squaresOf(const std::string& text, std::size_t first) {
  std::vector<int> out;
  for (std::size_t k = first; k + 2 <= text.size(); k += 2) out.push_back(std::stoi(text.substr(k, 2)));
  return out;
}

// Distinct from the patterns seen before, and the shipped pentominoes fill the
// rest of the 8 by cols box; the tiling found is checked too.
void expectNewAndFillable(std::set<std::vector<int>>& seen, std::vector<int> grey, int cols, const std::string& what) {
  std::sort(grey.begin(), grey.end());
  EXPECT_EQ(std::adjacent_find(grey.begin(), grey.end()), grey.end()) << what << " greys a square twice";
  ASSERT_LT(grey.back(), 8 * cols) << what;
  EXPECT_TRUE(seen.insert(grey).second) << what << " repeats another";
  std::vector<bool> blocked(8 * cols, false);
  for (int s : grey) blocked[s] = true;
  std::vector<Piece> pieces;
  for (int t = 0; t < 12; ++t) pieces.push_back(shape(0, t));
  const auto found = tiling::solve(8, cols, blocked, pieces);
  ASSERT_TRUE(found.has_value()) << what << " leaves a box the 12 tiles cannot fill";
  std::vector<int> cover(8 * cols, 0);
  std::set<int> used;
  for (const auto& p : *found) {
    const auto forms = tiling::orientations(pieces[p.piece]);
    EXPECT_TRUE(used.insert(p.piece).second && std::count(forms.begin(), forms.end(), placed(p.squares)) == 1) << what;
    for (const Cell& c : p.squares) ++cover[c.line * cols + c.column];
  }
  for (int s = 0; s < 8 * cols; ++s) EXPECT_EQ(cover[s], blocked[s] ? 0 : 1) << what << ": square " << s;
}

TEST(PentiposData, PatternsAreDistinctAndLeaveBoxesThePentominoesFill) {
  Form1& f = game().f();
  std::set<std::vector<int>> seen;
  for (int i = 0; i <= 18; ++i) {
    const std::string& text = f.Dels88(i);
    const std::string what = "8 by 8 pattern " + std::to_string(i);
    auto grey = squaresOf(text, 2);
    ASSERT_EQ(grey.size(), 4u) << what;
    // A block line below 4 shows the grey block over its 2 x 2 squares.
    if (text[0] - '0' < 4) {
      const int s = (text[0] - '0') * 8 + text[1] - '0';
      EXPECT_LE(text[1] - '0', 6) << what << " block leaves the box";
      EXPECT_EQ(std::set<int>(grey.begin(), grey.end()), (std::set<int>{s, s + 1, s + 8, s + 9})) << what;
    }
    expectNewAndFillable(seen, grey, 8, what);
  }
  // Pattern 12 of the 8 by 10 box holds the five squares every other one adds.
  const auto always = squaresOf(f.Dels810(12), 0);
  for (int i = 0; i <= 11; ++i) {
    auto grey = squaresOf(f.Dels810(i), 0);
    ASSERT_EQ(grey.size(), 15u) << "8 by 10 pattern " << i;
    grey.insert(grey.end(), always.begin(), always.end());
    expectNewAndFillable(seen, grey, 10, "8 by 10 pattern " + std::to_string(i));
  }
}

}  // namespace
