// Counts shared between threads against counts on one thread, on every box
// of both square counts: the pentomino boxes whole, the hexomino boxes with
// all but the last tiles of a tiling set down. Slow: its own test program.
#include <gtest/gtest.h>

#include "solve/catalogue.h"

namespace {

// The box with the squares of the first placements of a tiling blocked and
// their pieces taken away.
tiling::Problem leaving(tiling::Problem p, const tiling::Tiling& t, std::size_t open) {
  for (std::size_t i = 0; i + open < t.size(); ++i) {
    for (const tiling::Cell& c : t[i].squares) p.blocked[c.line * p.columns + c.column] = true;
    p.pieces[t[i].piece].clear();
  }
  return p;
}

TEST(SolverThreads, CountOnEveryBoxAsOnOneThread) {
  solve::Catalogue catalogue(KARVELON_DATA_DIR);
  for (const solve::GameBox& box : catalogue.everyBox()) {
    SCOPED_TRACE(box.video);
    tiling::Problem p = box.problem;
    if (box.squares == 6) {
      const std::optional<tiling::Tiling> t = tiling::solve(p);
      ASSERT_TRUE(t);
      p = leaving(p, *t, 5);
    }
    const tiling::Count one = tiling::count(p, nullptr, 1);
    const tiling::Count three = tiling::count(p, nullptr, 3);
    EXPECT_GT(one.tilings, 0u);
    EXPECT_EQ(three.tilings, one.tilings);
    EXPECT_EQ(three.classes, one.classes);
  }
}

}  // namespace
