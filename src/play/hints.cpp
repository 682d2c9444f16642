// Hints from the solver. The first press asks, in the background, whether
// the tiles outside the box can still fill its open squares around the tiles
// that stand in it; a second press soon after a yes sets one tile of such a
// tiling through the player's own clicks: the tile's button, the action keys
// that turn it, the box square of its anchor.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <optional>
#include <tuple>

#include "app/form1.h"
#include "tiling/solver.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int32_t kUnavailable = 0x00C0C0C0;
// Long enough for every pentomino box many times over; the largest
// hexomino boxes may need longer, and the player is told so.
constexpr auto kSearchTime = std::chrono::seconds(3);
constexpr auto kSecondPress = std::chrono::seconds(10);

// The placements of a tiling found before whose tiles are still outside the
// box and that cover the open squares of the position exactly, or nothing.
std::optional<tiling::Tiling> completion(const tiling::Tiling& known, const tiling::Problem& p) {
  if (known.empty()) return std::nullopt;
  std::vector<bool> covered = p.blocked;
  tiling::Tiling rest;
  for (const tiling::Placement& placement : known) {
    if (placement.piece >= static_cast<int>(p.pieces.size())) return std::nullopt;
    if (p.pieces[placement.piece].empty()) continue;  // that tile stands in the box
    for (const tiling::Cell& c : placement.squares) {
      if (c.line >= p.lines || c.column >= p.columns) return std::nullopt;
      const int square = c.line * p.columns + c.column;
      if (covered[square]) return std::nullopt;
      covered[square] = true;
    }
    rest.push_back(placement);
  }
  if (std::find(covered.begin(), covered.end(), false) != covered.end()) return std::nullopt;
  return rest;
}

}  // namespace

struct Form1::HintJob {
  tiling::Problem position;
  std::shared_ptr<std::atomic<bool>> stop;
  tiling::Verdict verdict;
};

struct Form1::Hints {
  std::shared_ptr<std::atomic<bool>> stop = std::make_shared<std::atomic<bool>>(false);
  bool searching = false;
  tiling::Tiling known;      // the last tiling found
  tiling::Problem answered;  // the position last said to be solvable, and when
  Clock::time_point answeredAt;
  ~Hints() { *stop = true; }  // a search still running ends soon
};

// The position for the solver: the box's grey squares and the squares under
// tiles in the box blocked; tile t is piece t, empty while it stands in the
// box, else its shape from the palette (the solver turns it at will).
tiling::Problem Form1::HintPosition() {
  tiling::Problem p{BoxLines, BoxColumns, {}, {}};
  for (int line = 0; line < BoxLines; ++line) {
    for (int column = 0; column < BoxColumns; ++column) {
      p.blocked.push_back(FlexBox().backColorAt(line, column) == kUnavailable ||
                          SqCount(BoxColumns * line + column) > 0);
    }
  }
  for (int t = 0; t <= LastTile; ++t) {
    tiling::Piece& piece = p.pieces.emplace_back();
    if (TileAnchor(t) != -1) continue;
    for (int s = 0; s < TileSquares; ++s) {
      const int code = ShapeOrig(SqVariant, t, s);
      piece.push_back({code / TileSquares, code % TileSquares});
    }
  }
  return p;
}

void Form1::Hint_Press() {
  // The box is the video's or the loop's while it plays: a hint set now
  // would resume a waiting tour or be wiped by the next step.
  if (RefusedDuringPlayback("Hints")) return;
  if (!hints_) hints_ = std::make_shared<Hints>();
  Hints& h = *hints_;
  if (h.searching) return Say("I am still thinking about this box");
  if (Overlaps > 0) return Announce(32);
  if (PlacedSquares == AvailSquares) return Announce(35);
  tiling::Problem position = HintPosition();
  if (const auto rest = completion(h.known, position)) {
    if (position == h.answered && Clock::now() - h.answeredAt < kSecondPress) {
      h.answered = {};
      // The tile on the first open square: the box fills from its top left.
      HintSet(*std::min_element(rest->begin(), rest->end(), [](const auto& a, const auto& b) {
        return a.squares.front() < b.squares.front();
      }));
    } else {
      HintSolvable(std::move(position));
    }
    return;
  }
  // The worker sees only its own copy of the position, never the form.
  auto job = std::make_shared<HintJob>(HintJob{std::move(position), h.stop, {}});
  h.searching = true;
  sys.runInBackground(
      [job] {
        try {
          job->verdict = tiling::solve(job->position, {Clock::now() + kSearchTime, job->stop.get()});
        } catch (const std::exception&) {
          job->verdict = {};  // no answer: "cannot tell"
        }
      },
      [this, job] { window.gate.submit([this, job] { Guarded([&] { HintAnswered(*job); }); }); });
}

void Form1::HintAnswered(HintJob& job) {
  hints_->searching = false;
  // The tiles changed while the solver thought: its answer is of another
  // position, and the player asks again when ready.
  if (HintPosition() != job.position) return;
  if (!job.verdict.decided) return Say("I cannot tell yet whether this box can be solved");
  if (!job.verdict.tiling) return Say("The tiles as they stand block every solution");
  hints_->known = std::move(*job.verdict.tiling);
  HintSolvable(std::move(job.position));
}

void Form1::HintSolvable(tiling::Problem position) {
  hints_->answered = std::move(position);
  hints_->answeredAt = Clock::now();
  Say("This box can still be solved");
}

// The orientation entry of the tile's kind whose keys turn the tile from the
// palette's orientation into the placement's: key1 + 10 * key2, 0 for none.
int16_t Form1::HintKeys(int16_t tile, const tiling::Piece& goal) {
  for (int entry = 0; entry <= 7; ++entry) {
    const int16_t code = KindOrient(TileKind(toInt16(SqVariant * 12 + tile)), entry);
    tiling::Piece turned;
    for (int s = 0; s < TileSquares; ++s) {
      int16_t line = toInt16(idiv(ShapeOrig(SqVariant, tile, s), TileSquares));
      int16_t column = toInt16(imod(ShapeOrig(SqVariant, tile, s), TileSquares));
      for (const int key : {code % 10, code / 10}) {
        if (key != 0) std::tie(line, column) = Turned(KeyTurn(toInt16(key + 1)), TileSquares, line, column);
      }
      turned.push_back({line, column});
    }
    if (tiling::normalised(turned) == tiling::normalised(goal)) return code;
  }
  throw ProgramError("no action keys turn tile " + std::to_string(tile) + " as the solver set it");
}

// Said before the clicks, so that the box's own announcements come last.
void Form1::HintSet(const tiling::Placement& placement) {
  const int16_t tile = toInt16(placement.piece);
  const int16_t code = HintKeys(tile, placement.squares);
  Say("Hint: tile " + std::to_string(tile) + " set");
  tiling::Cell corner = placement.squares.front();
  for (const tiling::Cell& c : placement.squares) corner.column = std::min(corner.column, c.column);
  // One step for undo, however many clicks it takes.
  Recorded("Hint for tile " + std::to_string(tile), [&] {
    // Selecting a tile from its button brings it in the palette's orientation.
    ComTile(TileSquares * tile).playerClick();
    for (const int key : {code % 10, code / 10}) {
      if (key != 0) ComKey(toInt16(key)).playerClick();
    }
    // The grid's own click: no button over the square can take it instead.
    FlexBox().playerClickCell(corner.line, corner.column);
  });
}

void Form1::Say(const std::string& sentence) {
  MsgText = sentence;
  ComSpeak_Click();
}
