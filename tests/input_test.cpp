// The other ways in: a drag, the wheel, the right button and the keys must
// leave the game exactly as the clicks they stand for.
#include <gtest/gtest.h>

#include <sstream>

#include "harness.h"
#include "play/action_keys.h"
#include "play/key_codes.h"
#include "solve/catalogue.h"

namespace {

// What the player can see and hear, and the bookkeeping behind it.
std::string state(Game& g) {
  Form1& f = g.f();
  std::ostringstream s;
  s << f.BoxSize << ' ' << f.PlacedSquares << ' ' << f.Overlaps << ' ' << f.TileSelected << ' ' << f.CurTile << ':';
  for (int i = 0; i < f.TileSquares; ++i) s << ' ' << f.CurShape(i);
  for (int b = 0; b <= f.LastBtn; ++b) s << ' ' << f.ComTile(b).left() << ',' << f.ComTile(b).top();
  for (const std::string& said : g.sys.spoken) s << '\n' << said;
  return s.str() + checkBookkeeping(f);
}

void press(Game& g, int16_t code, int16_t shift = 0) {
  g.f().window.gate.submit([&] { g.f().Form_KeyDown(code, shift); });
}

// Drags button `source` by its middle and drops it on the middle of a box cell.
void drag(Game& g, Control& source, int row, int col) {
  GridControl& grid = g.f().FlexBox();
  float x = grid.left(), y = grid.top();
  for (int c = 0; c < col; ++c) x += static_cast<float>(grid.colWidth(c));
  for (int r = 0; r < row; ++r) y += static_cast<float>(grid.rowHeight(r));
  ASSERT_TRUE(g.f().TileDrag_Start(source, source.width() / 2, source.height() / 2));
  g.f().TileDrag_Move(x, y);
  EXPECT_FALSE(g.f().window.ghost().empty());
  g.f().TileDrag_Drop(x + grid.colWidth(col) / 2.0f, y + grid.rowHeight(row) / 2.0f);
  EXPECT_TRUE(g.f().window.ghost().empty());
}

void sixByTen(Game& g) { g.selectSize("6 by 10"); }

TEST(Input, DragEqualsTheTwoClicks) {
  // Tile 3 by its third square from the palette, on by its first as it
  // stands in the box, refused past the box's corner; tile 5 onto tile 3's
  // corner (an overlap); tile 11 released beside the box (selected only).
  Game dragged, clicked;
  sixByTen(dragged);
  sixByTen(clicked);
  Form1& f = dragged.f();
  const struct {
    int button, row, col;
  } steps[] = {{17, 2, 4}, {15, 0, 7}, {15, 5, 9}, {25, -1, -1}, {55, -2, 0}};
  for (auto s : steps) {
    if (s.row == -1) s = {s.button, f.TileAnchor(3) / 10, f.TileAnchor(3) % 10};
    Control& source = f.TileSelected && f.CurTile == s.button / 5 ? f.ComBT(s.button % 5) : f.ComTile(s.button);
    const int grabbed = f.Shape(s.button / 5, s.button % 5);
    if (s.row >= 0) {
      drag(dragged, source, s.row + grabbed / 5, s.col + grabbed % 5);
    } else {
      ASSERT_TRUE(f.TileDrag_Start(source, 30, 30));
      f.TileDrag_Drop(10, 10);
    }
    clicked.clickTile(s.button);
    if (s.row >= 0) clicked.clickCell(s.row, s.col);
    EXPECT_EQ(state(dragged), state(clicked)) << s.button;
  }
  // The grabbed square landed under the pointer; the refusal and the
  // overlap were spoken.
  EXPECT_EQ(f.BtnBoxSq(15), 7);
  EXPECT_NE(state(dragged).find("Column  9"), std::string::npos) << state(dragged);
  EXPECT_NE(f.Overlaps, 0);
}

TEST(Input, WheelAndRightButtonAreTheirKeys) {
  Game turned, keyed;
  for (Game* g : {&turned, &keyed}) {
    sixByTen(*g);
    g->clickTile(30);
    g->clickCell(1, 1);
  }
  GridControl& box = turned.f().FlexBox();
  const float x = box.left() + 100, y = box.top() + 100;
  const struct {
    int16_t notches, shift;
    bool right;
    int key;
  } steps[] = {{1, 0, false, action::kRotateLeft},
               {-2, 0, false, action::kRotateRight},
               {0, 0, true, action::kFlipVertical},
               {0, key::kShift, true, action::kFlipHorizontal}};
  for (const auto& s : steps) {
    if (s.right) {
      turned.f().Form_RightClick(s.shift, x, y);
    } else {
      turned.f().Form_MouseWheel(s.notches, x, y);
    }
    for (int n = s.notches < -1 ? -s.notches : 1; n > 0; --n) keyed.clickKey(s.key);
    EXPECT_EQ(state(turned), state(keyed)) << s.key;
  }
  turned.f().Form_MouseWheel(1, 10, 10);  // over the action keys: nothing
  EXPECT_EQ(state(turned), state(keyed));
}

TEST(Input, KeysAreTheirButtons) {
  const std::function<void(Game&)> setUp = [](Game& g) {
    sixByTen(g);
    g.clickTile(20);
    g.clickCell(0, 0);
  };
  const struct {
    int16_t code, shift;
    std::function<void(Game&)> click;
  } keys[] = {{key::kDelete, 0, [](Game& g) { g.clickKey(action::kResetTile); }},
              {key::kN, key::kCtrl, [](Game& g) { g.clickKey(action::kClearPuzzle); }},
              {key::kSix, 0, [](Game& g) { g.selectSquares(1); }},
              {key::kPageDown, 0, [](Game& g) { g.f().ListBoxSize().playerSelect(g.f().ListBoxSize().listIndex() + 1); }},
              {key::kTab, key::kShift, [](Game& g) { g.clickTile(15); }},
              {key::kDown, 0, [](Game& g) { g.clickKey(action::kMoveDown); }}};
  for (const auto& k : keys) {
    Game pressed, clicked;
    setUp(pressed);
    setUp(clicked);
    press(pressed, k.code, k.shift);
    k.click(clicked);
    EXPECT_EQ(state(pressed), state(clicked)) << k.code;
  }
}

// Tab to each tile of a tiling, R and F to its orientation, the arrows to
// its corner, Enter: the keyboard alone solves the box.
void solveByKeys(int squares, const std::string& size) {
  static solve::Catalogue catalogue(KARVELON_DATA_DIR);
  const std::vector<std::string> sizes = catalogue.sizes(squares);
  const int entry = static_cast<int>(std::find(sizes.begin(), sizes.end(), size) - sizes.begin());
  const std::optional<tiling::Tiling> tiling = tiling::solve(catalogue.box(squares, entry).problem);
  ASSERT_TRUE(tiling);
  Game g;
  press(g, squares == 5 ? key::kFive : key::kSix);
  while (g.f().BoxSize != size) press(g, key::kPageDown);
  Form1& f = g.f();
  const auto shape = [&] {
    tiling::Piece p;
    for (int i = 0; i < squares; ++i) p.push_back({f.CurShape(i) / squares, f.CurShape(i) % squares});
    return tiling::normalised(p);
  };
  for (const tiling::Placement& p : *tiling) {
    for (int n = 0; !f.TileSelected || f.CurTile != p.piece; ++n) {
      ASSERT_LT(n, 40);
      press(g, key::kTab);
    }
    for (int n = 0; shape() != tiling::normalised(p.squares); ++n) {
      ASSERT_LT(n, 7);
      press(g, n == 3 ? key::kF : key::kR);
    }
    const tiling::Cell corner{std::min_element(p.squares.begin(), p.squares.end())->line,
                              std::min_element(p.squares.begin(), p.squares.end(), [](auto& a, auto& b) {
                                return a.column < b.column;
                              })->column};
    while (f.CursorRow != corner.line) press(g, f.CursorRow < corner.line ? key::kDown : key::kUp);
    while (f.CursorCol != corner.column) press(g, f.CursorCol < corner.column ? key::kRight : key::kLeft);
    EXPECT_EQ(f.FlexBox().markRow() * 100 + f.FlexBox().markCol(), corner.line * 100 + corner.column);
    press(g, key::kEnter);
  }
  EXPECT_EQ(g.lastSpoken(), "Well done, the puzzle is solved");
  EXPECT_EQ(g.sys.spoken.size(), 1u) << g.sys.spoken.front();
  EXPECT_EQ(checkBookkeeping(f), "");
}

TEST(Input, KeyboardAloneSolves) {
  solveByKeys(5, "6 by 10");
  solveByKeys(6, "15 by 15");
}

}  // namespace
