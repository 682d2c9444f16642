// Exact cover of a box by polyominoes: each piece used at most once, turned
// and mirrored at will, every open square covered exactly once. Finds one
// tiling, counts them all (also one per symmetry class of the box), lists
// them, or looks for one that is cheap by a cost given per orientation.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace tiling {

struct Cell {
  int line;
  int column;
  friend bool operator==(const Cell&, const Cell&) = default;
  friend auto operator<=>(const Cell&, const Cell&) = default;
};

// The squares of one piece, in any position and orientation.
using Piece = std::vector<Cell>;

// One piece set down: which piece, and the box squares it covers.
struct Placement {
  int piece;
  std::vector<Cell> squares;
};
using Tiling = std::vector<Placement>;

// A lines x columns box whose squares blocked[line * columns + column] are
// not to be covered, and the pieces to cover the others with (at most 64).
struct Problem {
  int lines = 0;
  int columns = 0;
  std::vector<bool> blocked;
  std::vector<Piece> pieces;
  friend bool operator==(const Problem&, const Problem&) = default;
};

// Every distinct orientation (rotations and mirror images) of a piece, each
// moved against line 0 and column 0 and sorted in reading order.
std::vector<Piece> orientations(const Piece& piece);

// Moved against line 0 and column 0, sorted in reading order.
Piece normalised(Piece cells);

// Boxes of up to 256 squares are searched; a larger or malformed problem
// throws std::invalid_argument. Two searches race for a first tiling on
// threads of their own, so which tiling comes may differ from run to run.
std::optional<Tiling> solve(const Problem& problem);

// Where a bounded search gives up: at the deadline, or once `stop` is set
// (both looked at every few thousand steps).
struct Limits {
  std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
  const std::atomic<bool>* stop = nullptr;
};

// A first tiling, or none when there is none; undecided when a limit came
// first.
struct Verdict {
  bool decided = false;
  std::optional<Tiling> tiling;
};
Verdict solve(const Problem& problem, const Limits& limits);

// Calls visit for every tiling until it returns false.
void enumerate(const Problem& problem, const std::function<bool(const Tiling&)>& visit);

struct Count {
  std::uint64_t tilings = 0;  // every tiling, mirror images and turns included
  std::uint64_t classes = 0;  // one per class under the box's symmetries
  int symmetries = 1;         // turns and mirrorings that map the box onto itself
};

// A count is shared between `threads` threads, the calling one among them;
// 0 means one per core of the machine. progress, when given, is called now
// and then on the calling thread with the tilings counted so far.
Count count(const Problem& problem, const std::function<void(std::uint64_t)>& progress = {}, int threads = 0);

// Counting within limits: every tiling found so far, and whether the count
// ran to its end before a limit came.
struct Tally {
  bool decided = false;
  std::uint64_t tilings = 0;
};
Tally count(const Problem& problem, const Limits& limits, int threads = 0);

// What a tiling costs: a cost per piece and orientation (the orientation as
// normalised() gives it), and squares on which no placement may have the
// top-left corner of its bounding box.
struct Preferences {
  std::function<int(int piece, const Piece& orientation)> cost;
  std::vector<bool> noCorner;
};

// The cheapest tiling found within nodeLimit steps of the search: the cheap
// orientations are tried first, and branches that cannot beat the best
// tiling so far are cut; past the limit the search goes on only until it has
// a first tiling. With a limit the search leaves unused, it is the cheapest.
std::optional<Tiling> cheapest(const Problem& problem, const Preferences& preferences, std::uint64_t nodeLimit);

}  // namespace tiling
