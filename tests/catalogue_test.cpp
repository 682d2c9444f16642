// Reading the piece data file: every line kind, the field rules and the
// faulty lines that stop reading.
#include <gtest/gtest.h>

#include <cstdio>

#include "harness.h"

namespace {

// A window that reads a piece file written by the test, with given screen factors.
struct Reading {
  FakeServices sys;
  TempDir dir;
  Form1 f{sys};

  void read(const std::string& content, float scaleX = 1, float scaleY = 1) {
    dir.write("PENTIPOS.TXT", content);
    f.PentiposPath = dir.path() + "/PENTIPOS.TXT";
    f.ScaleX = scaleX;
    f.ScaleY = scaleY;
    f.ReadControl();
  }
};

// A T line: button c of variant v at the given Left and Top fields (5 characters each).
std::string tLine(int v, int c, const std::string& left, const std::string& top) {
  char head[8];
  std::snprintf(head, sizeof head, "T%d%03d ", v, c);
  return head + left + top;
}

}  // namespace

TEST(PieceFile, BoxSizeLineIsScaledToTheScreen) {
  Reading r;
  r.read("B00006 10 0480 0960 450\r\nB10715 15 0300 0600 470\r\n", 1.5f, 1.25f);
  EXPECT_TRUE(r.sys.messages.empty());
  EXPECT_TRUE(r.f.TileFits);
  EXPECT_EQ(r.f.SizeLines(0, 0), 6);
  EXPECT_EQ(r.f.SizeCols(0, 0), 10);
  EXPECT_EQ(r.f.SizeLeft(0, 0), 720);
  EXPECT_EQ(r.f.SizeTop(0, 0), 1200);
  EXPECT_EQ(r.f.SizeCellH(0, 0), 562);  // 562.5 to the even neighbour
  EXPECT_EQ(r.f.SizeCellW(0, 0), 675);
  EXPECT_EQ(r.f.SizeCols(1, 7), 15);  // 225 squares still fit
  EXPECT_EQ(r.f.SizeCellH(1, 7), 588);  // 587.5 to the even neighbour
  EXPECT_EQ(r.f.SizeCellW(1, 7), 705);
}

TEST(PieceFile, NumericFieldsFollowTheLeadingNumberRule) {
  const struct {
    const char* left;
    int value;
  } cases[] = {{"  120", 120}, {"1 2  ", 12}, {"1x   ", 1}, {"     ", 0}, {"abc  ", 0},
               {"  2.5", 2},   {"  3.5", 4},  {"-0120", -120}, {" 1e3 ", 1000}};
  std::string file;
  for (int c = 0; c < static_cast<int>(std::size(cases)); ++c) file += tLine(0, c, cases[c].left, "  240") + "\r\n";
  file += "T0012 00480";  // Top beyond the end of the line reads as 0
  Reading r;
  r.read(file);
  ASSERT_TRUE(r.sys.messages.empty());
  for (int c = 0; c < static_cast<int>(std::size(cases)); ++c) {
    EXPECT_EQ(r.f.PalLeft(0, c), cases[c].value) << cases[c].left;
    EXPECT_EQ(r.f.PalTop(0, c), 240);
  }
  EXPECT_EQ(r.f.PalLeft(0, 12), 480);
  EXPECT_EQ(r.f.PalTop(0, 12), 0);
}

TEST(PieceFile, PatternColourAndPaletteLines) {
  Reading r;
  r.f.BtnBoxSq(5) = 17;
  r.read(
      "D00 000109102029394050607076777879XYZ\r\n"
      "D12 3443444554\r\n"
      "E07 2016172425 trailing\r\n"
      "E18 99\r\n"
      "I 34   32960\r\n"
      "IX0016761087\r\n" +
          tLine(0, 5, "00480", "00960") + "\r\n" + tLine(1, 209, "18240", "01680") + "\r\n",
      1.5f, 1.25f);
  ASSERT_TRUE(r.sys.messages.empty());
  EXPECT_EQ(r.f.Dels810(0), "000109102029394050607076777879");
  EXPECT_EQ(r.f.Dels810(12), "3443444554");
  EXPECT_EQ(r.f.Dels88(7), "2016172425");
  EXPECT_EQ(r.f.Dels88(18), "99");
  EXPECT_EQ(r.f.TileColor(34), 32960);
  EXPECT_EQ(r.f.TileColor(0), 16761087);
  EXPECT_EQ(r.f.BtnBoxSq(5), -1);
  EXPECT_EQ(r.f.PalLeft(0, 5), 720);
  EXPECT_EQ(r.f.PalTop(0, 5), 1200);
  EXPECT_EQ(r.f.PalLeft(1, 209), 27360);
  EXPECT_EQ(r.f.PalTop(1, 209), 2100);
}

TEST(PieceFile, ShapeLines) {
  Reading r;
  r.read(
      "S003 2 01000111000010\r\n"  // squares 1, 5, 6, 7, 12 of a 5-wide frame
      "S134 5 111111\r\n"          // tile 34 of the 6-square set: kind index 46
      "S001 0 0000011111\r\n"
      "S001 0 11\r\n"  // a second line overwrites from the first square on; the frame only grows
      "S107 1 000000010000010000010000010000011\r\n");  // the frame is measured from line and column 0
  ASSERT_TRUE(r.sys.messages.empty());
  const struct {
    int v, t, kind;
    std::vector<int> codes;
    int lines, cols;
  } tiles[] = {{0, 3, 2, {1, 5, 6, 7, 12}, 3, 3},
               {1, 34, 5, {0, 1, 2, 3, 4, 5}, 1, 6},
               {0, 1, 0, {0, 1, 7, 8, 9}, 2, 5},
               {1, 7, 1, {7, 13, 19, 25, 31, 32}, 6, 3}};
  for (const auto& tile : tiles) {
    SCOPED_TRACE(tile.t);
    EXPECT_EQ(r.f.TileKind(tile.v * 12 + tile.t), tile.kind);
    for (size_t s = 0; s < tile.codes.size(); ++s) EXPECT_EQ(r.f.ShapeOrig(tile.v, tile.t, s), tile.codes[s]) << s;
    EXPECT_EQ(r.f.LinesOrig(tile.v, tile.t), tile.lines);
    EXPECT_EQ(r.f.ColsOrig(tile.v, tile.t), tile.cols);
  }
}

TEST(PieceFile, OrientationLinesHoldUpToSevenCodes) {
  Reading r;
  r.read(
      "P 0 \r\n"                 // 4 characters: no code
      "P 3 123\r\n"              // 7: two codes, the second a single character
      "P 4 12345\r\n"            // 9: 2.5 codes round to two, column 9 unread
      "P 5 10203040506070\r\n"); // 18: seven codes
  ASSERT_TRUE(r.sys.messages.empty());
  for (int j = 0; j <= 7; ++j) EXPECT_EQ(r.f.KindOrient(0, j), 0);
  EXPECT_EQ(r.f.KindOrient(3, 1), 12);
  EXPECT_EQ(r.f.KindOrient(3, 2), 3);
  EXPECT_EQ(r.f.KindOrient(4, 1), 12);
  EXPECT_EQ(r.f.KindOrient(4, 2), 34);
  EXPECT_EQ(r.f.KindOrient(4, 3), 0);
  EXPECT_EQ(r.f.KindOrient(5, 0), 0);
  for (int j = 1; j <= 7; ++j) EXPECT_EQ(r.f.KindOrient(5, j), 10 * j);
}

TEST(PieceFile, LineBreaksAndLinesThatAreSkipped) {
  Reading r;
  r.read(
      "B00106 10 0480 0960 450\n"          // line feed alone
      "\r\n\r\n"                           // empty lines
      "b00207 07 0480 0960 450\r\n"        // lower-case kind: a comment
      "# B00307 07 0480 0960 450\r\n"
      "\xE9\xB0\xFF high bytes\r\n"
      "B00305 07 0480 0960 450 \xE9\xFF\r"  // carriage return alone; unread columns may hold anything
      "B00415 15 0480 0960 450");         // last line without a break
  EXPECT_TRUE(r.sys.messages.empty());
  EXPECT_TRUE(r.f.TileFits);
  EXPECT_EQ(r.f.SizeLines(0, 1), 6);
  EXPECT_EQ(r.f.SizeLines(0, 2), 0);
  EXPECT_EQ(r.f.SizeLines(0, 3), 5);
  EXPECT_EQ(r.f.SizeCols(0, 3), 7);
  EXPECT_EQ(r.f.SizeLines(0, 4), 15);

  Reading empty;
  empty.read("");
  EXPECT_TRUE(empty.sys.messages.empty());
  EXPECT_TRUE(empty.f.TileFits);
}

TEST(PieceFile, AFaultyLineStopsReadingWithItsText) {
  const std::string faulty[] = {
      "B20006 10 0480 0960 450",         // variant 2
      "B01706 10 0480 0960 450",         // slot 17
      "B00006 00 0480 0960 450",         // lines without columns
      "B00015 16 0480 0960 450",         // more than 225 squares
      "B00006 10 9e99 0960 450",         // a number too large
      "D13 000109102029394050607076777879",
      "E19 0000010809",
      "I 35     255",
      "I 00 1e10",
      "T0220 00480 00960",
      "T2005 00480 00960",
      "T0005 9e9  00960",
      "S135 0 111111",                   // tile 35 of the 6-square set: kind index 47
      "S200 0 1",                        // a square on variant 2
      "S100 0 1111111",                  // a seventh square
      "S000 0 " + std::string(25, '0') + "1",  // a square outside the 5 x 5 frame
      "P 9 01",
      "P 1 0102030405060708",
      "P 1 01020304050607x",             // 19 characters: 7.5 codes round to eight
  };
  for (const std::string& line : faulty) {
    SCOPED_TRACE(line);
    Reading r;
    r.read("B00105 12 0480 0960 450\r\n" + line + "\r\nB00207 11 0480 0960 450\r\n");
    EXPECT_EQ(r.sys.messages, std::vector<std::string>{"Error in CText " + line});
    EXPECT_FALSE(r.f.TileFits);
    EXPECT_EQ(r.f.SizeLines(0, 1), 5);  // the line before is kept
    EXPECT_EQ(r.f.SizeLines(0, 2), 0);  // the line after is never read
  }

  Reading partly;  // fields before the failing one are stored
  partly.read("B00006 10 9e99 0960 450\r\n");
  EXPECT_EQ(partly.f.SizeLines(0, 0), 6);
  EXPECT_EQ(partly.f.SizeCols(0, 0), 10);
  Reading button;  // the button is marked as standing in the palette before its position fails
  button.f.BtnBoxSq(220) = 3;
  button.read("T0220 00480 00960\r\n");
  EXPECT_EQ(button.f.BtnBoxSq(220), -1);

  Reading missing;
  missing.f.PentiposPath = missing.dir.path() + "/PENTIPOS.TXT";
  missing.f.ReadControl();
  EXPECT_EQ(missing.sys.messages, std::vector<std::string>{"No PENTIPOS File"});
  EXPECT_FALSE(missing.f.TileFits);
}
