// Undo and redo checked against replay: after random play with random undos
// and redos the tiles stand exactly as the same play without the undone
// steps leaves them in a fresh game.
#include <gtest/gtest.h>

#include <random>

#include "harness.h"

namespace {

// Where the tiles stand, turned how, and the selection: what a step changes.
std::vector<float> tiles(Form1& f) {
  std::vector<float> v{float(f.Overlaps), float(f.PlacedSquares), float(f.TileSelected), float(f.CurTile),
                       float(f.AnchorSq), float(f.TileLines), float(f.TileCols)};
  for (int t = 0; t <= f.LastTile; ++t) {
    v.insert(v.end(), {float(f.TileAnchor(t)), float(f.LinesOf(t)), float(f.ColsOf(t))});
    for (int i = 0; i < f.TileSquares; ++i) v.insert(v.end(), {float(f.Shape(t, i)), float(f.CurShape(i))});
  }
  for (int b = 0; b <= 224; ++b) v.insert(v.end(), {float(f.BtnBoxSq(b)), float(f.SqCount(b))});
  return v;
}

// The tiles and what the player sees of them.
std::vector<float> fingerprint(Form1& f) {
  std::vector<float> v = tiles(f);
  for (int b = 0; b < 216; ++b) {
    Control& c = b < 210 ? f.ComTile(b) : f.ComBT(b - 210);
    v.insert(v.end(), {c.left(), c.top(), c.width(), float(c.visible()), float(c.backColor())});
  }
  return v;
}

struct Action {
  int kind, a, b;  // a palette button, a box cell or an action key
  void apply(Game& g) const { kind == 0 ? g.clickTile(a) : kind == 1 ? g.clickCell(a, b) : g.clickKey(a); }
};

// The play so far without the undone steps, the fingerprint after each of
// its actions, and where its steps begin.
struct Model {
  std::vector<Action> play;
  std::vector<std::vector<float>> fps;
  std::vector<std::pair<std::string, size_t>> steps;
};

TEST(Undo, RandomPlayWithUndoAndRedoEqualsReplayWithoutTheUndoneSteps) {
  for (uint32_t seed = 1; seed <= 1500; ++seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const int squares = pick(2), size = pick(8);
    auto setUp = [&](Game& g) {
      if (squares == 1) g.selectSquares(1);
      g.f().ListBoxSize().playerSelect(size);
    };
    Game g;
    setUp(g);
    Form1& f = g.f();
    Model m{{}, {fingerprint(f)}, {}};
    std::vector<Model> undone;
    for (int event = 0; event < 40; ++event) {
      const int roll = pick(100);
      SCOPED_TRACE("seed " + std::to_string(seed) + " event " + std::to_string(event));
      if (roll < 72) {
        static constexpr int kKeys[] = {0, 1, 4, 5, 6, 7, 8, 9, 10, 11, 4, 5, 6, 7, 8, 9, 10, 11};
        const Action x = roll < 30   ? Action{0, pick(f.LastBtn + 1), 0}
                         : roll < 55 ? Action{1, pick(f.FlexBox().rows()), pick(f.FlexBox().cols())}
                                     : Action{2, kKeys[pick(std::size(kKeys))], 0};
        const std::string name = x.kind == 2 ? f.ComKey(x.a).caption() : "Set tile " + std::to_string(f.CurTile);
        const std::vector<float> before = tiles(f);
        x.apply(g);
        m.play.push_back(x);
        m.fps.push_back(fingerprint(f));
        if (x.kind > 0 && tiles(f) != before) {  // selections and refusals are no steps
          m.steps.emplace_back(name, m.play.size() - 1);
          undone.clear();
        }
        continue;
      }
      for (int n = pick(3); n >= 0; --n) {
        if (roll < 88) {
          f.EditUndo();
          if (m.steps.empty()) {
            ASSERT_EQ(g.lastSpoken(), "Nothing to undo");
            break;
          }
          ASSERT_EQ(g.lastSpoken(), "Undone: " + m.steps.back().first);
          undone.push_back(m);
          m.play.resize(m.steps.back().second);
          m.fps.resize(m.play.size() + 1);
          m.steps.pop_back();
        } else {
          f.EditRedo();
          if (undone.empty()) {
            ASSERT_EQ(g.lastSpoken(), "Nothing to redo");
            break;
          }
          m = undone.back();  // as the undo found it: selections made since are given up
          undone.pop_back();
          ASSERT_EQ(g.lastSpoken(), "Redone: " + m.steps.back().first);
        }
        ASSERT_TRUE(fingerprint(f) == m.fps.back());
        ASSERT_EQ(checkBookkeeping(f) + checkTiles(f), "");
      }
    }
    Game replay;
    setUp(replay);
    for (size_t k = 0; k < m.play.size(); ++k) {
      m.play[k].apply(replay);
      ASSERT_TRUE(fingerprint(replay.f()) == m.fps[k + 1]) << "seed " << seed << " replayed action " << k;
    }
  }
}

// The short video solves the box: its clicks are no steps. The player's
// steps then undo back to the solved box; a new box, a new square count and
// the solve loop start new histories.
TEST(Undo, AutomaticPlayAndNewBoxesStartNewHistories) {
  Game g;
  Form1& f = g.f();
  auto run = [&](std::vector<int> answers) {  // "Solve Puzzle" with these answers
    g.sys.yesNoAnswers = answers;
    g.clickKey(2);
    for (int n = 0; n < 100000 && (f.TimerState == 1 || f.VideoState != 0); ++n) g.tick();
  };
  run({6, 7});
  f.EditUndo();
  EXPECT_EQ(g.lastSpoken(), "Nothing to undo");
  g.clickTile(0);
  const std::vector<float> solved = fingerprint(f);
  for (int key : {1, 0, 4}) g.clickKey(key);  // "Reset Tile", "Clear Puzzle", a turn with no tile
  f.EditUndo();
  EXPECT_EQ(f.FlexBox().textAt(0, 0) + g.lastSpoken(), " Undone: Clear Puzzle");  // no numbers: solved before
  f.EditUndo();
  EXPECT_TRUE(fingerprint(f) == solved);
  f.EditRedo();
  f.EditRedo();
  EXPECT_EQ(f.FlexBox().textAt(0, 0) + g.lastSpoken(), "0Redone: Clear Puzzle");
  for (auto start : std::vector<std::function<void()>>{[&] { g.selectSize(f.ListBoxSize().list(1)); },
                                                       [&] { g.selectSquares(1); }, [&] { run({7}); }}) {
    g.clickTile(0);
    g.clickCell(0, 0);
    start();
    f.EditUndo();
    EXPECT_EQ(g.lastSpoken(), "Nothing to undo");
  }
}

}  // namespace
