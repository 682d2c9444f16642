// Tile handling as the player meets it: selecting, placing, turning,
// mirroring, moving and resetting tiles, with the occupancy bookkeeping and
// the sentences spoken on refusals and events.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <vector>

#include "harness.h"
#include "pentomino_solver.h"

namespace {

// Texts of the shipped message file.
const std::string kAtTop = "The tile is already at the top of the box";
const std::string kAtBottom = "The tile is already at the bottom of the box";
const std::string kNotRight = "The tile cannot move right into column";
const std::string kNotLeft = "The tile cannot move left of column";
const std::string kNotInBox = "Put the tile in the box before moving it";
const std::string kSelectFirst = "Please select a tile first";
const std::string kOverlap = "Some tile squares overlap";
const std::string kNoFit = "The tile does not fit at line";
const std::string kSolved = "Well done, the puzzle is solved";

// Shapes of five squares as codes line * 5 + column, with their bounding box.
struct Outline {
  std::vector<int> codes;
  int lines, cols;
};
const Outline kRow{{0, 1, 2, 3, 4}, 1, 5};
const Outline kBar{{0, 5, 10, 15, 20}, 5, 1};
const Outline kEll{{0, 5, 10, 15, 16}, 4, 2};
const Outline kTee{{0, 1, 2, 6, 11}, 3, 3};

std::vector<int> selectedShape(Form1& f) {
  std::vector<int> codes;
  for (int i = 0; i < f.TileSquares; ++i) codes.push_back(f.CurShape(i));
  return codes;
}

std::vector<int> firstShape(Form1& f, int tile) {
  std::vector<int> codes;
  for (int i = 0; i < f.TileSquares; ++i) codes.push_back(f.ShapeOrig(f.SqVariant, tile, i));
  return codes;
}

class TileTest : public ::testing::Test {
 protected:
  Game g;
  Form1& f = g.f();

  // Selects a tile that is not in the box and gives it a shape, as turns
  // and mirrorings would have left it.
  void pick(int tile, const Outline& form) {
    g.clickTile(tile * f.TileSquares);
    for (size_t i = 0; i < form.codes.size(); ++i)
      f.CurShape(static_cast<int>(i)) = static_cast<int16_t>(form.codes[i]);
    f.TileLines = static_cast<int16_t>(form.lines);
    f.TileCols = static_cast<int16_t>(form.cols);
  }
  void put(int tile, const Outline& form, int line, int col) {
    pick(tile, form);
    g.clickCell(line, col);
  }
  size_t said() const { return g.sys.spoken.size(); }
  // The player's click arrives while the next sentence is about to be spoken.
  void whileSpeaking(std::function<void()> click) {
    pending_ = std::move(click);
    g.sys.onDoEvents = [this] {
      auto run = std::move(pending_);
      pending_ = nullptr;
      if (run) run();
    };
  }
  std::function<void()> pending_;
  void expectSound() {
    EXPECT_EQ(checkBookkeeping(f), "");
    EXPECT_TRUE(g.sys.messages.empty()) << g.sys.messages.front();
  }
};

TEST_F(TileTest, TurnsAndMirrorsOfTheWorkedShape) {
  struct Case {
    int key;
    std::vector<int> codes;
    int lines, cols;
  };
  const Case cases[] = {
      {4, {3, 2, 1, 0, 5}, 2, 4},     // Rotate Right
      {5, {5, 6, 7, 8, 3}, 2, 4},     // Rotate Left
      {6, {1, 6, 11, 16, 15}, 4, 2},  // Flip Vertical: left to right
      {7, {15, 10, 5, 0, 1}, 4, 2},   // Flip Horizontal: top to bottom
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    pick(1, kEll);
    g.clickKey(c.key);
    EXPECT_EQ(f.LastKey, c.key + 1);
    EXPECT_EQ(selectedShape(f), c.codes);
    EXPECT_EQ(f.TileLines, c.lines);
    EXPECT_EQ(f.TileCols, c.cols);
    EXPECT_EQ(f.LabTLines().caption(), std::to_string(c.lines));
    EXPECT_EQ(f.LabTCols().caption(), std::to_string(c.cols));
    for (int i = 0; i < 5; ++i) {  // the display draws the new shape at its origin
      EXPECT_EQ(f.ComBT(i).left(), f.BTLeft + f.CellWidth * (c.codes[i] % 5));
      EXPECT_EQ(f.ComBT(i).top(), f.BTTop + f.CellHeight * (c.codes[i] / 5));
    }
  }
}

// Every tile of both sets: after each step the shape is normalised and fills
// its bounding box; four quarter turns or two equal mirrorings give it back.
TEST_F(TileTest, TurningAndMirroringEveryTileComesBackToItsStart) {
  for (int variant : {0, 1}) {
    g.selectSquares(variant);
    const int n = f.TileSquares;
    for (int tile = 0; tile <= f.LastTile; ++tile) {
      g.clickTile(tile * n);
      const std::vector<int> start = firstShape(f, tile);
      ASSERT_EQ(selectedShape(f), start) << "tile " << tile;
      for (auto [key, presses] : {std::pair{4, 4}, {5, 4}, {6, 2}, {7, 2}}) {
        for (int p = 0; p < presses; ++p) {
          g.clickKey(key);
          std::set<int> lines, cols, codes;
          for (int code : selectedShape(f)) codes.insert(code), lines.insert(code / n), cols.insert(code % n);
          ASSERT_EQ(codes.size(), static_cast<size_t>(n)) << "tile " << tile << " key " << key;
          ASSERT_EQ(*lines.begin() + *cols.begin(), 0) << "tile " << tile << " key " << key;
          ASSERT_EQ(*lines.rbegin() + 1, f.TileLines) << "tile " << tile << " key " << key;
          ASSERT_EQ(*cols.rbegin() + 1, f.TileCols) << "tile " << tile << " key " << key;
        }
        EXPECT_EQ(selectedShape(f), start) << "tile " << tile << " key " << key;
      }
    }
  }
  expectSound();
}

TEST_F(TileTest, PlacementChecksTheBoxEdgesOnly) {
  struct Case {
    std::string box;
    Outline form;
    int line, col;
    std::string refusal;  // "" when the tile fits
  };
  const Case cases[] = {
      {"5 by  8", kRow, 0, 3, ""},
      {"5 by  8", kRow, 2, 3, ""},
      {"5 by  8", kRow, 0, 4, " 0 Column  4"},
      {"6 by 10", kBar, 1, 0, ""},
      {"6 by 10", kBar, 2, 9, " 2 Column  9"},
      {"6 by 10", kEll, 0, 10, " 0 Column 10"},  // the grid's extra column
      {"6 by 10", kEll, 6, 0, " 6 Column  0"},   // the grid's extra row
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box + " " + std::to_string(c.line) + "," + std::to_string(c.col));
    g.selectSize(c.box);
    put(2, c.form, c.line, c.col);
    if (c.refusal.empty()) {
      const int anchor = c.line * f.BoxColumns + c.col;
      EXPECT_EQ(said(), 0u);
      EXPECT_EQ(f.TileAnchor(2), anchor);
      EXPECT_EQ(f.PlacedSquares, 5);
      EXPECT_EQ(f.LabBLine().caption(), std::to_string(c.line));
      EXPECT_EQ(f.LabBCol().caption(), std::to_string(c.col));
      EXPECT_EQ(f.LabBSq().caption(), std::to_string(anchor));
      for (int i = 0; i < 5; ++i) {
        const int q = anchor + f.BoxColumns * (c.form.codes[i] / 5) + c.form.codes[i] % 5;
        EXPECT_EQ(f.BtnBoxSq(10 + i), q);
        EXPECT_EQ(f.SqCount(q), 1);
      }
    } else {
      EXPECT_EQ(g.lastSpoken(), kNoFit + c.refusal);
      EXPECT_EQ(f.PlacedSquares, 0);
      EXPECT_EQ(f.TileAnchor(2), -1);
      EXPECT_TRUE(f.TileSelected);
      EXPECT_EQ(selectedShape(f), firstShape(f, 2));  // the refused shape is undone
    }
    expectSound();
    g.sys.spoken.clear();
  }
}

TEST_F(TileTest, MovesStepOneSquareOverTheTilesOwnCells) {
  put(3, kEll, 0, 1);
  for (auto [key, anchor] : {std::pair{9, 11}, {10, 12}, {8, 2}, {11, 1}}) {
    g.clickKey(key);
    EXPECT_EQ(f.TileAnchor(3), anchor) << key;
    EXPECT_EQ(f.PlacedSquares, 5);
    EXPECT_EQ(f.Overlaps, 0);
  }
  EXPECT_EQ(said(), 0u);
  expectSound();
}

TEST_F(TileTest, MovesOutOfTheBoxAreRefusedWithTheEdge) {
  struct Case {
    Outline form;
    int line, col, key;
    std::string text;
  };
  const Case cases[] = {
      {kEll, 0, 0, 11, kNotLeft + "  0"},
      {kEll, 0, 0, 8, kAtTop},
      {kTee, 0, 5, 10, kNotRight + "  8"},
      {kEll, 1, 3, 9, kAtBottom},
  };
  g.selectSize("5 by  8");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    put(4, c.form, c.line, c.col);
    const int anchor = f.TileAnchor(4);
    g.clickKey(c.key);
    EXPECT_EQ(g.lastSpoken(), c.text);
    EXPECT_EQ(f.TileAnchor(4), anchor);
    expectSound();
    g.clickKey(1);
  }
}

TEST_F(TileTest, WithoutATileInTheBoxNothingMoves) {
  for (int key : {1, 4, 5, 6, 7, 8, 9, 10, 11}) {
    g.clickKey(key);
    EXPECT_EQ(g.lastSpoken(), kSelectFirst) << key;
  }
  g.clickCell(0, 0);
  EXPECT_EQ(g.lastSpoken(), kSelectFirst);
  g.clickTile(0);
  for (int key : {8, 9, 10, 11}) {
    g.sys.spoken.clear();
    g.clickKey(key);
    EXPECT_EQ(g.sys.spoken, std::vector<std::string>{kNotInBox}) << key;
  }
  EXPECT_EQ(f.PlacedSquares, 0);
  expectSound();
}

TEST_F(TileTest, TurningAgainstTheBottomEdgeIsRefusedAndUndone) {
  put(0, kRow, 5, 0);
  g.clickKey(4);
  EXPECT_EQ(g.lastSpoken(), kNoFit + " 5 Column  0");
  EXPECT_EQ(selectedShape(f), kRow.codes);
  EXPECT_EQ(f.TileLines, 1);
  EXPECT_EQ(f.TileAnchor(0), 50);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(f.BtnBoxSq(i), 50 + i);
  expectSound();
}

TEST_F(TileTest, OverlapsCountTheSurplusSquares) {
  put(0, kRow, 0, 0);  // squares 0..4
  put(1, kRow, 0, 4);  // squares 4..8
  EXPECT_EQ(f.Overlaps, 1);
  put(2, kBar, 0, 4);  // squares 4, 14, 24, 34, 44
  EXPECT_EQ(f.SqCount(4), 3);
  EXPECT_EQ(f.Overlaps, 2);
  EXPECT_EQ(g.lastSpoken(), kOverlap);
  g.clickKey(9);  // the bar leaves square 4
  EXPECT_EQ(f.Overlaps, 1);
  g.clickTile(5);  // selecting a tile in the box places it again
  EXPECT_EQ(g.lastSpoken(), kOverlap);
  const size_t before = said();
  g.clickKey(10);  // the second row leaves square 4
  EXPECT_EQ(f.Overlaps, 0);
  EXPECT_EQ(f.PlacedSquares, 15);
  EXPECT_EQ(said(), before);
  expectSound();
}

// Finds a tiling of the box with the shipped tiles and plays it with the
// player's clicks: each tile is turned outside the box until it has the
// orientation of the tiling, then set down at its bounding box's corner.
TEST_F(TileTest, SolvingTheBoxByHand) {
  g.selectSize("5 by  5");
  std::vector<tiling::Piece> pieces;
  for (int t = 0; t <= f.LastTile; ++t) {
    tiling::Piece piece;
    for (int code : firstShape(f, t)) piece.push_back({code / 5, code % 5});
    pieces.push_back(piece);
  }
  const auto solution = tiling::solve(5, 5, std::vector<bool>(25, false), pieces);
  ASSERT_TRUE(solution.has_value());
  ASSERT_EQ(solution->size(), 5u);

  auto play = [&](const tiling::Placement& p) {
    int line = 5, col = 5;
    for (const tiling::Cell& c : p.squares) line = std::min(line, c.line), col = std::min(col, c.column);
    std::set<int> wanted;
    for (const tiling::Cell& c : p.squares) wanted.insert((c.line - line) * 5 + c.column - col);
    g.clickTile(p.piece * 5);
    for (int step = 0; step < 8; ++step) {
      const std::vector<int> now = selectedShape(f);
      if (std::set<int>(now.begin(), now.end()) == wanted) break;
      g.clickKey(step == 3 ? 6 : 4);
    }
    g.clickCell(line, col);
    EXPECT_EQ(f.TileAnchor(p.piece), line * 5 + col);
  };
  for (int i = 0; i < 4; ++i) play((*solution)[i]);
  EXPECT_EQ(said(), 0u);

  // A spare tile on top, then the last tile: the box is covered but not solved.
  int spare = 0;
  while (std::any_of(solution->begin(), solution->end(), [&](const auto& p) { return p.piece == spare; })) ++spare;
  g.clickTile(spare * 5);
  g.clickCell(0, 0);
  play((*solution)[4]);
  EXPECT_EQ(g.lastSpoken(), kOverlap);
  EXPECT_EQ(f.PlacedSquares, 30);

  // Resetting the spare takes away every overlap without a word...
  g.clickTile(spare * 5);
  const size_t before = said();
  g.clickKey(1);
  EXPECT_EQ(f.Overlaps, 0);
  EXPECT_EQ(said(), before);
  EXPECT_EQ(f.FlexBox().textAt(0, 0), "0");

  // ...and placing any tile of the tiling again solves the puzzle.
  g.clickTile((*solution)[0].piece * 5);
  EXPECT_EQ(g.lastSpoken(), kSolved);
  for (int r = 0; r < 5; ++r) {
    for (int c = 0; c <= 5; ++c) EXPECT_EQ(f.FlexBox().textAt(r, c), " ") << r << "," << c;
  }
  g.clickTile((*solution)[1].piece * 5);  // and again on every selection
  EXPECT_EQ(g.lastSpoken(), kSolved);
  EXPECT_EQ(f.PlacedSquares, 25);
  expectSound();
}

TEST_F(TileTest, SelectingBySquareAndResettingASixSquareTile) {
  g.selectSquares(1);
  g.clickTile(20);
  EXPECT_EQ(f.TileNo, 3);
  EXPECT_EQ(f.FirstBtn, 18);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(f.CurBtn(i), 18 + i);
  EXPECT_EQ(f.LabTNo().caption(), "3");
  g.clickCell(0, 0);
  put(5, {{0, 1, 2, 3, 4, 5}, 1, 6}, 3, 0);
  ASSERT_EQ(f.PlacedSquares, 12);

  g.clickKey(1);
  EXPECT_EQ(f.PlacedSquares, 6);
  EXPECT_FALSE(f.TileSelected);
  EXPECT_EQ(f.AnchorSq, -1);
  EXPECT_EQ(f.TileAnchor(5), -1);
  for (int b = 30; b < 36; ++b) {
    const Control& button = f.ComTile(b);
    EXPECT_EQ(button.left(), f.PalLeft(1, b)) << b;
    EXPECT_EQ(button.top(), f.PalTop(1, b)) << b;
    EXPECT_EQ(button.height(), f.BtnH6);
    EXPECT_EQ(button.width(), f.BtnW6);
    EXPECT_TRUE(button.visible());
    EXPECT_EQ(f.BtnBoxSq(b), -1);
  }
  for (int i = 0; i < 6; ++i) EXPECT_FALSE(f.ComBT(i).visible());
  for (Control* label : {&f.LabBSq(), &f.LabBLine(), &f.LabBCol(), &f.LabTNo(), &f.LabTLines(), &f.LabTCols()}) {
    EXPECT_EQ(label->caption(), " ");
  }
  EXPECT_EQ(f.TileAnchor(3), 0);  // the other tile stays
  expectSound();
}

TEST_F(TileTest, ATurnedTileLeftOutsideTheBoxGoesBackToItsFirstOrientation) {
  put(0, kRow, 0, 0);
  auto expectHome = [&] {
    EXPECT_EQ(f.PlacedSquares, 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(f.Shape(6, i), f.ShapeOrig(0, 6, i));
    EXPECT_EQ(f.LinesOf(6), f.LinesOrig(0, 6));
    for (int b = 30; b < 35; ++b) EXPECT_TRUE(f.ComTile(b).visible());
  };
  g.clickTile(30);
  g.clickKey(4);
  ASSERT_NE(selectedShape(f), firstShape(f, 6));
  g.clickKey(1);
  expectHome();
  g.clickTile(30);
  EXPECT_EQ(selectedShape(f), firstShape(f, 6));
  EXPECT_EQ(f.TileLines, f.LinesOrig(0, 6));

  g.clickKey(5);
  g.clickTile(35);  // selecting another tile returns the turned one
  expectHome();
  expectSound();
}

// Reset speaks about the overlaps that remain; the player's clicks handled
// while it speaks find no tile selected.
TEST_F(TileTest, ResetClearsTheSelectionBeforeItSpeaks) {
  for (int key : {1, 4, 10}) {
    SCOPED_TRACE(key);
    g.clickKey(0);
    put(0, kRow, 0, 0);
    put(1, kRow, 0, 2);
    put(2, kBar, 0, 4);
    g.sys.spoken.clear();
    whileSpeaking([&] { g.clickKey(key); });
    g.clickKey(1);
    ASSERT_EQ(g.sys.spoken.size(), 2u);  // the inner click's sentence comes first
    EXPECT_EQ(g.sys.spoken[0], kSelectFirst);
    EXPECT_EQ(g.sys.spoken[1], kOverlap);  // and the reset's own sentence is not lost
    EXPECT_EQ(f.Overlaps, 3);
    EXPECT_EQ(f.PlacedSquares, 10);
    expectSound();
  }
}

// While a refusal is spoken the tile is where it stands, not at the refused
// anchor, and the refusal still holds afterwards.
TEST_F(TileTest, ClicksDuringARefusalSeeTheTileWhereItStands) {
  pick(0, kEll);
  whileSpeaking([&] { g.clickKey(11); });
  g.clickCell(5, 9);
  EXPECT_EQ(g.sys.spoken.front(), kNotInBox);
  EXPECT_EQ(f.PlacedSquares, 0);
  EXPECT_EQ(f.AnchorSq, -1);

  put(0, kEll, 0, 0);
  g.sys.spoken.clear();
  whileSpeaking([&] { g.clickKey(4); });  // turned where it stands
  g.clickCell(5, 9);
  EXPECT_EQ(g.sys.spoken, std::vector<std::string>{kNoFit + " 5 Column  9"});
  EXPECT_EQ(f.TileAnchor(0), 0);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(f.Shape(0, i), (std::vector<int>{3, 2, 1, 0, 5}[i]));
  expectSound();
}

TEST_F(TileTest, ButtonsOfTilesNotInPlayAreIgnored) {
  g.clickTile(60);
  EXPECT_FALSE(f.TileSelected);
  g.clickTile(0);
  g.clickTile(209);
  EXPECT_EQ(f.CurTile, 0);
  EXPECT_FALSE(f.ComTile(0).visible());  // tile 0 still shown in the box-tile display
  expectSound();

  // The tile set changes while the reset of the tile left outside speaks.
  g.selectSquares(1);
  const Outline row{{0, 1, 2, 3, 4, 5}, 1, 6};
  put(0, row, 0, 0);
  put(1, row, 0, 0);
  g.clickTile(12);
  whileSpeaking([&] { g.selectSquares(0); });
  g.clickTile(209);
  EXPECT_EQ(f.TileSquares, 5);
  EXPECT_FALSE(f.TileSelected);
  expectSound();
}

// Keys 2 and 3 only record the key; every key lets a waiting video go on.
TEST_F(TileTest, EveryActionButtonLetsAWaitingVideoGoOn) {
  for (int key = 0; key < 12; ++key) {
    f.VideoState = 7;
    f.ClickFlag.clear();
    f.Timer1().setEnabled(false);
    const size_t before = said();
    g.clickKey(key);
    EXPECT_EQ(f.LastKey, key + 1);
    EXPECT_TRUE(f.Timer1().enabled() && f.TimerState == 7 && f.ClickFlag == "Y") << key;
    EXPECT_TRUE(said() > before || key == 0 || key == 2 || key == 3) << key;
    EXPECT_FALSE(said() > before && (key == 2 || key == 3)) << key;
  }
}

// A zero divisor is a program error: the handler stops with a message box
// and the game goes on.
TEST_F(TileTest, DivisionByZeroStopsTheHandlerOnly) {
  put(0, kRow, 0, 0);
  f.BoxColumns = 0;
  g.clickKey(4);
  EXPECT_EQ(g.sys.messages.size(), 1u);
  f.TileSquares = 0;
  g.clickTile(3);
  EXPECT_EQ(g.sys.messages.size(), 2u);
  g.selectSquares(1);  // a new box: the game goes on
  g.clickTile(0);
  g.clickCell(0, 0);
  EXPECT_EQ(f.PlacedSquares, 6);
}

}  // namespace
