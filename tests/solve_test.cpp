// The solver against published counts (on one thread and on several), the
// classes of tilings under the box's symmetries, and the shipped short
// solving videos against what the tool writes today.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "harness.h"
#include "solve/video.h"

namespace {

solve::Catalogue& catalogue() {
  static solve::Catalogue c(KARVELON_DATA_DIR);
  return c;
}

struct Known {
  int lines, columns;
  std::vector<int> holes;
  std::vector<tiling::Piece> pieces;
  std::uint64_t tilings, classes;
  int symmetries;
};

TEST(Solver, CountsTilingsAndTheirClassesUnderTheBoxsSymmetries) {
  const auto pentominoes = catalogue().tiles(5);
  const tiling::Piece domino{{0, 0}, {0, 1}};
  tiling::Piece bar;
  for (int column = 0; column < 32; ++column) bar.push_back({0, column});
  const Known cases[] = {
      {6, 10, {}, pentominoes, 9356, 2339, 4},
      {5, 12, {}, pentominoes, 4040, 1010, 4},
      {3, 20, {}, pentominoes, 8, 2, 4},
      {8, 8, {27, 28, 35, 36}, pentominoes, 520, 65, 8},
      {2, 5, {}, pentominoes, 0, 0, 4},
      // Published counts of boxes filled by some of the pentominoes, and of
      // the 8 by 8 box with its 2 by 2 hole in a corner.
      {3, 5, {}, pentominoes, 28, 7, 4},
      {4, 5, {}, pentominoes, 200, 50, 4},
      {5, 5, {}, pentominoes, 856, 107, 8},
      {5, 6, {}, pentominoes, 2164, 541, 4},
      {3, 10, {}, pentominoes, 580, 145, 4},
      {4, 10, {}, pentominoes, 8340, 2085, 4},
      {5, 10, {}, pentominoes, 27804, 6951, 4},
      {8, 8, {0, 1, 8, 9}, pentominoes, 10054, 5027, 2},
      // No symmetry: the first piece's places near the far end are searched from there.
      {8, 8, {1, 2, 9, 10}, pentominoes, 3207, 3207, 1},
      // Tilings that are their own mirror images still count once.
      {2, 2, {}, {domino, domino}, 4, 1, 8},
      {1, 3, {0}, {domino, domino}, 2, 2, 2},
      {1, 2, {}, {domino, domino, domino}, 3, 3, 4},
      // Pieces too long for the search's frame of a line.
      {2, 32, {}, {bar, bar}, 2, 1, 4},
  };
  for (const Known& k : cases) {
    tiling::Problem p{k.lines, k.columns, std::vector<bool>(k.lines * k.columns, false), k.pieces};
    for (int h : k.holes) p.blocked[h] = true;
    const tiling::Count n = tiling::count(p);
    const std::string what = std::to_string(k.lines) + "x" + std::to_string(k.columns);
    EXPECT_EQ(n.tilings, k.tilings) << what;
    EXPECT_EQ(n.classes, k.classes) << what;
    EXPECT_EQ(n.symmetries, k.symmetries) << what;
    std::uint64_t listed = 0;
    tiling::enumerate(p, [&](const tiling::Tiling&) { return ++listed < 1000; });
    EXPECT_EQ(listed, std::min<std::uint64_t>(k.tilings, 1000)) << what;
    EXPECT_EQ(tiling::solve(p).has_value(), k.tilings > 0) << what;
    const tiling::Tally open = tiling::count(p, tiling::Limits{}, 1);
    EXPECT_TRUE(open.decided) << what;
    EXPECT_EQ(open.tilings, k.tilings) << what;
  }
  // Stopped or past its deadline, a count is undecided and says what it had.
  const std::atomic<bool> stop{true};
  tiling::Problem big{6, 10, std::vector<bool>(60, false), pentominoes};
  const tiling::Tally stopped = tiling::count(big, {.stop = &stop});
  const tiling::Tally late = tiling::count(big, {.deadline = std::chrono::steady_clock::now()});
  EXPECT_FALSE(stopped.decided || late.decided);
  EXPECT_LT(std::max(stopped.tilings, late.tilings), 9356u);
}

std::string shipped(const std::string& name) {
  std::ifstream in(std::filesystem::path(KARVELON_DATA_DIR) / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Each video is proven on the game's handlers as it is written.
TEST(Videos, EveryBoxAndPatternShipsTheVideoTheToolWritesToday) {
  std::set<std::string> boxes;
  for (const solve::GameBox& box : catalogue().everyBox()) {
    boxes.insert(box.video);
    EXPECT_EQ(shipped(box.video), solve::video(catalogue(), box)) << box.video << " missing or out of date";
  }
  // Ten 5-square sizes, two of them in 19 and 12 patterns; seven 6-square sizes.
  EXPECT_EQ(boxes.size(), 8u + 19 + 12 + 7);
  for (const auto& file : std::filesystem::directory_iterator(KARVELON_DATA_DIR)) {
    const std::string name = file.path().filename().string();
    if (name.starts_with("VID") && !name.starts_with("VIDINFO")) {
      EXPECT_TRUE(boxes.count(name)) << name << " has no box";
    }
  }
}

// The sentences of a video's "S" lines.
std::set<std::string> narration(const std::string& video) {
  std::set<std::string> out;
  std::istringstream text(video);
  for (std::string line; std::getline(text, line);) {
    if (line[0] == 'S') out.insert(line.substr(3, line.size() - 4));
  }
  return out;
}

// "Solve Puzzle" answered Yes, then No to the sound, on every box; the
// player runs on the cranked timer and clicks every step itself.
TEST(Videos, EveryShippedVideoSolvesItsBoxInThePlayerWithNothingRefused) {
  for (const solve::GameBox& box : catalogue().everyBox()) {
    SCOPED_TRACE(box.video);
    Game g;
    Form1& f = g.f();
    g.selectSquares(box.squares - 5);
    g.selectSize(box.size);
    if (!box.pattern.empty()) f.BoxCode = f.BoxCode.substr(0, 2) + box.pattern;  // as if drawn
    g.sys.yesNoAnswers = {6, 7};
    g.clickKey(2);
    for (int ticks = 0; f.Timer1().enabled() && ticks < 100000; ++ticks) g.tick();
    EXPECT_EQ(f.VideoState, 0);
    EXPECT_TRUE(f.PlacedSquares == f.AvailSquares && f.Overlaps == 0);
    EXPECT_TRUE(g.sys.messages.empty()) << g.sys.messages.front();
    f.LoadMessage(35);
    EXPECT_EQ(std::count(g.sys.spoken.begin(), g.sys.spoken.end(), f.MsgText), 1);
    const std::set<std::string> said = narration(shipped(box.video));
    for (const std::string& s : g.sys.spoken) EXPECT_TRUE(s == f.MsgText || said.count(s)) << "spoken: " << s;
  }
}

}  // namespace
