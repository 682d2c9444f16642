// Reading the piece data file: field positions, line breaks and the faulty
// lines that stop reading.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

// A window that reads a piece file written by the test, with given screen factors.
struct Reading {
  FakeServices sys;
  TempDir dir;
  Form1 f{sys};

  explicit Reading(const std::string& content, float scaleX = 1, float scaleY = 1) {
    dir.write("PENTIPOS.TXT", content);
    f.PentiposPath = dir.path() + "/PENTIPOS.TXT";
    f.ScaleX = scaleX;
    f.ScaleY = scaleY;
    f.ReadControl();
  }
};

TEST(PieceFile, FieldsAreReadByPositionAndScaledToTheScreen) {
  Reading r(
      "B00006 10 0480 0960 450\r\n"
      "B10715 15 0300 0600 470\n"  // a line feed alone ends a line
      "B00305 07 0480 0960 450\r"  // and so does a carriage return alone
      "T0005 1 2  00960\r\nT1209 30000-0120\r\nT0007  2.5  3.5\r\n"
      "P 4 12345\r\nP 5 10203040506070\r\n"  // 2.5 codes round to two; column 9 unread
      "b00106 10 0480 0960 450\r\n\xe9\xff high bytes\r\n\r\nX\r\n"  // skipped
      "E18 99 03 31 32 60 ignored\r\nD12 3443444554\r\n"
      "T0012 00480",  // the last line needs no break; its missing field reads as 0
      1.5f, 1.25f);
  ASSERT_TRUE(r.sys.messages.empty());
  EXPECT_EQ((std::vector<int>{r.f.SizeLines(0, 0), r.f.SizeCols(0, 0), r.f.SizeLeft(0, 0), r.f.SizeTop(0, 0),
                              r.f.SizeCellH(0, 0), r.f.SizeCellW(0, 0)}),
            (std::vector<int>{6, 10, 720, 1200, 562, 675}));  // 562.5 to the even neighbour
  // 15 by 15 still fits, 587.5 to the even neighbour; the line after a lone
  // CR; the lower-case b skipped; "1 2" reads as 12; beyond 16 bits once
  // scaled; 2.5 reads as 2, then scaled; a missing field reads as 0; codes.
  EXPECT_EQ((std::vector<int>{r.f.SizeCols(1, 7), r.f.SizeCellH(1, 7), r.f.SizeCols(0, 3), r.f.SizeLines(0, 1),
                              r.f.PalLeft(0, 5), r.f.PalLeft(1, 209), r.f.PalTop(1, 209), r.f.PalLeft(0, 7),
                              r.f.PalTop(0, 7), r.f.PalLeft(0, 12), r.f.PalTop(0, 12), r.f.KindOrient(4, 2),
                              r.f.KindOrient(4, 3)}),
            (std::vector<int>{15, 588, 7, 0, 18, 45000, -150, 3, 5, 720, 0, 34, 0}));
  for (int j = 1; j <= 7; ++j) EXPECT_EQ(r.f.KindOrient(5, j), 10 * j);
  EXPECT_EQ(r.f.Dels88(18), "99 03 31 3");  // patterns are stored as they stand
  EXPECT_EQ(r.f.Dels810(12), "3443444554");
}

TEST(PieceFile, AFaultyLineStopsReadingWithItsText) {
  const std::string faulty[] = {
      "B20006 10 0480 0960 450",  // variant 2
      "B01706 10 0480 0960 450",  // slot 17
      "B00006 00 0480 0960 450",  // lines without columns
      "B00015 16 0480 0960 450",  // more than 225 squares
      "B00006 10 9e99 0960 450",  // a number too large
      "B00006 30 3945 3240 720",  // wider than the window
      "B00015 15 0480 0960 -45",  // a negative cell
      "D13 000102",
      "E19 0011121314",
      "I 35     255",
      "T0220 00480 00960",
      "S135 0 111111",                         // tile 35 of the 6-square set: kind index 47
      "S100 0 1111111",                        // a seventh square
      "S000 0 " + std::string(25, '0') + "1",  // a square outside the 5 x 5 frame
      "P 9 01",
      "P 1 01020304050607x",  // 19 characters: 7.5 codes round to eight
  };
  for (const std::string& line : faulty) {
    SCOPED_TRACE(line);
    Reading r("B00105 12 0480 0960 450\r\n" + line + "\r\nB00207 11 0480 0960 450\r\n");
    EXPECT_EQ(r.sys.messages, std::vector<std::string>{"Error in CText " + line});
    EXPECT_FALSE(r.f.TileFits);
    EXPECT_EQ(r.f.SizeLines(0, 1), 5);  // the line before is kept
    EXPECT_EQ(r.f.SizeLines(0, 2), 0);  // the line after is never read
  }
}

}  // namespace
