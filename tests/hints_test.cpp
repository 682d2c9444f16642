// Hints: every box solved by hints alone; blocked positions, overlaps, a
// press while the solver thinks, an answer about a position that changed
// meanwhile, and a search that runs out of time; the same for the count of
// the ways to finish a box.
#include <gtest/gtest.h>

#include <tuple>

#include "harness.h"
#include "solve/catalogue.h"

namespace {

const std::string kSolvable = "This box can still be solved";
const std::string kCannotTell = "I cannot tell yet whether this box can be solved";

std::string message(Form1& f, int n) {
  f.LoadMessage(n);
  return f.MsgText;
}

TEST(Hints, SolveEveryBoxAndPatternByHintsAloneOrSayTheyCannotTellYet) {
  solve::Catalogue catalogue(KARVELON_DATA_DIR);
  Form1& f = catalogue.form();
  std::vector<std::string>& spoken = catalogue.services().spoken;
  for (const solve::GameBox& box : catalogue.everyBox()) {
    SCOPED_TRACE(box.video);
    catalogue.box(box.squares, box.entry, box.pattern);
    spoken.clear();
    int hints = 0;
    while (f.PlacedSquares < f.AvailSquares && hints <= f.LastTile) {
      f.Hint_Press();
      if (spoken.back() == kCannotTell) break;
      ASSERT_EQ(spoken.back(), kSolvable);
      f.Hint_Press();
      ASSERT_EQ(spoken.at(2 * hints + 1).rfind("Hint: tile ", 0), 0u);
      ++hints;
    }
    // Each hint said its two sentences and nothing was refused on the way.
    EXPECT_EQ(spoken.size(), 2u * hints + 1);
    if (spoken.back() == kCannotTell) {
      EXPECT_EQ(box.squares, 6);  // a pentomino box always gets its answer
      continue;
    }
    EXPECT_EQ(spoken.back(), message(f, 35));
    EXPECT_EQ(checkBookkeeping(f), "");
    // A hint is one step for Ctrl+Z, select, keys and square together; Ctrl+Shift+Z redoes it.
    f.Form_KeyDown('Z', 2);
    EXPECT_TRUE(spoken.back().starts_with("Undone: Hint for tile ") && f.PlacedSquares == f.AvailSquares - f.TileSquares);
    f.Form_KeyDown('Z', 3);
    EXPECT_TRUE(spoken.back().starts_with("Redone: Hint for tile ") && f.PlacedSquares == f.AvailSquares);
  }
}

// H and C, the count of the ways to finish the box, whose answers are also
// shown in the information label.
TEST(Hints, AnswersOnOpenBlockedChangedOverlappingAndUndecidedPositions) {
  Game g;
  Form1& f = g.f();
  const auto answers = [&] {
    g.sys.spoken.clear();
    g.sys.finishBackground();
    return g.sys.spoken;
  };
  g.selectSize("6 by 10");
  g.press('C');
  g.press('C');  // while counting: no second count
  EXPECT_EQ(g.lastSpoken(), "Still counting");
  EXPECT_EQ(answers(), std::vector<std::string>{"9356 ways to finish this box"});
  EXPECT_EQ(f.LabTip().caption(), "9356 ways to finish this box");
  g.clickTile(55);  // the cross, its top-left corner square left alone
  g.clickCell(0, 0);
  g.sys.spoken.clear();
  g.press('H');
  g.press('H');  // while the solver thinks: no second search
  EXPECT_EQ(g.sys.background.size(), 1u);
  g.sys.finishBackground();
  g.press('H');
  g.sys.finishBackground();
  g.press('H');  // a second press after a no sets nothing: it asks again
  g.press('C');
  g.sys.finishBackground();
  const std::string blocked = "The tiles as they stand block every solution";
  EXPECT_EQ(g.sys.spoken, (std::vector<std::string>{"I am still thinking about this box", blocked, blocked, blocked,
                                                     "No way to finish this box"}));
  EXPECT_EQ(f.PlacedSquares, 5);
  EXPECT_EQ(f.TileAnchor(11), 0);

  // Answers that come after the tiles changed are dropped unsaid.
  g.clickKey(1);  // "Reset Tile": the cross goes home
  g.press('H');
  g.press('C');
  g.clickTile(0);
  g.clickCell(0, 0);
  EXPECT_TRUE(answers().empty());

  // Overlapping tiles are named first, and no search starts.
  g.clickTile(5);
  g.clickCell(0, 0);
  g.sys.spoken.clear();
  g.press('H');
  g.press('C');
  EXPECT_TRUE(g.sys.background.empty());
  EXPECT_EQ(g.sys.spoken, std::vector<std::string>(2, message(f, 32)));

  // An empty hexomino box has far too many tilings to count in two seconds:
  // the count so far is said.
  g.selectSquares(1);
  g.selectSize("10 by 12");
  g.press('C');
  const std::string atLeast = answers().at(0);
  ASSERT_TRUE(atLeast.starts_with("At least ") && atLeast.ends_with(" ways to finish this box")) << atLeast;
  EXPECT_GT(std::stoul(atLeast.substr(9)), 0u);
  // Three hexominoes as the palette shows them: a minute of search is not
  // enough. The count's two seconds run from the press, so they are over
  // once the search's three have passed.
  g.selectSize("15 by 15");
  for (const auto& [tile, line, column] : {std::tuple{11, 8, 0}, {8, 9, 4}, {23, 11, 12}}) {
    g.clickTile(6 * tile);
    g.clickCell(line, column);
  }
  g.press('H');
  g.press('C');
  EXPECT_EQ(answers(), (std::vector<std::string>{kCannotTell, "I cannot tell yet how many ways there are to finish this box"}));
  EXPECT_EQ(f.PlacedSquares, 18);
}

}  // namespace
