// The information label: the hint of each control under the pointer, with
// its figures padded to fixed widths; the game in words and the aids.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>
#include <tuple>

#include "harness.h"
#include "play/key_codes.h"

TEST(Hover, ControlsExplainThemselves) {
  Game g;
  Form1& f = g.f();
  g.clickTile(10);  // tile 2 selected, outside the box
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[&] { f.ComKey(0).mouseMove(0, 0, 10, 10); }, "Click to\r\nClear Puzzle\r\n 0"},
      {[&] { f.OptSq(1).mouseMove(0, 0, 0, 0); }, "Click for \r\n6 Squares\r\nin a Tile\r\n 1"},
      {[&] { f.ComTile(7).mouseMove(0, 0, 0, 0); }, "Click to\r\nSelect Tile NT= 1\r\nSQ=-1"},
      {[&] { f.BtnBoxSq(7) = 12, f.Overlaps = 2, f.ComTile(7).mouseMove(0, 0, 0, 0); },
       "Click to\r\nSelect Tile NT= 1\r\nSQ=12 Overlap=  2"},
      {[&] { f.ComBT(0).mouseMove(0, 0, 0, 0); }, "Click to Select\r\nBox Tile NT= 2\r\n SQ=-1"},
      {[&] { f.CurBoxSq(0) = 7, f.ComBT(0).mouseMove(0, 0, 0, 0); },
       "Click to Select\r\nBox Tile NT= 2\r\n SQ=7 Overlap=  2"},
  };
  for (const auto& [hover, tip] : cases) {
    hover();
    EXPECT_EQ(f.LabTip().caption(), tip);
  }
}

// Figures only for squares of the box: never for the grid's extra row and
// column nor beyond its edges, in any box.
TEST(Hover, GridShowsFiguresOnlyForSquaresOfTheBox) {
  Game g;
  Form1& f = g.f();
  auto over = [&](float col, float line) {
    f.FlexBox().mouseMove(0, 0, col * f.GridColWidth, line * f.GridRowHeight);
    return f.LabTip().caption();
  };
  const std::tuple<int, std::string, int, int, std::string> cases[] = {
      {0, "5 by  8", 0, 0, "Sq=  0 Row  0 Col  0"},
      {1, "15 by 15", 14, 14, "Sq=224 Row 14 Col 14"},
  };
  for (const auto& [squares, box, line, col, figures] : cases) {
    g.selectSquares(squares);
    g.selectSize(box);
    f.SqCount(line * f.BoxColumns + col) = 3;
    EXPECT_EQ(over(col + 0.5f, line + 0.5f), "Click to\r\nMove Tile Here\r\n" + figures + "\r\n Overlap=  3");
  }
  for (int squares : {0, 1}) {
    g.selectSquares(squares);
    for (int i = 0; i < f.ListBoxSize().listCount(); ++i) {
      f.ListBoxSize().setListIndex(i);
      const float cols = f.BoxColumns, lines = f.BoxLines;
      for (auto [x, y] : {std::pair{cols + 0.01f, 0.5f}, {0.5f, lines + 0.01f}, {-0.01f, 0.5f}, {0.5f, -0.01f}})
        EXPECT_EQ(over(x, y), "Click to\r\nMove Tile Here") << f.BoxSize << " at " << x << "," << y;
    }
  }
}

// The words a screen reader and the spoken descriptions share: squares free,
// grey, under one tile or two; shapes as turned now; where the tiles stand.
// Spoken, what the by-ear test cannot hear apart: a tile's setting said
// before the overlap, a turn in place saying the shape only, silence once
// switched off, and both switches read back at the next start.
TEST(Describe, SquaresShapesAndStandingAndWhenTheyAreSpoken) {
  Game g;
  Form1& f = g.f();
  g.selectSize("6 by 10");
  EXPECT_EQ(f.DescribeSquare(47), "Square 47, line 4, column 7: free");
  EXPECT_EQ(f.DescribeSquare(60), "");
  g.press(key::kD);
  g.clickTile(0);
  EXPECT_EQ(f.DescribePlace(0), "selected");
  EXPECT_EQ(f.DescribePlace(1), "in the palette");
  const std::string palette = f.DescribeShape(0);
  g.clickCell(0, 0);
  EXPECT_EQ(f.DescribePlace(0), "selected, in the box at square 0");
  EXPECT_EQ(f.DescribeSquare(f.BtnBoxSq(0)), "Square " + std::to_string(f.BtnBoxSq(0)) + ", line 0, column " +
                                                 std::to_string(f.BtnBoxSq(0)) + ": tile 0");
  g.clickKey(4);  // Rotate Right: lines and columns trade places
  const std::string turned = f.DescribeShape(0);
  EXPECT_EQ(g.lastSpoken(), turned);
  EXPECT_NE(turned, palette);
  EXPECT_EQ(turned.substr(0, 12), "Tile 0, " + palette.substr(13, 1) + " by");
  // A second tile on the first one's square: both named.
  g.clickTile(5);
  g.clickCell(0, 0);
  EXPECT_EQ(g.sys.spoken.end()[-2], "Tile 1 set at square 0");
  EXPECT_NE(g.lastSpoken().find("overlap"), std::string::npos);
  EXPECT_EQ(f.TilesOnSquare(0), (std::vector<int>{0, 1}));
  EXPECT_EQ(f.DescribeSquare(0), "Square 0, line 0, column 0: tiles 0 and 1");
  EXPECT_EQ(f.DescribeStanding().substr(f.DescribeStanding().find('.')),
            ". Tiles left: 2, 3, 4, 5, 6, 7, 8, 9, 10 and 11");
  g.press(key::kD);
  const size_t said = g.sys.described.size();
  g.press(key::kRight);  // moves tile 1
  EXPECT_EQ(g.sys.described.size(), said);
  EXPECT_EQ(g.sys.settings["descriptions"], "off");
  g.selectSize("8 by  8");
  int grey = 0;
  for (int s = 0; s < f.BoxSquares; ++s) grey += f.DescribeSquare(s).ends_with(": grey");
  EXPECT_EQ(grey, f.BoxSquares - f.AvailSquares);
  EXPECT_EQ(f.DescribeStanding(), "0 of 60 squares covered. Tiles left: 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 11");

  FakeServices kept;
  kept.settings = {{"descriptions", "on"}, {"marks", "on"}};
  Form1 next(kept);
  next.Form_Load();
  EXPECT_TRUE(next.DescriptionsOn && next.MarksOn);
  EXPECT_EQ(next.ComTile(1).caption(), "0");
}

// Marks: every square of every tile of both sets numbered, in the palette,
// the box-tile display and the box, in black or white at a contrast of at
// least 4.5 to 1 against the tile's colour, also where an undo brings back
// buttons from before the switch; off again, the look as before.
TEST(Aids, MarksContrastWithEveryTileColour) {
  const auto luminance = [](int32_t c) {
    double sum = 0;
    for (const auto& [shift, weight] : {std::pair{0, 0.2126}, {8, 0.7152}, {16, 0.0722}}) {
      const double v = ((c >> shift) & 0xFF) / 255.0;
      sum += weight * (v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
    }
    return sum;
  };
  Game g;
  Form1& f = g.f();
  for (int squares : {0, 1}) {
    g.selectSquares(squares);
    g.clickTile(0);
    g.clickCell(0, 0);
    const auto look = [&] {
      std::ostringstream s;
      for (int b = 0; b <= f.LastBtn; ++b) s << f.ComTile(b).caption() << ',' << f.ComTile(b).foreColor() << ' ';
      for (int i = 0; i < f.TileSquares; ++i) s << f.ComBT(i).caption() << ',' << f.ComBT(i).foreColor() << ' ';
      return s.str();
    };
    const std::string plain = look();
    f.Marks_Press();
    EXPECT_EQ(g.lastSpoken(), "Tile marks on");
    f.EditUndo();  // tile 0 back in the display, as it was before the marks
    for (int b = 0; b <= f.LastBtn + f.TileSquares; ++b) {
      const Control& button = b <= f.LastBtn ? f.ComTile(b) : f.ComBT(b - f.LastBtn - 1);
      const int tile = b <= f.LastBtn ? b / f.TileSquares : f.CurTile;
      EXPECT_EQ(button.caption(), std::to_string(tile));
      const double ink = luminance(button.foreColor()), back = luminance(f.TileColor(tile));
      EXPECT_GE((std::max(ink, back) + 0.05) / (std::min(ink, back) + 0.05), 4.5) << button.name() << b;
    }
    f.EditRedo();
    f.Marks_Press();
    EXPECT_EQ(look(), plain);
  }
}
