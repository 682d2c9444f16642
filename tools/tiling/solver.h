// Exact cover of a box by polyominoes, for checking that a box with
// unavailable squares can really be filled by the tiles of a set.
#pragma once

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

// Every distinct orientation (rotations and mirror images) of a piece, each
// moved against line 0 and column 0 and sorted in reading order.
std::vector<Piece> orientations(const Piece& piece);

// Covers every available square of a lines x columns box, where
// blocked[line * columns + column] marks a square that is not available, with
// the given pieces, each used at most once, turned and mirrored at will.
// Returns one tiling, or nothing when none exists.
//
// The search fills the first empty square in reading order and gives up on
// any state with an empty region that is smaller than the smallest unused
// piece or whose size is not a multiple of the piece sizes' common divisor;
// that keeps pentomino boxes of 60 squares well under a second.
std::optional<std::vector<Placement>> solve(int lines, int columns,
                                            const std::vector<bool>& blocked,
                                            const std::vector<Piece>& pieces);

}  // namespace tiling
