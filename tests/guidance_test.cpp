// The information label: the hint of each control under the pointer, with
// its figures padded to fixed widths.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <vector>

#include "harness.h"

namespace {

class HintTest : public ::testing::Test {
 protected:
  Game g;
  Form1& f = g.f();

  std::string tip() { return f.LabTip().caption(); }
  // The grid hint with the pointer in the middle of a cell.
  std::string overCell(int line, int col) {
    f.FlexBox().mouseMove(0, 0, (col + 0.5f) * f.GridColWidth, (line + 0.5f) * f.GridRowHeight);
    return tip();
  }
};

TEST_F(HintTest, ControlsExplainThemselves) {
  struct Case {
    std::function<void()> hover;
    std::string tip;
  };
  const std::vector<Case> cases = {
      {[&] { f.ComKey(0).mouseMove(0, 0, 10, 10); }, "Click to\r\nClear Puzzle\r\n 0"},
      {[&] { f.ComKey(11).mouseMove(1, 0, 0, 0); }, "Click to\r\nMove Left\r\n11"},
      {[&] { f.OptSq(1).mouseMove(0, 0, 0, 0); }, "Click for \r\n6 Squares\r\nin a Tile\r\n 1"},
      {[&] { f.ListBoxSize().mouseMove(0, 0, 5, 5); }, "Scroll and Click to\r\nSelect Box Size"},
      {[&] { f.LabTip().mouseMove(0, 0, 0, 0); }, "This label\r\nprovides\r\nInformation"},
      {[&] { f.ComTile(7).mouseMove(0, 0, 0, 0); }, "Click to\r\nSelect Tile NT= 1\r\nSQ=-1"},
  };
  for (const Case& c : cases) {
    f.Form_MouseMove(0, 0, 0, 0);
    EXPECT_EQ(tip(), " ");
    c.hover();
    EXPECT_EQ(tip(), c.tip);
  }
  f.LabTip().setCaption("something else");
  f.LabTip().click();
  EXPECT_EQ(tip(), "This label\r\nprovides\r\nInformation");
}

TEST_F(HintTest, PaletteButtonInTheBoxShowsItsSquareAndTheOverlaps) {
  g.clickTile(5);
  g.clickCell(0, 0);  // tile 1 in the box
  const int button = 7;
  const int q = f.BtnBoxSq(button);
  ASSERT_NE(q, -1);
  f.ComTile(button).mouseMove(0, 0, 0, 0);
  EXPECT_EQ(tip(), "Click to\r\nSelect Tile NT= 1\r\nSQ=" + std::to_string(q) + " Overlap=  0");

  // The figures exactly as shown: square 12, two overlapping squares.
  f.BtnBoxSq(button) = 12;
  f.Overlaps = 2;
  f.ComTile(button).mouseMove(0, 0, 0, 0);
  EXPECT_EQ(tip(), "Click to\r\nSelect Tile NT= 1\r\nSQ=12 Overlap=  2");
  g.selectSquares(1);
  f.ComTile(209).mouseMove(0, 0, 0, 0);
  EXPECT_EQ(tip(), "Click to\r\nSelect Tile NT=34\r\nSQ=-1");
}

TEST_F(HintTest, BoxTileButtonsFollowTheSelectedTile) {
  g.clickTile(10);
  f.ComBT(0).mouseMove(0, 0, 0, 0);
  EXPECT_EQ(tip(), "Click to Select\r\nBox Tile NT= 2\r\n SQ=-1");
  g.clickCell(1, 3);
  const int q = f.CurBoxSq(0);
  ASSERT_NE(q, -1);
  f.ComBT(0).mouseMove(0, 0, 0, 0);
  EXPECT_EQ(tip(), "Click to Select\r\nBox Tile NT= 2\r\n SQ=" + std::to_string(q) + " Overlap=  0");
}

TEST_F(HintTest, GridCellShowsSquareLineColumnAndCount) {
  struct Case {
    int squares;
    std::string box;
    int line, col;
    std::string figures;
  };
  const Case cases[] = {
      {0, "5 by  8", 2, 5, "Sq= 21 Row  2 Col  5"},   {0, "5 by  8", 0, 0, "Sq=  0 Row  0 Col  0"},
      {0, "4 by 15", 3, 14, "Sq= 59 Row  3 Col 14"},  {1, "15 by 15", 14, 14, "Sq=224 Row 14 Col 14"},
      {1, "15 by 15", 10, 0, "Sq=150 Row 10 Col  0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box);
    g.selectSquares(c.squares);
    g.selectSize(c.box);
    const int q = c.line * f.BoxColumns + c.col;
    f.SqCount(q) = 3;
    EXPECT_EQ(overCell(c.line, c.col), "Click to\r\nMove Tile Here\r\n" + c.figures + "\r\n Overlap=  3");
    f.SqCount(q) = 0;
  }
}

TEST_F(HintTest, GridOutsideTheBoxShowsNoFigures) {
  for (int squares : {0, 1}) {
    g.selectSquares(squares);
    for (int i = 0; i < f.ListBoxSize().listCount(); ++i) {
      f.ListBoxSize().setListIndex(i);
      const float w = f.GridColWidth, h = f.GridRowHeight;
      const float right = f.BoxColumns * w, bottom = f.BoxLines * h;
      const std::pair<float, float> points[] = {
          {right + 1, h / 2}, {right + w, bottom + h}, {w / 2, bottom + 1},
          {-1, h / 2},        {w / 2, -0.5f},          {right + 2 * w, 2 * bottom},
      };
      for (auto [x, y] : points) {
        f.FlexBox().mouseMove(0, 0, x, y);
        EXPECT_EQ(tip(), "Click to\r\nMove Tile Here") << f.BoxSize << " at " << x << "," << y;
      }
      // The last square of the box still gets its figures.
      char last[16];
      std::snprintf(last, sizeof last, "Sq=%3d", f.BoxSquares - 1);
      EXPECT_NE(overCell(f.BoxLines - 1, f.BoxColumns - 1).find(last), std::string::npos) << f.BoxSize;
    }
  }
  EXPECT_TRUE(g.sys.messages.empty());
}

}  // namespace
