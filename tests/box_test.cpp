// Choosing the square count and the box size, and building the box: grey
// squares, the block button, the palette back home and the pattern pools.
#include <gtest/gtest.h>

#include <set>

#include "harness.h"

namespace {

constexpr int32_t kGrey = 0x00C0C0C0;
constexpr int32_t kWhite = 0x00FFFFFF;

std::set<int> greySquares(Form1& f) {
  std::set<int> grey;
  for (int line = 0; line < f.BoxLines; ++line) {
    for (int col = 0; col < f.BoxColumns; ++col) {
      const int32_t back = f.FlexBox().backColorAt(line, col);
      EXPECT_TRUE(back == kGrey || back == kWhite) << line << "," << col;
      if (back == kGrey) grey.insert(line * f.BoxColumns + col);
    }
  }
  return grey;
}

// A box as the player sees it, for comparing two set-ups.
std::vector<int32_t> boxPicture(Form1& f) {
  std::vector<int32_t> picture{f.AvailSquares, f.ComBlock().visible()};
  for (int s = 0; s < f.BoxSquares; ++s) picture.push_back(f.FlexBox().backColorAt(s / f.BoxColumns, s % f.BoxColumns));
  return picture;
}

void expectBlockOver(Form1& f, int line, int col, int lines, int cols) {
  const Control& block = f.ComBlock();
  EXPECT_TRUE(block.visible());
  EXPECT_EQ(block.caption(), "Squares\r\nnot\r\nAvailable");
  EXPECT_FLOAT_EQ(block.left(), f.FlexBox().left() + col * f.GridColWidth);
  EXPECT_FLOAT_EQ(block.top(), f.FlexBox().top() + line * f.GridRowHeight);
  EXPECT_FLOAT_EQ(block.width(), cols * f.GridColWidth + f.ScaleX * 20);
  EXPECT_FLOAT_EQ(block.height(), lines * f.GridRowHeight + f.ScaleY * 20);
}

}  // namespace

TEST(Box, AnOrdinaryBoxIsNumberedWhiteAndSized) {
  Game g;
  Form1& f = g.f();
  g.selectSize("3 by 20");
  EXPECT_EQ(f.BoxCode, "0320");
  EXPECT_EQ(f.BoxSquares, 60);
  EXPECT_EQ(f.AvailSquares, 60);
  EXPECT_TRUE(greySquares(f).empty());
  EXPECT_FALSE(f.ComBlock().visible());
  const GridControl& grid = f.FlexBox();
  ASSERT_EQ(grid.rows(), 4);
  ASSERT_EQ(grid.cols(), 21);
  EXPECT_EQ(f.GridRowHeight, f.SizeCellH(0, f.SizeIndex));
  EXPECT_EQ(f.GridColWidth, f.SizeCellW(0, f.SizeIndex));
  EXPECT_FLOAT_EQ(grid.left(), f.SizeLeft(0, f.SizeIndex));
  EXPECT_FLOAT_EQ(grid.top(), f.SizeTop(0, f.SizeIndex));
  EXPECT_FLOAT_EQ(grid.height(), 3 * f.GridRowHeight + 60);  // the margin is 3 x columns both ways
  EXPECT_FLOAT_EQ(grid.width(), 20 * f.GridColWidth + 60);
  EXPECT_EQ(grid.textAt(1, 7), "27");
  EXPECT_EQ(grid.textAt(0, 20), "20");  // the extra column repeats the next line's first number
  EXPECT_EQ(grid.backColorAt(1, 20), kWhite);
  EXPECT_EQ(grid.colWidth(20), f.CellWidth);
  for (int i = 0; i <= 5; ++i) {
    EXPECT_FALSE(f.ComBT(i).visible());
    EXPECT_FLOAT_EQ(f.ComBT(i).width(), f.CellWidth);
    EXPECT_FLOAT_EQ(f.ComBT(i).height(), f.CellHeight);
    EXPECT_EQ(f.CurBoxSq(i), -1);
    EXPECT_EQ(f.CurBtn(i), -1);
  }
  for (Control* label : {&f.LabBSq(), &f.LabBLine(), &f.LabBCol(), &f.LabTNo(), &f.LabTLines(), &f.LabTCols()})
    EXPECT_EQ(label->caption(), " ");
}

TEST(Box, SevenByElevenGreysItsSeventeenSquares) {
  Game g;
  g.selectSize("7 by 11");
  Form1& f = g.f();
  EXPECT_EQ(f.BoxCode, "0711");
  EXPECT_EQ(f.AvailSquares, 60);
  // Lines 0 and 6 by columns 0 and 10, lines 2 and 4 by columns 1 and 9, lines 1, 3, 5 by columns 3, 5, 7.
  EXPECT_EQ(greySquares(f), (std::set<int>{0, 10, 66, 76, 23, 31, 45, 53, 14, 16, 18, 36, 38, 40, 58, 60, 62}));
  EXPECT_FALSE(f.ComBlock().visible());
}

TEST(Box, FifteenByFifteenBlocksItsMiddle) {
  Game g;
  g.selectSquares(1);
  g.selectSize("15 by 15");
  Form1& f = g.f();
  EXPECT_EQ(f.BoxCode, "1515");
  EXPECT_EQ(f.AvailSquares, 210);
  std::set<int> expected;
  for (int line = 6; line <= 8; ++line)
    for (int col = 5; col <= 9; ++col) expected.insert(line * 15 + col);
  EXPECT_EQ(greySquares(f), expected);
  expectBlockOver(f, 6, 5, 3, 5);
}

TEST(Box, PatternedBoxesDrawEveryPatternOnceBeforeRefilling) {
  const struct {
    const char* size;
    const char* prefix;
    int patterns;
    size_t grey;
    int16_t Form1::*poolCount;
  } boxes[] = {{"8 by  8", "88", 19, 4, &Form1::Pool88Count}, {"8 by 10", "8T", 12, 20, &Form1::Pool810Count}};
  for (const auto& box : boxes) {
    SCOPED_TRACE(box.size);
    Game g;
    Form1& f = g.f();
    std::set<std::string> codes, all;
    for (int n = 1; n <= box.patterns; ++n) {
      g.selectSize(box.size);
      ASSERT_EQ(f.BoxCode.size(), 4u);
      EXPECT_EQ(f.BoxCode.substr(0, 2), box.prefix);
      codes.insert(f.BoxCode.substr(2));
      all.insert(formatZero(n - 1, 2));
      EXPECT_EQ(f.*box.poolCount, box.patterns - n);
      EXPECT_EQ(f.AvailSquares, 60) << f.BoxCode;
      const std::set<int> grey = greySquares(f);
      EXPECT_EQ(grey.size(), box.grey) << f.BoxCode;
      if (box.grey == 4 && f.BlockLine < 4) {
        expectBlockOver(f, f.BlockLine, f.BlockCol, 2, 2);
        const int corner = f.BlockLine * 8 + f.BlockCol;  // the block covers exactly the grey squares
        EXPECT_EQ(grey, (std::set<int>{corner, corner + 1, corner + 8, corner + 9})) << f.BoxCode;
      } else {
        EXPECT_FALSE(f.ComBlock().visible()) << f.BoxCode;
      }
      g.selectSize("7 by 11");
    }
    EXPECT_EQ(codes, all);
    EXPECT_EQ(f.Pool88Count + f.Pool810Count, 0);  // the other pool was never touched
    g.selectSize(box.size);
    EXPECT_EQ(f.*box.poolCount, box.patterns - 1);
    EXPECT_TRUE(all.count(f.BoxCode.substr(2)));
  }
}

TEST(Box, ClearingKeepsThePatternAndUndoesThePlay) {
  Game g;
  Form1& f = g.f();
  g.selectSize("8 by  8");
  const std::string code = f.BoxCode;
  const std::vector<int32_t> before = boxPicture(f);
  g.clickTile(0);
  for (int s = 0; s < 64 && f.PlacedSquares == 0; ++s) g.clickCell(s / 8, s % 8);
  ASSERT_EQ(f.PlacedSquares, 5);
  g.clickKey(4);  // turned in the box
  for (int round = 0; round < 2; ++round) {
    g.clickKey(0);
    EXPECT_EQ(f.BoxCode, code);
    EXPECT_EQ(f.Pool88Count, 18);
    EXPECT_EQ(boxPicture(f), before);
    EXPECT_FALSE(f.TileSelected);
    EXPECT_EQ(f.AnchorSq, -1);
    EXPECT_EQ(f.TileAnchor(0), -1);
    EXPECT_EQ(f.LinesOf(0), f.LinesOrig(0, 0));
    EXPECT_EQ(f.ColsOf(0), f.ColsOrig(0, 0));
    for (int s = 0; s < 5; ++s) EXPECT_EQ(f.Shape(0, s), f.ShapeOrig(0, 0, s));
    EXPECT_EQ(checkBookkeeping(f), "");
  }
}

TEST(Box, TheSquareCountSwitchesPaletteListAndBox) {
  Game g;
  Form1& f = g.f();
  g.selectSize("8 by  8");
  for (int variant : {1, 0}) {
    SCOPED_TRACE(variant);
    g.selectSquares(variant);
    const int squares = variant + 5;
    EXPECT_EQ(f.TileSquares, squares);
    EXPECT_EQ(f.SqText, std::to_string(squares));
    EXPECT_EQ(f.LastTile, variant ? 34 : 11);
    EXPECT_EQ(f.LastBtn, variant ? 209 : 59);
    EXPECT_EQ(f.VideoPath, f.AppDir + "VIDINFO" + std::to_string(squares) + ".TXT");
    EXPECT_EQ(f.ListBoxSize().listIndex(), 0);
    EXPECT_EQ(f.ListBoxSize().list(0), variant ? "12 by 15" : "6 by 10");
    EXPECT_EQ(f.BoxCode, variant ? "1215" : "0610");
    EXPECT_EQ(f.AvailSquares, variant ? 180 : 60);
    EXPECT_EQ(f.Pool88Count, 18);  // the pools survive the change
    const float width = (variant ? f.BtnW6 : f.BtnW5) - 3, height = (variant ? f.BtnH6 : f.BtnH5) - 3;
    for (int b = 0; b <= 209; ++b) {
      const Control& c = f.ComTile(b);
      ASSERT_EQ(c.visible(), b <= f.LastBtn) << b;
      if (b > f.LastBtn) continue;
      EXPECT_FLOAT_EQ(c.left(), f.PalLeft(variant, b)) << b;
      EXPECT_FLOAT_EQ(c.top(), f.PalTop(variant, b)) << b;
      EXPECT_FLOAT_EQ(c.width(), width);
      EXPECT_FLOAT_EQ(c.height(), height);
      EXPECT_EQ(c.backColor(), f.TileColor(b / squares)) << b;
      EXPECT_EQ(c.caption(), b % squares ? "" : std::to_string(b / squares)) << b;
    }
    for (int b = 0; b <= 224; ++b) {
      EXPECT_EQ(f.BtnBoxSq(b), -1);
      EXPECT_EQ(f.SqCount(b), 0);
    }
  }
}

TEST(Box, DamagedPatternsGreyOnlyWhatTheyCan) {
  // Every 8 by 8 pattern names square 01 twice and square 99, which lies outside the box.
  std::string file = "B00008 08 4000 3000 500\r\n";
  for (int i = 0; i <= 18; ++i) file += "E" + formatZero(i, 2) + " 9901019902\r\n";
  TempDir dir;
  dir.write("PENTIPOS.TXT", file);
  Game g(1920, 1080, dir.path());
  EXPECT_TRUE(g.sys.messages.empty());
  EXPECT_EQ(g.f().BoxSize, "8 by  8");
  EXPECT_EQ(greySquares(g.f()), (std::set<int>{1, 2}));
  EXPECT_EQ(g.f().AvailSquares, 62);
  EXPECT_FALSE(g.f().ComBlock().visible());
}

TEST(Box, ASquareCountWithoutSizesSelectsNothing) {
  std::string file;
  for (int slot = 0; slot <= 5; ++slot) file += "B0" + formatZero(slot, 2) + "00 00\r\n";
  TempDir dir;
  dir.write("PENTIPOS.TXT", file);
  Game g(1920, 1080, dir.path());
  EXPECT_EQ(g.sys.messages, std::vector<std::string>{});
  EXPECT_TRUE(g.f().OptSq(0).value());
  EXPECT_EQ(g.f().ListBoxSize().listCount(), 0);
  EXPECT_EQ(g.f().ListBoxSize().listIndex(), -1);
  g.selectSquares(1);  // the other square count still works, and sets its first box up
  EXPECT_EQ(g.f().ListBoxSize().listCount(), 6);
  EXPECT_EQ(g.f().ListBoxSize().listIndex(), 0);
  EXPECT_EQ(g.f().BoxCode, "1215");
}
