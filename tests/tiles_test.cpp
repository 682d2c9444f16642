// Tile handling as the player meets it: selecting, placing, turning,
// mirroring, moving and resetting tiles, with the occupancy bookkeeping and
// the sentences spoken on refusals and events.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "harness.h"

namespace {

const std::string kSelectFirst = "Please select a tile first";
const std::string kOverlap = "Some tile squares overlap";
const std::string kNoFit = "The tile does not fit at line";

// Shapes of five squares as codes line * 5 + column, with their bounding box.
struct Outline {
  std::vector<int> codes;
  int lines, cols;
};
const Outline kRow{{0, 1, 2, 3, 4}, 1, 5}, kBar{{0, 5, 10, 15, 20}, 5, 1};
const Outline kEll{{0, 5, 10, 15, 16}, 4, 2};

// The selected tile's working shape, or the first shape of a tile.
std::vector<int> shapeOf(Form1& f, int tile = -1) {
  std::vector<int> codes;
  for (int i = 0; i < f.TileSquares; ++i) codes.push_back(tile < 0 ? f.CurShape(i) : f.ShapeOrig(f.SqVariant, tile, i));
  return codes;
}

class TileTest : public ::testing::Test {
 protected:
  Game g;
  Form1& f = g.f();

  // Selects a tile outside the box and gives it a shape, as turns would have.
  void pick(int tile, const Outline& form) {
    g.clickTile(tile * f.TileSquares);
    for (int i = 0; i < static_cast<int>(form.codes.size()); ++i) f.CurShape(i) = static_cast<int16_t>(form.codes[i]);
    f.TileLines = static_cast<int16_t>(form.lines);
    f.TileCols = static_cast<int16_t>(form.cols);
  }
  void put(int tile, const Outline& form, int line, int col) {
    pick(tile, form);
    g.clickCell(line, col);
  }
  void TearDown() override {
    EXPECT_EQ(checkBookkeeping(f), "");
    EXPECT_TRUE(g.sys.messages.empty());
  }
};

TEST_F(TileTest, TurnsAndMirrorsOfTheWorkedShape) {
  const std::pair<int, Outline> cases[] = {
      {4, {{3, 2, 1, 0, 5}, 2, 4}},     // Rotate Right
      {5, {{5, 6, 7, 8, 3}, 2, 4}},     // Rotate Left
      {6, {{1, 6, 11, 16, 15}, 4, 2}},  // Flip Vertical: left to right
      {7, {{15, 10, 5, 0, 1}, 4, 2}},   // Flip Horizontal: top to bottom
  };
  for (const auto& [key, want] : cases) {
    SCOPED_TRACE(key);
    pick(1, kEll);
    g.clickKey(key);
    EXPECT_EQ(shapeOf(f), want.codes);
    EXPECT_TRUE(f.TileLines == want.lines && f.TileCols == want.cols);
    for (int i = 0; i < 5; ++i) {  // the box-tile display draws the new shape
      EXPECT_TRUE(f.ComBT(i).left() == f.BTLeft + f.CellWidth * (want.codes[i] % 5) &&
                  f.ComBT(i).top() == f.BTTop + f.CellHeight * (want.codes[i] / 5)) << i;
    }
  }
}

// Each case places a tile at line, col (key -1: that placement is refused),
// then presses key, which is refused; the tile stays as it was.
TEST_F(TileTest, RefusalsNameTheirFigures) {
  const std::tuple<std::string, Outline, int, int, int, std::string> cases[] = {
      {"5 by  8", kRow, 0, 4, -1, kNoFit + " 0 Column  4"},
      {"6 by 10", kBar, 2, 9, -1, kNoFit + " 2 Column  9"},
      {"6 by 10", kEll, 0, 10, -1, kNoFit + " 0 Column 10"},  // the grid's extra column
      {"6 by 10", kEll, 6, 0, -1, kNoFit + " 6 Column  0"},   // the grid's extra row
      {"6 by 10", kRow, 5, 0, 4, kNoFit + " 5 Column  0"},    // turned against the bottom
      {"5 by  8", kEll, 0, 0, 11, "The tile cannot move left of column  0"},
      {"5 by  8", kEll, 0, 0, 8, "The tile is already at the top of the box"},
      {"5 by  8", {{0, 1, 2, 6, 11}, 3, 3}, 0, 5, 10, "The tile cannot move right into column  8"},
      {"5 by  8", kEll, 1, 3, 9, "The tile is already at the bottom of the box"},
      {"5 by  8", kEll, 5, 0, 9, "Put the tile in the box before moving it"},
  };
  for (const auto& [box, form, line, col, key, said] : cases) {
    SCOPED_TRACE(said);
    g.selectSize(box);
    put(2, form, line, col);
    const int anchor = f.TileAnchor(2);
    const std::vector<int> shape = shapeOf(f);
    if (key >= 0) g.clickKey(key);
    EXPECT_EQ(g.lastSpoken(), said);
    EXPECT_TRUE(f.TileSelected && f.TileAnchor(2) == (key < 0 ? -1 : anchor));
    EXPECT_EQ(shapeOf(f), key < 0 ? shapeOf(f, 2) : shape);  // a refused shape is undone
    EXPECT_EQ(f.PlacedSquares, anchor == -1 ? 0 : 5);
    g.clickKey(1);
  }
  g.sys.spoken.clear();
  for (int key : {0, 1, 4, 5, 6, 7, 8, 9, 10, 11}) g.clickKey(key);  // no tile selected
  g.clickCell(0, 0);  // key 0 says nothing
  EXPECT_EQ(g.sys.spoken, std::vector<std::string>(10, kSelectFirst));
}

TEST_F(TileTest, MovesStepOverTheTilesOwnCellsAndOverlapsCountTheSurplusSquares) {
  put(3, kEll, 0, 1);
  for (auto [key, anchor] : {std::pair{9, 11}, {10, 12}, {8, 2}, {11, 1}}) {
    g.clickKey(key);
    EXPECT_TRUE(f.TileAnchor(3) == anchor && f.Overlaps == 0) << key;
  }
  g.clickKey(1);
  EXPECT_TRUE(g.sys.spoken.empty());
  put(0, kRow, 0, 0);  // squares 0..4
  put(1, kRow, 0, 4);  // squares 4..8
  EXPECT_EQ(f.Overlaps, 1);
  put(2, kBar, 0, 4);  // squares 4, 14, 24, 34, 44
  EXPECT_TRUE(f.SqCount(4) == 3 && f.Overlaps == 2);
  EXPECT_EQ(g.sys.spoken, std::vector<std::string>(2, kOverlap));
  g.clickKey(9);  // the bar leaves square 4
  EXPECT_EQ(f.Overlaps, 1);
  g.sys.spoken.clear();
  g.clickTile(5);  // selecting a tile in the box places it again
  g.clickKey(10);  // the second row leaves square 4: nothing more to say
  EXPECT_EQ(g.sys.spoken, std::vector<std::string>{kOverlap});
  EXPECT_TRUE(f.Overlaps == 0 && f.PlacedSquares == 15);
}

// Five rows fill the 5 by 5 box; a spare tile on top keeps it unsolved.
TEST_F(TileTest, ABoxIsSolvedWhenEverySquareIsCoveredOnce) {
  g.selectSize("5 by  5");
  for (int t = 0; t < 4; ++t) put(t, kRow, t, 0);
  EXPECT_TRUE(g.sys.spoken.empty());
  put(5, kBar, 0, 0);
  put(4, kRow, 4, 0);
  EXPECT_EQ(g.lastSpoken(), kOverlap);
  EXPECT_EQ(f.PlacedSquares, 30);
  g.clickTile(25);
  g.sys.spoken.clear();
  g.clickKey(1);  // resetting the spare leaves no overlap and says nothing
  EXPECT_TRUE(g.sys.spoken.empty());
  EXPECT_EQ(f.FlexBox().textAt(1, 0), "5");
  g.clickTile(0);  // placing any tile again solves it
  EXPECT_EQ(g.sys.spoken, std::vector<std::string>{"Well done, the puzzle is solved"});
  for (int r = 0; r < 5; ++r) {
    for (int c = 0; c <= 5; ++c) EXPECT_EQ(f.FlexBox().textAt(r, c), " ") << r << "," << c;
  }
}

TEST_F(TileTest, ResettingASixSquareTileInTheBox) {
  g.selectSquares(1);
  g.clickTile(20);  // a square of tile 3
  g.clickCell(0, 0);
  put(5, {{0, 1, 2, 3, 4, 5}, 1, 6}, 3, 0);
  ASSERT_EQ(f.PlacedSquares, 12);
  g.clickKey(1);
  EXPECT_TRUE(f.PlacedSquares == 6 && f.TileAnchor(3) == 0);  // the other tile stays
  for (int b = 30; b < 36; ++b) {
    const Control& button = f.ComTile(b);
    EXPECT_TRUE(button.left() == f.PalLeft(1, b) && button.top() == f.PalTop(1, b) && button.height() == f.BtnH6 &&
                button.width() == f.BtnW6 && button.visible() && f.BtnBoxSq(b) == -1) << b;
  }
  for (int i = 0; i < 6; ++i) EXPECT_FALSE(f.ComBT(i).visible());
  g.clickTile(30);
  EXPECT_EQ(shapeOf(f), shapeOf(f, 5));
}

// Clicks that arrive while the reset speaks of the overlaps left wait until it
// has finished, and then find no tile selected.
TEST_F(TileTest, ResetClearsTheSelectionBeforeItSpeaks) {
  int pending = -1;  // the key of a click that arrives while the reset speaks
  g.sys.onDoEvents = [&] { if (pending >= 0) g.clickKey(std::exchange(pending, -1)); };
  for (int key : {1, 4, 10}) {
    SCOPED_TRACE(key);
    g.clickKey(0);
    put(0, kRow, 0, 0);
    put(1, kRow, 0, 2);
    put(2, kBar, 0, 4);
    g.sys.spoken.clear();
    pending = key;
    g.clickKey(1);
    EXPECT_EQ(g.sys.spoken, (std::vector<std::string>{kOverlap, kSelectFirst}));
    EXPECT_TRUE(f.Overlaps == 3 && f.PlacedSquares == 10);
  }
}

}  // namespace
