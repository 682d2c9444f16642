// The number and text rules shared by every part of the program.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/bounded.h"
#include "platform/numbers.h"

TEST(Numbers, RoundingTakesTheEvenNeighbourOfAHalf) {
  const struct {
    double in;
    int out;
  } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.5, 2},   {2.4999, 2},
               {2.5001, 3}, {-0.4, 0}, {562.5, 562}, {587.5, 588}, {32767.4, 32767}, {-32768.5, -32768}};
  for (const auto& c : cases) {
    EXPECT_EQ(roundInt16(c.in), c.out) << c.in;
    EXPECT_EQ(roundInt32(c.in), c.out) << c.in;
  }
  EXPECT_EQ(roundInt32(2880.5), 2880);
  EXPECT_EQ(roundInt32(-2147483648.4), std::numeric_limits<int32_t>::min());
}

TEST(Numbers, ValuesOutsideTheirTypeAreErrors) {
  EXPECT_THROW(roundInt16(32767.5), ProgramError);  // the even neighbour is 32768
  EXPECT_THROW(roundInt16(-32769), ProgramError);
  EXPECT_THROW(roundInt16(std::nan("")), ProgramError);
  EXPECT_THROW(roundInt32(2147483647.5), ProgramError);
  EXPECT_THROW(roundInt32(-std::numeric_limits<double>::infinity()), ProgramError);
  EXPECT_EQ(roundInt32(40000), 40000);
  EXPECT_EQ(toInt16(-32768), -32768);
  EXPECT_THROW(toInt16(32768), ProgramError);
  EXPECT_THROW(toInt16(-32769), ProgramError);
}

TEST(Numbers, QuotientAndRemainderTruncate) {
  EXPECT_EQ(idiv(17, 5), 3);
  EXPECT_EQ(imod(17, 5), 2);
  EXPECT_EQ(idiv(-7, 2), -3);
  EXPECT_EQ(imod(-7, 2), -1);
  EXPECT_THROW(idiv(3, 0), ProgramError);
  EXPECT_THROW(imod(3, 0), ProgramError);
}

TEST(Numbers, LeadingNumberReadsUpToTheFirstForeignCharacter) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"12", 12},    {" 12", 12},   {"1 2", 12},   {"- 3", -3},   {"+7", 7},      {"007", 7},    {"  7", 7},
      {"1x", 1},     {"12-3", 12},  {"x1", 0},     {"", 0},       {"   ", 0},     {"-", 0},      {".", 0},
      {"+.", 0},     {"2.5", 2.5},  {".5", 0.5},   {"-1.25", -1.25}, {"1.2.3", 1.2}, {"1e3", 1000}, {"1E2", 100},
      {"2.5e-1", 0.25}, {"1e", 1},  {"1e+", 1},    {"1ex", 1},    {"4 4 e 1", 440}
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value) << '"' << c.text << '"';

  EXPECT_EQ(readInt16(" 2.5"), 2);
  EXPECT_EQ(readInt16("3.5"), 4);
  EXPECT_EQ(readInt16("junk"), 0);
  EXPECT_THROW(readInt16("99999"), ProgramError);
  EXPECT_THROW(readInt16("1e9"), ProgramError);
}

TEST(Numbers, FormatsPadButNeverCut) {
  EXPECT_EQ(formatRight(5, 1), "5");
  EXPECT_EQ(formatRight(15, 1), "15");
  EXPECT_EQ(formatRight(8, 2), " 8");
  EXPECT_EQ(formatRight(10, 2), "10");
  EXPECT_EQ(formatRight(123, 2), "123");
  EXPECT_EQ(formatRight(7, 3), "  7");

  EXPECT_EQ(formatZero(7, 2), "07");
  EXPECT_EQ(formatZero(0, 2), "00");
  EXPECT_EQ(formatZero(123, 2), "123");
  EXPECT_EQ(formatZero(12, 4), "0012");
  EXPECT_EQ(formatZero(-1, 3), "-001");
}

TEST(Numbers, MidTakesWhatExists) {
  EXPECT_EQ(mid("ABCDE", 2, 2), "BC");
  EXPECT_EQ(mid("ABCDE", 5, 1), "E");
  EXPECT_EQ(mid("ABCDE", 4, 5), "DE");
  EXPECT_EQ(mid("ABCDE", 6, 1), "");
  EXPECT_EQ(mid("", 1, 2), "");
  EXPECT_EQ(mid("  0015", 4, 3), "015");
}

TEST(Bounded, IndexesOutsideTheBoundsAreErrors) {
  Bounded<int16_t, 224> flat;
  flat(224) = 2;
  EXPECT_EQ(flat(224), 2);
  EXPECT_THROW(flat(225), ProgramError);
  EXPECT_THROW(flat(-1), ProgramError);

  Bounded<int, 1, 16> grid;
  grid.fill(0);
  grid(0, 1) = 10;
  grid(1, 0) = 20;
  grid(1, 16) = 30;
  EXPECT_EQ(grid(0, 1), 10);  // no two index pairs share a cell
  EXPECT_EQ(grid(1, 0), 20);
  EXPECT_EQ(grid(0, 16), 0);
  EXPECT_EQ(grid(1, 16), 30);
  EXPECT_THROW(grid(2, 0), ProgramError);
  EXPECT_THROW(grid(0, 17), ProgramError);
  EXPECT_THROW(grid(-1, 3), ProgramError);
  Bounded<int16_t, 1, 34, 5> shapes;
  EXPECT_THROW(shapes(0, 0, 6), ProgramError);
}
