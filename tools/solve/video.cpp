#include "solve/video.h"

#include <algorithm>
#include <deque>
#include <stdexcept>

#include "platform/numbers.h"

namespace solve {

namespace {

// Search steps spent looking for fewer key presses once a tiling is found;
// a fixed number, so the same data always gives the same videos.
constexpr std::uint64_t kSearchSteps = 400000;

tiling::Piece selectedShape(Form1& f) {
  tiling::Piece cells;
  for (int i = 0; i < f.TileSquares; ++i) cells.push_back({f.CurShape(i) / f.TileSquares, f.CurShape(i) % f.TileSquares});
  return tiling::normalised(cells);
}

tiling::Cell corner(const tiling::Placement& p) {
  tiling::Cell c = p.squares.front();
  for (const tiling::Cell& s : p.squares) c = {std::min(c.line, s.line), std::min(c.column, s.column)};
  return c;
}

// Each tile set down after the tiles whose corner square it covers: a
// click there would otherwise reach its button instead of the box. The
// ready tile with the first corner in reading order goes next.
std::vector<int> copyableOrder(const tiling::Tiling& tiles) {
  const int n = static_cast<int>(tiles.size());
  std::vector<int> coveredBy(n, -1), waiting(n, 0);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      const auto& s = tiles[j].squares;
      if (j != i && std::find(s.begin(), s.end(), corner(tiles[i])) != s.end()) coveredBy[i] = j;
    }
    if (coveredBy[i] >= 0) ++waiting[coveredBy[i]];
  }
  std::vector<int> order;
  std::vector<bool> done(n, false);
  while (static_cast<int>(order.size()) < n) {
    int next = -1;
    for (int i = 0; i < n; ++i) {
      if (done[i] || waiting[i] > 0) continue;
      if (next < 0 || corner(tiles[i]) < corner(tiles[next])) next = i;
    }
    // A corner square covered by a tile whose own corner it covers would be
    // a square two tiles share; a tiling has none, so a tile is always ready.
    done[next] = true;
    order.push_back(next);
    if (coveredBy[next] >= 0) --waiting[coveredBy[next]];
  }
  return order;
}

std::string mLine(int message, char letter, int index) {
  return "MN " + formatRight(message, 3) + letter + "Y" + formatRight(index, 3);
}

// A narration line; the player speaks columns 4 to 63.
std::string sLine(const std::string& sentence) {
  if (sentence.size() > 60) throw std::logic_error("sentence too long: " + sentence);
  return "SY " + sentence;
}

}  // namespace

Turns::Turns(Catalogue& catalogue, int squares) {
  const std::vector<tiling::Piece> tiles = catalogue.tiles(squares);
  Form1& f = catalogue.form();
  catalogue.clear();
  for (int t = 0; t < static_cast<int>(tiles.size()); ++t) {
    auto& known = byTile_.emplace_back();
    const std::size_t forms = tiling::orientations(tiles[t]).size();
    // Shortest key sequences first, each pressed on the tile fresh from the
    // palette (selecting it again returns it to its first orientation).
    std::deque<std::vector<int>> queue{{}};
    while (known.size() < forms && !queue.empty()) {
      const std::vector<int> keys = queue.front();
      queue.pop_front();
      f.ComTile_Click(static_cast<int16_t>(t * squares));
      for (int k : keys) f.ComKey_Click(static_cast<int16_t>(k));
      if (known.emplace(selectedShape(f), keys).second) {
        for (int k = 4; k <= 7; ++k) {
          queue.push_back(keys);
          queue.back().push_back(k);
        }
      }
    }
    if (known.size() < forms) throw std::runtime_error("the keys do not reach every orientation");
  }
  catalogue.clear();
}

const std::vector<int>& Turns::keys(int tile, const tiling::Piece& orientation) const {
  return byTile_.at(tile).at(tiling::normalised(orientation));
}

std::vector<Step> plan(Catalogue& catalogue, const GameBox& box) {
  const Turns turns(catalogue, box.squares);
  tiling::Preferences prefer;
  prefer.cost = [&](int piece, const tiling::Piece& form) { return static_cast<int>(turns.keys(piece, form).size()); };
  prefer.noCorner = box.underButton;
  const auto found = tiling::cheapest(box.problem, prefer, kSearchSteps);
  if (!found) throw std::runtime_error("the " + box.size + " box has no tiling that can be clicked");
  std::vector<Step> steps;
  for (int i : copyableOrder(*found)) {
    const tiling::Placement& p = (*found)[i];
    const tiling::Cell c = corner(p);
    steps.push_back({p.piece, turns.keys(p.piece, p.squares), c.line * box.problem.columns + c.column});
  }
  return steps;
}

std::string play(Catalogue& catalogue, const GameBox& box, const std::vector<Step>& steps) {
  catalogue.box(box.squares, box.entry, box.pattern);
  Form1& f = catalogue.form();
  std::vector<std::string>& spoken = catalogue.services().spoken;
  spoken.clear();
  for (const Step& s : steps) {
    const std::string tile = "tile " + std::to_string(s.tile);
    f.ComTile_Click(static_cast<int16_t>(s.tile * f.TileSquares));
    for (int k : s.keys) f.ComKey_Click(static_cast<int16_t>(k));
    if (f.SqCount(s.corner) != 0 || box.underButton[s.corner]) return "a button covers the corner square of " + tile;
    f.FlexBox().setRow(s.corner / f.BoxColumns);
    f.FlexBox().setCol(s.corner % f.BoxColumns);
    f.FlexBox_Click();
    if (f.TileAnchor(s.tile) != s.corner) return tile + " was refused";
  }
  const std::vector<std::string> said = spoken;
  f.LoadMessage(35);
  if (said != std::vector<std::string>{f.MsgText}) return "the game did not just announce the solved box";
  if (f.Overlaps != 0 || f.PlacedSquares != f.AvailSquares) return "the box is not solved";
  return "";
}

std::string script(const GameBox& box, const std::vector<Step>& steps) {
  const tiling::Problem& p = box.problem;
  const std::string tiles = std::to_string(p.pieces.size());
  std::vector<std::string> lines = {
      sLine("This video fills the " + std::to_string(p.lines) + " by " + std::to_string(p.columns) +
            " box, one tile at a time."),
      sLine(steps.size() == p.pieces.size()
                ? "It uses all " + tiles + " tiles."
                : "It uses " + std::to_string(steps.size()) + " of the " + tiles + " tiles; the others stay out."),
  };
  if (std::find(p.blocked.begin(), p.blocked.end(), true) != p.blocked.end()) {
    lines.push_back(sLine("The grey squares stay empty."));
  }
  lines.push_back(sLine("Each tile is picked and turned with the keys if need be."));
  lines.push_back(sLine("A click on a box square sets its top left corner there."));
  for (const Step& s : steps) {
    lines.push_back(mLine(kPaletteMessage, 'T', s.tile));
    for (int k : s.keys) lines.push_back(mLine(kKeysMessage, 'K', k));
    lines.push_back(mLine(kGridMessage, 'S', s.corner));
  }
  lines.push_back(sLine("Every square is covered. Now try it yourself."));
  lines.push_back(".");
  std::string text;
  for (const std::string& l : lines) text += l + "\r\n";
  return text;
}

std::string video(Catalogue& catalogue, const GameBox& box) {
  const std::vector<Step> steps = plan(catalogue, box);
  const std::string fault = play(catalogue, box, steps);
  if (!fault.empty()) throw std::runtime_error(box.video + ": " + fault);
  return script(box, steps);
}

}  // namespace solve
