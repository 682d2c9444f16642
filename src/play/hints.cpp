// Hints from the solver. H asks, in the background, whether the tiles
// outside the box can still fill its open squares around the tiles that
// stand in it; a second press soon after a yes sets one tile of such a
// tiling through the player's own clicks: the tile's button, the action keys
// that turn it, the box square of its anchor. C counts the ways to finish
// the box from the tiles as they stand.
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
// A count soon ends or runs for minutes: past this, the player hears the
// count so far.
constexpr auto kCountTime = std::chrono::seconds(2);
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

std::string ways(std::uint64_t n) {
  return std::to_string(n) + (n == 1 ? " way" : " ways") + " to finish this box";
}

std::string countSentence(const tiling::Tally& tally) {
  if (tally.decided) return tally.tilings == 0 ? "No way to finish this box" : ways(tally.tilings);
  if (tally.tilings == 0) return "I cannot tell yet how many ways there are to finish this box";
  return "At least " + ways(tally.tilings);
}

}  // namespace

struct Form1::SolverJob {
  tiling::Problem position;
  std::shared_ptr<std::atomic<bool>> stop;  // kept alive for the worker
  tiling::Limits limits;
  std::function<void(const tiling::Problem&, const tiling::Limits&)> search;
  std::function<void(tiling::Problem)> answer;
};

struct Form1::Hints {
  std::shared_ptr<std::atomic<bool>> stop = std::make_shared<std::atomic<bool>>(false);
  bool searching = false;  // H's question is open
  bool counting = false;   // C's
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

// Overlapping tiles are named first and a solved box is said solved; only
// otherwise is there a question for the solver.
bool Form1::SolverMayAsk() {
  if (!hints_) hints_ = std::make_shared<Hints>();
  if (Overlaps > 0) {
    Announce(32);
  } else if (PlacedSquares == AvailSquares) {
    Announce(35);
  } else {
    return true;
  }
  return false;
}

// The worker sees only its own copy of the position, never the form; the
// time runs from the press. An answer about tiles that have moved meanwhile
// is dropped unsaid: the player asks again when ready.
void Form1::AskSolver(bool& open, tiling::Problem position, std::chrono::steady_clock::duration time,
                      std::function<void(const tiling::Problem&, const tiling::Limits&)> search,
                      std::function<void(tiling::Problem)> answer) {
  auto job = std::make_shared<SolverJob>(SolverJob{std::move(position), hints_->stop,
                                                   {Clock::now() + time, hints_->stop.get()}, std::move(search),
                                                   std::move(answer)});
  open = true;
  sys.runInBackground(
      [job] {
        try {
          job->search(job->position, job->limits);
        } catch (const std::exception&) {
          // no answer: the search's result stays "cannot tell"
        }
      },
      [this, job, &open] {
        window.gate.submit([this, job, &open] {
          Guarded([&] {
            open = false;
            if (HintPosition() == job->position) job->answer(std::move(job->position));
          });
        });
      });
}

void Form1::Hint_Press() {
  // The box is the video's or the loop's while it plays: a hint set now
  // would resume a waiting tour or be wiped by the next step.
  if (RefusedDuringPlayback("Hints")) return;
  if (hints_ && hints_->searching) return Say("I am still thinking about this box");
  if (!SolverMayAsk()) return;
  Hints& h = *hints_;
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
  auto verdict = std::make_shared<tiling::Verdict>();
  AskSolver(
      h.searching, std::move(position), kSearchTime,
      [verdict](const tiling::Problem& p, const tiling::Limits& limits) { *verdict = tiling::solve(p, limits); },
      [this, verdict](tiling::Problem answered) {
        if (!verdict->decided) return Say("I cannot tell yet whether this box can be solved");
        if (!verdict->tiling) return Say("The tiles as they stand block every solution");
        hints_->known = std::move(*verdict->tiling);
        HintSolvable(std::move(answered));
      });
}

void Form1::HintSolvable(tiling::Problem position) {
  hints_->answered = std::move(position);
  hints_->answeredAt = Clock::now();
  Say("This box can still be solved");
}

// Said and shown in the information label, where the player can read it
// again until the pointer moves on.
void Form1::Count_Press() {
  const auto tell = [this](const std::string& sentence) {
    LabTip().setCaption(sentence);
    Say(sentence);
  };
  if (RefusedDuringPlayback("Counts")) return;  // as for hints: the box is not the player's now
  if (hints_ && hints_->counting) return tell("Still counting");
  if (!SolverMayAsk()) return;
  auto tally = std::make_shared<tiling::Tally>();
  AskSolver(
      hints_->counting, HintPosition(), kCountTime,
      [tally](const tiling::Problem& p, const tiling::Limits& limits) { *tally = tiling::count(p, limits); },
      [tell, tally](tiling::Problem) { tell(countSentence(*tally)); });
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
