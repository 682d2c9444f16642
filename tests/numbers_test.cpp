// The number and text rules shared by every part of the program.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/numbers.h"

TEST(Numbers, RoundingTakesTheEvenNeighbourAndChecksTheRange) {
  const std::pair<double, int> cases[] = {{2.5, 2},     {3.5, 4},     {-2.5, -2},   {0.5, 0},
                                          {2.5001, 3},  {562.5, 562}, {587.5, 588}, {-32768.5, -32768}};
  for (const auto& [in, out] : cases) {
    EXPECT_EQ(roundInt16(in), out) << in;
    EXPECT_EQ(roundInt32(in), out) << in;
  }
  EXPECT_EQ(roundInt32(40000), 40000);
  EXPECT_THROW(roundInt16(32767.5), ProgramError);  // the even neighbour is 32768
  EXPECT_THROW(roundInt16(-32769), ProgramError);
  EXPECT_THROW(roundInt16(std::nan("")), ProgramError);
  EXPECT_THROW(roundInt32(2147483647.5), ProgramError);
  EXPECT_EQ(toInt16(-32768), -32768);
  EXPECT_THROW(toInt16(32768), ProgramError);
}

TEST(Numbers, LeadingNumberReadsUpToTheFirstForeignCharacter) {
  const std::pair<const char*, double> cases[] = {
      {" 1 2", 12}, {"- 3", -3}, {"+7", 7},      {"12-3", 12},     {"x1", 0}, {"", 0},   {"-", 0},
      {".", 0},     {".5", 0.5}, {"1.2.3", 1.2}, {"2.5e-1", 0.25}, {"1e", 1}, {"1ex", 1}, {"4 4 e 1", 440}};
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(leadingNumber(text), value) << '"' << text << '"';
  EXPECT_EQ(readInt16(" 2.5"), 2);
  EXPECT_EQ(readInt16("3.5"), 4);
  EXPECT_THROW(readInt16("1e9"), ProgramError);
}

TEST(Numbers, FormatsPadButNeverCut) {
  EXPECT_EQ(formatRight(8, 2) + "|" + formatRight(123, 2), " 8|123");
  EXPECT_EQ(formatZero(7, 2) + "|" + formatZero(123, 2) + "|" + formatZero(-1, 3), "07|123|-001");
}
