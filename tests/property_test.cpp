// Random play: over 100,000 seeded random clicks, pointer moves and timer
// ticks on every control (guided videos and the solve loop included),
// checking after each one that the box's bookkeeping agrees with where the
// tiles stand, that no tile has vanished, and that no handler hit an
// internal error.
#include <gtest/gtest.h>

#include <random>

#include "harness.h"

namespace {

// One random action: a click on a tile button (hidden ones too), a cell (the
// grid's extra row and column too), a key (videos and the solve loop with a
// random answer), the tile set or box size, any control at all, a pointer move
// over a control, or a run of timer ticks.
void act(Game& g, std::mt19937& rng) {
  Form1& f = g.f();
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  static constexpr int kKeys[] = {1, 4, 5, 6, 7, 8, 9, 10, 11, 4, 8, 9, 10, 11};
  const int roll = pick(100);
  if (roll < 26) {
    g.clickTile(pick(3) > 0 ? pick(f.LastBtn + 1) : pick(210));
  } else if (roll < 50) {
    const int line = pick(f.FlexBox().rows());
    g.clickCell(line, pick(f.FlexBox().cols()));
  } else if (roll < 72) {
    g.clickKey(pick(50) == 0 ? 0 : kKeys[pick(std::size(kKeys))]);
  } else if (roll < 74) {
    g.sys.yesNoAnswers.push_back(6 + pick(2));
    g.sys.yesNoAnswers.push_back(6 + pick(2));
    g.clickKey(2 + pick(2));
  } else if (roll < 75) {
    f.OptSq(pick(2)).playerClick();
  } else if (roll < 76) {
    f.ListBoxSize().playerSelect(pick(f.ListBoxSize().listCount()));
  } else if (roll < 80) {
    Control* const targets[] = {&f.LabTip(), &f.ComBT(pick(6)), &f.window.control(pick(f.window.count()))};
    targets[pick(3)]->playerClick();
  } else if (roll < 90) {
    Control* const targets[] = {&f.ComTile(pick(210)), &f.ComBT(pick(6)), &f.ComKey(pick(12)), &f.FlexBox(),
                                &f.window.control(pick(f.window.count()))};
    const float x = static_cast<float>(pick(16000) - 1000);
    targets[pick(5)]->playerMouseMove(0, 0, x, static_cast<float>(pick(12000) - 1000));
  } else {
    for (int n = pick(30); n >= 0; --n) g.tick();
  }
}

// With nestingDepth > 0 further actions arrive while sentences are spoken.
void play(uint32_t seed, int steps, int nestingDepth) {
  Game g;
  std::mt19937 rng(seed), nestRng(seed + 1);
  int depth = 0;
  g.sys.onDoEvents = [&] {
    if (depth >= nestingDepth || nestRng() % 2 == 0) return;
    ++depth;
    act(g, rng);
    --depth;
  };
  for (int step = 0; step < steps; ++step) {
    act(g, rng);
    const std::string boxes = g.sys.messages.empty() ? "" : "message box: " + g.sys.messages.front();
    ASSERT_EQ(checkBookkeeping(g.f()) + checkTiles(g.f()) + boxes, "") << "seed " << seed << " step " << step;
  }
}

TEST(RandomPlay, BookkeepingHoldsAndNoTileIsLostThroughoutLongRuns) {
  for (uint32_t seed : {1u, 2u, 3u}) play(seed, 17000, 0);
  for (uint32_t seed : {11u, 12u, 13u}) play(seed, 17000, 2);  // with input while speaking
}

}  // namespace
