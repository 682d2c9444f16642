// Choosing the square count and the box size, and building the box: grey
// squares, the block button, the palette back home and the pattern pools.
#include <gtest/gtest.h>

#include <set>

#include "harness.h"

namespace {

std::set<int> greySquares(Form1& f) {
  std::set<int> grey;
  for (int s = 0; s < f.BoxLines * f.BoxColumns; ++s)
    if (f.FlexBox().backColorAt(s / f.BoxColumns, s % f.BoxColumns) == 0x00C0C0C0) grey.insert(s);
  return grey;
}

void expectBlockOver(Form1& f, int line, int col, int lines, int cols) {
  const Control& block = f.ComBlock();
  EXPECT_TRUE(block.visible());
  EXPECT_EQ((std::vector<float>{block.left(), block.top(), block.width(), block.height()}),
            (std::vector<float>{f.FlexBox().left() + col * f.GridColWidth, f.FlexBox().top() + line * f.GridRowHeight,
                                cols * f.GridColWidth + f.ScaleX * 20, lines * f.GridRowHeight + f.ScaleY * 20}));
}

TEST(Box, PatternedBoxesDrawEveryPatternOnceBeforeRefilling) {
  const struct {
    const char *size, *prefix;
    int patterns;
    size_t grey;
    int16_t Form1::*poolCount;
  } boxes[] = {{"8 by  8", "88", 19, 4, &Form1::Pool88Count},
                {"8 by 10", "8T", 12, 20, &Form1::Pool810Count}};
  for (const auto& box : boxes) {
    SCOPED_TRACE(box.size);
    Game g;
    Form1& f = g.f();
    std::set<std::string> codes;
    std::set<std::set<int>> greys;  // each pattern in the file unlike the others
    for (int n = 1; n <= box.patterns + 1; ++n) {
      g.selectSize(box.size);
      EXPECT_EQ(f.*box.poolCount, n > box.patterns ? box.patterns - 1 : box.patterns - n);  // refilled
      if (n > box.patterns) break;
      EXPECT_TRUE(codes.insert(f.BoxCode).second) << "drawn twice: " << f.BoxCode;
      EXPECT_EQ(f.BoxCode.substr(0, 2), box.prefix);
      const std::set<int> grey = greySquares(f);
      EXPECT_TRUE(f.AvailSquares == 60 && grey.size() == box.grey && greys.insert(grey).second) << f.BoxCode;
      if (box.grey == 4 && f.BlockLine < 4) {
        expectBlockOver(f, f.BlockLine, f.BlockCol, 2, 2);
        const int corner = f.BlockLine * 8 + f.BlockCol;  // the block covers exactly the grey squares
        EXPECT_EQ(grey, (std::set<int>{corner, corner + 1, corner + 8, corner + 9})) << f.BoxCode;
      } else {
        EXPECT_FALSE(f.ComBlock().visible()) << f.BoxCode;
      }
      g.selectSize("7 by 11");
    }
  }
}

// Each square count brings its palette home and sets its first box up; then
// the boxes with fixed grey squares, and an ordinary one.
TEST(Box, SquareCountsPalettesAndFixedGreySquares) {
  Game g;
  Form1& f = g.f();
  g.selectSize("8 by  8");
  for (int variant : {1, 0}) {
    SCOPED_TRACE(variant);
    g.selectSquares(variant);
    const int squares = variant + 5;
    EXPECT_EQ(f.BoxCode, variant ? "1215" : "0610");
    EXPECT_EQ(f.AvailSquares, variant ? 180 : 60);
    EXPECT_EQ(f.Pool88Count, 18);  // the pools survive the change
    for (int b = 0; b <= 209; ++b) {
      const Control& c = f.ComTile(b);
      ASSERT_EQ(c.visible(), b <= (variant ? 209 : 59)) << b;
      if (!c.visible()) continue;
      EXPECT_TRUE(c.left() == f.PalLeft(variant, b) && c.top() == f.PalTop(variant, b) &&
                  c.width() == (variant ? f.BtnW6 : f.BtnW5) - 3 && c.backColor() == f.TileColor(b / squares)) << b;
      EXPECT_EQ(c.caption(), b % squares ? "" : std::to_string(b / squares)) << b;
    }
  }
  g.selectSize("7 by 11");
  EXPECT_EQ(f.AvailSquares, 60);
  // Lines 0 and 6 by columns 0 and 10, lines 2 and 4 by columns 1 and 9, lines 1, 3, 5 by columns 3, 5, 7.
  EXPECT_EQ(greySquares(f), (std::set<int>{0, 10, 66, 76, 23, 31, 45, 53, 14, 16, 18, 36, 38, 40, 58, 60, 62}));
  EXPECT_FALSE(f.ComBlock().visible());
  g.selectSize("3 by 20");
  EXPECT_TRUE(f.AvailSquares == 60 && greySquares(f).empty());
  EXPECT_EQ(f.FlexBox().textAt(1, 7), "27");
  EXPECT_FLOAT_EQ(f.FlexBox().height(), 3 * f.GridRowHeight + 60);  // the margin is 3 x columns both ways
  g.selectSquares(1);
  g.selectSize("15 by 15");
  EXPECT_EQ(f.AvailSquares, 210);
  std::set<int> middle;
  for (int line = 6; line <= 8; ++line)
    for (int col = 5; col <= 9; ++col) middle.insert(line * 15 + col);
  EXPECT_EQ(greySquares(f), middle);
  expectBlockOver(f, 6, 5, 3, 5);

  // Slots with a gap: the entry after the gap stands for its own slot, in
  // the player's choice and in a video's.
  TempDir dir;
  dir.write("PENTIPOS.TXT", "B11007 08 3000 3000 600\r\n");
  dir.write("VIDINFO6.TXT", "M   45LY6\r\n.\r\n");
  dir.copyShipped("OBJECTS.TXT");
  Game gap(1920, 1080, dir.path());
  gap.selectSquares(1);
  gap.selectSize("7 by  8");
  EXPECT_EQ(gap.f().BoxCode, "0708");
  EXPECT_EQ(gap.f().FlexBox().left(), gap.f().SizeLeft(1, 10));
  gap.sys.yesNoAnswers = {6};
  gap.clickKey(3);
  while (gap.f().Timer1().enabled()) gap.tick();
  EXPECT_EQ(gap.lastSpoken(), "Move the Mouse to ListBox and Scroll down to 7 by  8 and Click");
  EXPECT_TRUE(gap.f().BoxCode == "0708" && gap.sys.messages.empty());
}

}  // namespace
