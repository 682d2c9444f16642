// Undo and redo checked against replay: after random play with random undos
// and redos the tiles stand exactly as the same play without the undone
// steps leaves them in a fresh game.
#include <gtest/gtest.h>

#include <random>

#include "harness.h"

namespace {

// Where the tiles stand, turned how, and the selection: what a step changes;
// then the looks of every tile button and of the box-tile display.
constexpr int kLooks = 216 * 5;
std::vector<int> state(Form1& f) {
  std::vector<int> v{f.Overlaps, f.PlacedSquares, f.TileSelected, f.CurTile, f.AnchorSq, f.TileLines, f.TileCols};
  v.reserve(3000);
  for (int t = 0; t <= f.LastTile; ++t) {
    v.insert(v.end(), {f.TileAnchor(t), f.LinesOf(t), f.ColsOf(t)});
    for (int i = 0; i < f.TileSquares; ++i) v.insert(v.end(), {f.Shape(t, i), f.CurShape(i)});
  }
  for (int b = 0; b <= 224; ++b) v.insert(v.end(), {f.BtnBoxSq(b), f.SqCount(b)});
  for (int b = 0; b < 216; ++b) {
    Control& c = b < 210 ? f.ComTile(b) : f.ComBT(b - 210);
    v.insert(v.end(), {int(c.left()), int(c.top()), int(c.width()), c.visible(), c.backColor()});
  }
  return v;
}

struct Action {
  int kind, a, b;  // a palette button, a box cell, an action key or the box size again
  void apply(Game& g) const {
    if (kind == 0) g.clickTile(a);
    if (kind == 1) g.clickCell(a, b);
    if (kind == 2) g.clickKey(a);
    if (kind == 3) g.f().ListBoxSize().playerSelect(a);
  }
};

// The play without the undone steps, the state after each of its actions,
// and each step's name and place in it.
struct Model {
  std::vector<Action> play;
  std::vector<std::vector<int>> states;
  std::vector<std::pair<std::string, size_t>> steps;
};

TEST(Undo, RandomPlayWithUndoAndRedoEqualsReplayWithoutTheUndoneSteps) {
  for (uint32_t seed = 1; seed <= 1500; ++seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    Game g, replay;  // set up alike; the replay comes at the end
    for (Game* game : {&g, &replay}) game->selectSquares(seed % 2);
    // Chosen again, a box with a pattern would draw another one, which the
    // replay of fewer choices could not draw alike.
    Action setUp{3, 0, 0};
    do setUp.a = pick(g.f().ListBoxSize().listCount());
    while (g.f().ListBoxSize().list(setUp.a).starts_with("8 by"));
    setUp.apply(g);
    setUp.apply(replay);
    Form1& f = g.f();
    Model m{{}, {state(f)}, {}};
    std::vector<Model> undone;
    for (int event = 0; event < 30; ++event) {
      SCOPED_TRACE("seed " + std::to_string(seed) + " event " + std::to_string(event));
      const int roll = pick(100), key = std::vector{0, 1, 4, 5, 6, 7, 8, 9, 10, 11}[pick(10)];
      const Action x = roll < 30   ? Action{0, pick(f.LastBtn + 1), 0}
                       : roll < 55 ? Action{1, pick(f.FlexBox().rows()), pick(f.FlexBox().cols())}
                       : roll < 70 ? Action{2, key, 0}
                                   : setUp;
      const std::string name = x.kind == 2   ? f.ComKey(key).caption()
                               : x.kind == 3 ? f.BoxSize
                                             : "Set tile " + std::to_string(f.CurTile);
      if (roll < 71) {
        x.apply(g);
        m.play.push_back(x);
        m.states.push_back(state(f));
        const std::vector<int>& before = m.states.end()[-2];
        const std::vector<int>& after = m.states.back();
        // The box set up anew with no tile in it is no step, and the steps so
        // far stay; a key, a cell or the box that changed the tiles is one; a
        // selection or a refusal is none.
        if (x.kind == 3 && before[1] == 0) {
        } else if (x.kind > 0 && !std::equal(before.begin(), before.end() - kLooks, after.begin())) {
          m.steps.emplace_back(name, m.play.size() - 1);
          undone.clear();
        }
      } else if (roll < 88) {
        f.EditUndo();
        ASSERT_EQ(g.lastSpoken(), m.steps.empty() ? "Nothing to undo" : "Undone: " + m.steps.back().first);
        if (m.steps.empty()) continue;
        undone.push_back(m);
        m.play.resize(m.steps.back().second);
        m.states.resize(m.play.size() + 1);
        m.steps.pop_back();
      } else {
        f.EditRedo();
        ASSERT_EQ(g.lastSpoken(), undone.empty() ? "Nothing to redo" : "Redone: " + undone.back().steps.back().first);
        if (undone.empty()) continue;
        m = undone.back();  // as the undo found it: selections made since are given up
        undone.pop_back();
      }
      ASSERT_TRUE(state(f) == m.states.back());
      ASSERT_EQ(checkBookkeeping(f) + checkTiles(f), "");
    }
    for (size_t k = 0; k < m.play.size(); ++k) {
      m.play[k].apply(replay);
      ASSERT_TRUE(state(replay.f()) == m.states[k + 1]) << "seed " << seed << " replayed action " << k;
    }
  }
}

// The box and its square count as the player sees them: option, list,
// grey squares, block button, palette.
std::string boxLook(Form1& f) {
  std::string s = f.BoxSize + f.BoxCode + std::to_string(f.SqVariant * 100 + f.OptSq(1).value() * 10 + f.AvailSquares);
  ListBoxControl& list = f.ListBoxSize();
  for (int i = 0; i < list.listCount(); ++i) s += (i == list.listIndex() ? "[" : "|") + list.list(i);
  GridControl& grid = f.FlexBox();
  for (int r = 0; r < grid.rows(); ++r) {
    for (int c = 0; c < grid.cols(); ++c) s += std::to_string(grid.backColorAt(r, c)) + grid.textAt(r, c) + ",";
  }
  const Control& block = f.ComBlock();
  for (float v : {grid.left(), grid.top(), grid.width(), grid.height(), block.visible() ? block.left() : -1}) {
    s += std::to_string(v) + ",";
  }
  for (int b = 0; b <= f.LastBtn; ++b) s += f.ComTile(b).caption();
  return s;
}

// Another box or square count, chosen by a click or a key while a tile
// stands in the box, is a step: undone, the box comes back with its grey
// squares (not drawn anew) and every tile as it stood; redone, the other
// box as it was left. Without a tile in the box it is no step, and the
// steps before it stay.
TEST(Undo, ABoxChangeWithTilesInTheBoxIsAStep) {
  Game g;
  Form1& f = g.f();
  const auto undo = [&](const std::string& said) {
    g.press('Z', 2);
    EXPECT_EQ(g.lastSpoken(), said);
  };
  g.selectSize("8 by  8");
  g.clickTile(0);
  for (int c = 0; c < 8 && f.PlacedSquares == 0; ++c) g.clickCell(0, c);  // where the grey squares leave room
  g.clickTile(27);  // tile 5 selected in the palette
  const std::string eight = boxLook(f);
  const std::vector<int> tiles = state(f);
  const int16_t pool = f.Pool88Count;
  g.selectSquares(1);
  const std::string six = boxLook(f);
  g.clickTile(6 * 3);
  undo("Undone: 8 by  8");  // the selection made since goes with it
  EXPECT_TRUE(boxLook(f) == eight && state(f) == tiles && f.Pool88Count == pool);
  g.press('Y', 2);
  EXPECT_EQ(g.lastSpoken(), "Redone: 12 by 15");
  EXPECT_TRUE(boxLook(f) == six && f.PlacedSquares == 0);
  undo("Undone: 8 by  8");
  g.press(34);  // Page Down: "8 by 10", with a pattern of its own
  EXPECT_EQ(f.BoxSize, "8 by 10");
  g.press(34);  // a stray second key leaves an empty box: no step, and nothing lost
  undo("Undone: 8 by  8");
  EXPECT_TRUE(boxLook(f) == eight && state(f) == tiles);
  undo("Undone: Set tile 0");
  EXPECT_EQ(f.PlacedSquares, 0);
  g.press(34);
  undo("Nothing to undo");
  EXPECT_EQ(checkBookkeeping(f) + checkTiles(f), "");
}

// The solve loop's and a video's clicks are no steps, and each starts a new
// history; the player's steps undo back to the box the video solved.
TEST(Undo, AutomaticPlayStartsANewHistory) {
  Game g;
  Form1& f = g.f();
  for (std::vector<int> answers : {std::vector{7}, std::vector{6, 7}}) {  // "Solve Puzzle": the loop, the video
    g.clickTile(0);
    g.clickCell(0, 0);
    g.sys.yesNoAnswers = answers;
    g.clickKey(2);
    for (int n = 0; n < 100000 && (f.TimerState == 1 || f.VideoState != 0); ++n) g.tick();
    f.EditUndo();
    EXPECT_EQ(g.lastSpoken(), "Nothing to undo");
  }
  g.clickTile(0);
  const std::vector<int> solved = state(f);
  for (int key : {1, 0}) g.clickKey(key);  // "Reset Tile", "Clear Puzzle"
  for (int n = 0; n < 2; ++n) f.EditUndo();
  EXPECT_TRUE(state(f) == solved);
  for (std::string redone : {" Redone: Reset Tile", "0Redone: Clear Puzzle"}) {  // solved: no numbers
    f.EditRedo();
    EXPECT_EQ(f.FlexBox().textAt(0, 0) + g.lastSpoken(), redone);
  }
}

}  // namespace
