// The other ways in must leave the game exactly as the clicks they stand for.
#include <gtest/gtest.h>

#include <sstream>

#include "harness.h"
#include "play/action_keys.h"
#include "play/key_codes.h"
#include "solve/catalogue.h"

namespace {

// What the player sees and hears, and the bookkeeping behind it.
std::string state(Game& g) {
  Form1& f = g.f();
  std::ostringstream s;
  s << f.BoxSize << ' ' << f.Overlaps << ' ' << f.TileSelected << ' ' << f.CurTile << ':';
  for (int i = 0; i < f.TileSquares; ++i) s << ' ' << f.CurShape(i);
  for (int b = 0; b <= f.LastBtn; ++b) s << ' ' << f.ComTile(b).left() << ',' << f.ComTile(b).top();
  for (const std::string& said : g.sys.spoken) s << '\n' << said;
  return s.str() + checkBookkeeping(f);
}

// Tile 3 by its third square from the palette, on by its first from where it
// stands, refused past the box's corner; tile 5 onto tile 3's corner (an
// overlap); tile 11 released beside the box (selected only).
TEST(Input, DragEqualsTheTwoClicks) {
  Game dragged, clicked;
  dragged.selectSize("6 by 10");
  clicked.selectSize("6 by 10");
  Form1& f = dragged.f();
  GridControl& grid = f.FlexBox();
  int steps[][3] = {{17, 2, 4}, {15, 0, 7}, {15, 5, 9}, {25, -1, 0}, {55, -9, 0}};
  for (auto& [button, row, col] : steps) {
    if (row == -1) row = f.TileAnchor(3) / 10, col = f.TileAnchor(3) % 10;
    Control& source = f.TileSelected && f.CurTile == button / 5 ? f.ComBT(button % 5) : f.ComTile(button);
    const int grabbed = f.Shape(button / 5, button % 5);
    ASSERT_TRUE(f.TileDrag_Start(source, source.width() / 2, source.height() / 2) && !f.window.ghost().empty());
    f.TileDrag_Drop(row < 0 ? 10 : grid.left() + grid.colWidth(0) * (col + grabbed % 5 + 0.5f),
                    row < 0 ? 10 : grid.top() + grid.rowHeight(0) * (row + grabbed / 5 + 0.5f));
    EXPECT_TRUE(f.window.ghost().empty());
    clicked.clickTile(button);
    if (row >= 0) clicked.clickCell(row, col);
    EXPECT_EQ(state(dragged), state(clicked)) << button;
  }
  // The grabbed square landed under the pointer; a refusal and an overlap were spoken.
  EXPECT_EQ(f.BtnBoxSq(15), 7);
  EXPECT_NE(state(dragged).find("Column  9\nSome tile squares overlap"), std::string::npos);
}

TEST(Input, WheelRightButtonAndKeysAreTheirButtons) {
  using Act = std::function<void(Game&)>;
  const auto key = [](int16_t code, int16_t shift = 0) { return [=](Game& g) { g.press(code, shift); }; };
  const auto button = [](int16_t i) { return [=](Game& g) { g.clickKey(i); }; };
  // Over the box, on the tile set at (1, 1).
  const auto over = [](void (Form1::*input)(int16_t, float, float), int16_t value) {
    return [=](Game& g) { (g.f().*input)(value, g.f().FlexBox().left() + 1500, g.f().FlexBox().top() + 1500); };
  };
  const std::pair<Act, Act> cases[] = {
      {over(&Form1::Form_MouseWheel, 1), button(action::kRotateLeft)},
      {over(&Form1::Form_MouseWheel, -1), button(action::kRotateRight)},
      {over(&Form1::Form_RightClick, 0), button(action::kFlipVertical)},
      {over(&Form1::Form_RightClick, key::kShift), button(action::kFlipHorizontal)},
      {[](Game& g) { g.f().Form_MouseWheel(1, 10, 10); }, [](Game&) {}},  // over the action keys
      {key(key::kR, key::kShift), button(action::kRotateLeft)},
      {key(key::kF), button(action::kFlipVertical)},
      {key(key::kDown), button(action::kMoveDown)},
      {key(key::kDelete), button(action::kResetTile)},
      {key(key::kN, key::kCtrl), button(action::kClearPuzzle)},
      {key(key::kSix), [](Game& g) { g.selectSquares(1); }},
      {[](Game& g) { g.press(key::kSix), g.press(key::kFive); }, [](Game& g) { g.selectSquares(1), g.selectSquares(0); }},
      {key(key::kPageDown), [](Game& g) { g.selectSize("5 by 12"); }},
      {key(key::kTab, key::kShift), [](Game& g) { g.clickTile(15); }}};
  for (const auto& [input, click] : cases) {
    Game used, clicked;
    for (Game* g : {&used, &clicked}) {
      g->selectSize("6 by 10");
      g->clickTile(20);
      g->clickCell(1, 1);
    }
    input(used);
    click(clicked);
    EXPECT_EQ(state(used), state(clicked)) << &input - &cases[0].first;
  }
}

// Tab to each tile of a tiling, R and F to its orientation, the arrows to
// its corner, Enter: the keyboard alone solves the box. (by_ear.py plays a
// pentomino box so, knowing the game from its words alone.)
TEST(Input, KeyboardAloneSolves) {
  const int squares = 6;
  const std::string size = "15 by 15";
  solve::Catalogue catalogue(KARVELON_DATA_DIR);
  const std::vector<std::string> sizes = catalogue.sizes(squares);
  const int entry = static_cast<int>(std::find(sizes.begin(), sizes.end(), size) - sizes.begin());
  const std::optional<tiling::Tiling> tiling = tiling::solve(catalogue.box(squares, entry).problem);
  ASSERT_TRUE(tiling);
  Game g;
  Form1& f = g.f();
  g.press(key::kSix);
  while (f.BoxSize != size) g.press(key::kPageDown);
  const auto shape = [&] {
    tiling::Piece p;
    for (int i = 0; i < squares; ++i) p.push_back({f.CurShape(i) / squares, f.CurShape(i) % squares});
    return tiling::normalised(p);
  };
  for (const tiling::Placement& p : *tiling) {
    for (int n = 0; n < 40 && (!f.TileSelected || f.CurTile != p.piece); ++n) g.press(key::kTab);
    for (int n = 0; n < 7 && shape() != tiling::normalised(p.squares); ++n) g.press(n == 3 ? key::kF : key::kR);
    ASSERT_EQ(shape(), tiling::normalised(p.squares)) << p.piece;
    int top = 99, left = 99;
    for (const tiling::Cell& c : p.squares) top = std::min(top, c.line), left = std::min(left, c.column);
    for (int n = 0; n < 30 && f.CursorRow != top; ++n) g.press(f.CursorRow < top ? key::kDown : key::kUp);
    for (int n = 0; n < 30 && f.CursorCol != left; ++n) g.press(f.CursorCol < left ? key::kRight : key::kLeft);
    ASSERT_EQ(f.FlexBox().markRow() * 100 + f.FlexBox().markCol(), top * 100 + left);
    g.press(key::kEnter);
  }
  EXPECT_EQ(g.sys.spoken, std::vector<std::string>{"Well done, the puzzle is solved"});
  EXPECT_EQ(checkBookkeeping(f), "");
}

}  // namespace
