// The short solving video of a box: a tiling that needs few key presses,
// its tiles in an order a player can copy by hand, played through the
// game's handlers before it is written as a script.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "solve/catalogue.h"

namespace solve {

// OBJECTS.TXT records of the controls a video points at.
inline constexpr int kPaletteMessage = 40;
inline constexpr int kGridMessage = 41;
inline constexpr int kKeysMessage = 42;

// One tile of the video: select it, press the keys, click the box square
// where the top-left corner of its bounding box goes.
struct Step {
  int tile = 0;
  std::vector<int> keys;
  int corner = 0;
  friend bool operator==(const Step&, const Step&) = default;
};

// The fewest action keys (4 to 7) that turn each tile from its first
// orientation into each of its others, found by pressing them in the game.
class Turns {
 public:
  Turns(Catalogue& catalogue, int squares);
  const std::vector<int>& keys(int tile, const tiling::Piece& orientation) const;

 private:
  std::vector<std::map<tiling::Piece, std::vector<int>>> byTile_;
};

// A cheap tiling of the box, as steps in an order where no tile's corner
// square is covered by a tile set down before it.
std::vector<Step> plan(Catalogue& catalogue, const GameBox& box);

// Plays the steps on the box through the game's handlers. Returns what went
// wrong, or an empty text when the box ends solved, with the solved message
// the only sentence spoken.
std::string play(Catalogue& catalogue, const GameBox& box, const std::vector<Step>& steps);

// The script of the video, CR LF lines.
std::string script(const GameBox& box, const std::vector<Step>& steps);

// Plans, proves by playing and writes the video of a box; throws
// std::runtime_error when the box has no tiling or the play fails.
std::string video(Catalogue& catalogue, const GameBox& box);

}  // namespace solve
