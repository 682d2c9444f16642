// Random play: long runs of seeded random clicks and pointer moves on every
// control, checking after each one that the box's bookkeeping agrees with
// where the tiles stand and that no handler hit an internal error.
#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <sstream>

#include "harness.h"

namespace {

constexpr int32_t kGrey = 0x00C0C0C0;

class RandomPlayer {
 public:
  RandomPlayer(Game& game, uint32_t seed) : g_(game), f_(game.f()), rng_(seed) {}

  // One random action of the player; returns what it was.
  std::string act() {
    std::ostringstream what;
    const int roll = pick(100);
    if (roll < 30) {
      const int b = pick(3) > 0 ? pick(f_.LastBtn + 1) : pick(210);  // hidden buttons too
      what << "tile " << b;
      f_.ComTile(b).click();
    } else if (roll < 58) {
      const int r = pick(f_.FlexBox().rows()), c = pick(f_.FlexBox().cols());  // extra row and column too
      what << "cell " << r << "," << c;
      g_.clickCell(r, c);
    } else if (roll < 84) {
      static constexpr int kKeys[] = {1, 4, 5, 6, 7, 8, 9, 10, 11, 4, 8, 9, 10, 11};
      const int k = pick(50) == 0 ? 0 : kKeys[pick(std::size(kKeys))];
      what << "key " << k;
      g_.clickKey(k);
    } else if (roll < 85) {
      const int o = pick(2);
      what << "squares " << o + 5;
      f_.OptSq(o).userClick();
    } else if (roll < 86) {
      const int i = pick(f_.ListBoxSize().listCount());
      what << "size " << f_.ListBoxSize().list(i);
      f_.ListBoxSize().setListIndex(i);
    } else if (roll < 88) {
      const int i = pick(6);
      what << "box tile " << i;
      f_.ComBT(i).click();
    } else {
      what << "hover";
      hover();
    }
    return what.str();
  }

 private:
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  void hover() {
    const float x = static_cast<float>(pick(16000) - 1000), y = static_cast<float>(pick(12000) - 1000);
    Control* const targets[] = {&f_.ComTile(pick(210)), &f_.ComBT(pick(6)), &f_.ComKey(pick(12)), &f_.OptSq(pick(2)),
                                &f_.ListBoxSize(),      &f_.LabTip(),       &f_.FlexBox(),        &f_.FlexBox()};
    const int k = pick(std::size(targets) + 1);
    if (k == std::size(targets)) {
      f_.Form_MouseMove(0, 0, x, y);  // the window's background
    } else {
      targets[k]->mouseMove(0, 0, x, y);
    }
  }

  Game& g_;
  Form1& f_;
  std::mt19937 rng_;
};

// Beyond the counts: every tile stands wholly in the box or wholly outside,
// in its stored shape at its anchor, on available squares only; a selected
// tile's anchor is the stored one.
std::string checkTiles(Form1& f) {
  std::ostringstream err;
  const int n = f.TileSquares;
  for (int t = 0; t <= f.LastTile; ++t) {
    const int anchor = f.TileAnchor(t);
    for (int i = 0; i < n; ++i) {
      const int q = f.BtnBoxSq(t * n + i);
      if (anchor == -1) {
        if (q != -1) err << "button " << t * n + i << " on " << q << " of tile " << t << " outside; ";
        continue;
      }
      const int code = f.Shape(t, i);
      const int line = anchor / f.BoxColumns + code / n, col = anchor % f.BoxColumns + code % n;
      if (line >= f.BoxLines || col >= f.BoxColumns || q != line * f.BoxColumns + col) {
        err << "tile " << t << " square " << i << " on " << q << " at " << line << "," << col << "; ";
      } else if (f.FlexBox().backColorAt(line, col) == kGrey) {
        err << "tile " << t << " on grey square " << q << "; ";
      }
    }
  }
  if (f.TileSelected && f.AnchorSq != f.TileAnchor(f.CurTile)) {
    err << "selected tile " << f.CurTile << " anchor " << f.AnchorSq << " stored " << f.TileAnchor(f.CurTile);
  }
  return err.str();
}

void play(uint32_t seed, int steps, int nestingDepth) {
  Game g;
  RandomPlayer player(g, seed);
  std::mt19937 nestRng(seed + 1);
  std::deque<std::string> recent;
  int depth = 0;
  // Clicks that arrive while a sentence is about to be spoken.
  g.sys.onDoEvents = [&] {
    if (depth >= nestingDepth || nestRng() % 2 == 0) return;
    ++depth;
    recent.push_back(std::string(depth * 2, ' ') + player.act());
    --depth;
  };
  for (int step = 0; step < steps; ++step) {
    recent.push_back(player.act());
    while (recent.size() > 12) recent.pop_front();
    std::string fault = checkBookkeeping(g.f()) + checkTiles(g.f());
    if (!g.sys.messages.empty()) fault += "message box: " + g.sys.messages.front();
    if (!fault.empty()) {
      std::string history;
      for (const std::string& r : recent) history += "\n  " + r;
      FAIL() << "seed " << seed << " step " << step << ": " << fault << "\nlast actions:" << history;
    }
    g.sys.spoken.clear();
  }
}

TEST(RandomPlay, BookkeepingHoldsThroughoutLongRuns) {
  for (uint32_t seed : {1u, 2u, 3u}) play(seed, 15000, 0);
}

TEST(RandomPlay, ClicksWhileSpeakingKeepTheBookkeeping) {
  for (uint32_t seed : {11u, 12u, 13u}) play(seed, 12000, 2);
}

}  // namespace
