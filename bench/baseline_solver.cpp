// The solver as it was before the count got its own search: kept only so
// the benchmark can set the two side by side on the same machine.
#include "baseline_solver.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <stdexcept>
#include <type_traits>

#include "tiling/board.h"

namespace baseline {

using namespace tiling;
// The board, its numbering and the symmetries are as they were: shared with
// the solver of today.
using namespace tiling::detail;

namespace {

// Which placements of one piece the count keeps when the box has
// symmetries: only the first of each class of placements that the
// symmetries map onto each other. Every tiling then stands for the whole
// class of its placement, and only the symmetries that keep that placement
// can map the tiling onto itself.
struct Orbit {
  int size = 1;            // placements in the class
  std::vector<int> keeps;  // the symmetries that map the placement onto itself
};

template <int W>
class Search {
  // A frame (see Near): one word for the boxes of one, else two.
  using Window = Bits<(W < 2 ? W : 2)>;

 public:
  struct Option {
    Bits<W> mask;
    int piece;
    int cost;
  };

  Search(const Problem& p, const Preferences* prefs, std::vector<std::vector<int>> maps = {})
      : layout_(p.lines, p.columns), squares_(p.lines * p.columns), maps_(std::move(maps)) {
    for (int b = squares_; b < W * 64; ++b) start_.set(b);  // beyond the box counts as full
    int open = 0;
    for (int line = 0; line < p.lines; ++line) {
      for (int column = 0; column < p.columns; ++column) {
        if (p.blocked[line * p.columns + column]) {
          start_.set(layout_.bit(line, column));
        } else {
          ++open;
        }
      }
    }
    int area = 0, largest = 0;
    size_.resize(p.pieces.size());
    for (int piece = 0; piece < static_cast<int>(p.pieces.size()); ++piece) {
      if (p.pieces[piece].empty()) continue;
      const int size = static_cast<int>(p.pieces[piece].size());
      area += size;
      divisor_ = std::gcd(divisor_, size);
      smallest_ = std::min(smallest_, size);
      largest = std::max(largest, size);
      size_[piece] = size;
      for (const Piece& form : tiling::orientations(p.pieces[piece])) {
        const int cost = prefs && prefs->cost ? prefs->cost(piece, form) : 0;
        int height = 0, width = 0;
        for (const Cell& c : form) height = std::max(height, c.line + 1), width = std::max(width, c.column + 1);
        for (int line = 0; line + height <= p.lines; ++line) {
          for (int column = 0; column + width <= p.columns; ++column) {
            if (prefs && !prefs->noCorner.empty() && prefs->noCorner[line * p.columns + column]) continue;
            Bits<W> mask;
            for (const Cell& c : form) mask.set(layout_.bit(line + c.line, column + c.column));
            if (!mask.intersects(start_)) options_.push_back({mask, piece, cost});
          }
        }
      }
    }
    exact_ = area == open;
    for (int n = 0; n <= squares_; ++n) fits_.push_back(divisor_ > 0 && n % divisor_ == 0 && n >= smallest_);
    largest_ = largest;
    beyond_.resize(squares_);
    for (int at = 0; at < squares_; ++at) {
      for (int b = at + largest * layout_.run; b < squares_; ++b) beyond_[at].set(b);
    }
    ranks_ = static_cast<int>(p.pieces.size());
    std::vector<int> optionsOf(ranks_, 0);
    for (const Option& o : options_) ++optionsOf[o.piece];
    if (exact_ && !maps_.empty()) reduce(std::min_element(optionsOf.begin(), optionsOf.end()) - optionsOf.begin());
    // At a square the pieces with the fewest places go first, as they are
    // the hardest to fit later; the search marks pieces by this rank.
    std::vector<int> byRank(ranks_);
    std::iota(byRank.begin(), byRank.end(), 0);
    std::stable_sort(byRank.begin(), byRank.end(), [&](int a, int b) { return optionsOf[a] < optionsOf[b]; });
    rank_.resize(ranks_);
    for (int r = 0; r < ranks_; ++r) rank_[byRank[r]] = r;
    for (int piece = 0; piece < ranks_; ++piece)
      if (!p.pieces[piece].empty()) pieces_ |= std::uint64_t{1} << rank_[piece];
    // By square, then rank; for each piece its cheap orientations first.
    std::stable_sort(options_.begin(), options_.end(), [&](const Option& a, const Option& b) {
      const int fa = a.mask.lowest(), fb = b.mask.lowest();
      if (fa != fb) return fa < fb;
      if (a.piece != b.piece) return rank_[a.piece] < rank_[b.piece];
      return a.cost < b.cost;
    });
    groups_.assign(squares_ * ranks_, {});
    here_.assign(squares_, 0);
    for (int i = 0; i < static_cast<int>(options_.size()); ++i) {
      const int at = options_[i].mask.lowest(), rank = rank_[options_[i].piece];
      Group& g = groups_[at * ranks_ + rank];
      if (g.begin == g.end) g = {i, i};
      ++g.end;
      here_[at] |= std::uint64_t{1} << rank;
    }
    later_.assign(squares_ + 1, 0);
    for (int b = squares_ - 1; b >= 0; --b) later_[b] = later_[b + 1] | here_[b];
    if (reduced_ >= 0) {
      // Options moved while sorting: index their classes anew.
      std::vector<Orbit> byIndex(options_.size());
      for (std::size_t i = 0; i < options_.size(); ++i) {
        if (options_[i].piece == reduced_) byIndex[i] = orbitOf(options_[i].mask);
      }
      orbits_ = std::move(byIndex);
    }
    for (int m = 0; m < static_cast<int>(maps_.size()); ++m) unreduced_.keeps.push_back(m);
    board_ = start_;
    frame(p);
  }

  const Layout& layout() const { return layout_; }
  int squares() const { return squares_; }
  const std::vector<const Option*>& chosen() const { return chosen_; }
  const std::vector<std::vector<int>>& maps() const { return maps_; }
  int symmetries() const { return static_cast<int>(maps_.size()) + 1; }

  // The class of the tiling found, as far as the reduced piece tells.
  const Orbit& orbit() const {
    for (const Option* o : chosen_) {
      if (o->piece == reduced_) return orbits_[o - options_.data()];
    }
    return unreduced_;
  }

  Tiling tiling() const {
    Tiling out;
    for (const Option* o : chosen_) {
      Placement p{o->piece, {}};
      for (int b = 0; b < squares_; ++b)
        if (o->mask.test(b)) p.squares.push_back(layout_.cell(b));
      std::sort(p.squares.begin(), p.squares.end());
      out.push_back(std::move(p));
    }
    return out;
  }

  // The visitor sees every tiling (found: false stops), every search step
  // (step: false stops), may refuse options (admits: false also refuses the
  // piece's later, costlier options at that square) and follows each option
  // taken.
  template <class V>
  bool run(V& v) {
    return run(v, nullptr);
  }

 private:
  struct Group {
    int begin = 0, end = 0;  // options [begin, end) of one piece at one square
  };

  // Near square `at` the search works on the frame of its line: the squares
  // from the start of that line to the end of the line past the reach of
  // the pieces set down, which holds every square a check can touch. When
  // the lines are short enough (`framed_`), that is one word or two
  // whatever the box, and each option is kept on the frame of its first line.
  struct Near {
    Window next;    // the squares beside the option
    Window shadow;  // the squares at or above it in its columns
  };
  // An empty region on the frame of a line.
  struct Part {
    Window squares;
    int base = 0;  // the square where the frame starts
    int size = 0;
  };
  struct Frame {
    Window board;  // the board on the frame of the line of `at`
    Window far;    // squares no piece set down can reach
    Window below;  // empty squares with an empty column under them to the box's last line
    bool end = false;     // beyond reach is past the box
    bool narrow = false;  // there: the rest of the box lies in the frame's first word
    Part part;            // there: the region of `at`
  };

  template <class V>
  bool run(V& v, const Part* given) {
    const int at = board_.lowestClear();
    if (at >= squares_) return v.found(*this);
    // Where every piece is needed, one that has no place left ends the branch.
    if (exact_ && (pieces_ & ~used_ & ~later_[at])) return true;
    if (!v.step()) return false;
    const bool framed = framed_;
    const Frame f = framed ? frameAt(at, given) : Frame{};
    for (std::uint64_t left = here_[at] & ~used_; left; left &= left - 1) {
      const std::uint64_t piece = left & -left;
      const Group g = groups_[at * ranks_ + std::countr_zero(left)];
      used_ |= piece;
      // Costs rise along a piece's options, so refusing only those that fit
      // refuses from the first refused one on, as the visitor asks.
      for (int i = fitting(g.begin, g.end, f); i < g.end; i = fitting(i + 1, g.end, f)) {
        const Option& o = options_[i];
        if (!v.admits(o)) break;
        board_ |= o.mask;
        chosen_.push_back(&o);
        bool more = true;
        Part rest;
        if (framed ? fillable(i, size_[o.piece], f, rest) : fillable(o.mask, at)) {
          v.enter(o);
          more = run(v, f.end ? &rest : nullptr);
          v.leave(o);
        }
        chosen_.pop_back();
        board_ ^= o.mask;
        if (!more) {
          used_ ^= piece;
          return false;
        }
      }
      used_ ^= piece;
    }
    return true;
  }

  // The first of options [i, end) that misses the board.
  int fitting(int i, int end, const Frame& f) const {
    if (framed_) {
      const Window* const masks = masks_.data();
      while (i < end && masks[i].intersects(f.board)) ++i;
    } else {
      while (i < end && options_[i].mask.intersects(board_)) ++i;
    }
    return i;
  }

  Bits<W> image(const Bits<W>& mask, const std::vector<int>& map) const {
    Bits<W> out;
    for (int b = 0; b < squares_; ++b)
      if (mask.test(b)) out.set(map[b]);
    return out;
  }

  // Placements are ordered by the first square where they differ: the one
  // that covers it comes first.
  static bool before(const Bits<W>& a, const Bits<W>& b) {
    for (int i = 0; i < W; ++i) {
      if (const std::uint64_t d = a.w[i] ^ b.w[i]) return a.w[i] & d & -d;
    }
    return false;
  }

  Orbit orbitOf(const Bits<W>& mask) const {
    Orbit o;
    std::vector<Bits<W>> seen{mask};
    for (int m = 0; m < static_cast<int>(maps_.size()); ++m) {
      const Bits<W> i = image(mask, maps_[m]);
      if (i == mask) o.keeps.push_back(m);
      if (std::find(seen.begin(), seen.end(), i) == seen.end()) seen.push_back(i);
    }
    o.size = static_cast<int>(seen.size());
    return o;
  }

  // Keeps only the first placement of each class for one piece.
  void reduce(int piece) {
    reduced_ = piece;
    std::erase_if(options_, [&](const Option& o) {
      if (o.piece != piece) return false;
      return std::any_of(maps_.begin(), maps_.end(), [&](const auto& m) { return before(image(o.mask, m), o.mask); });
    });
  }

  // Every empty region next to the piece just set down at square `at` must
  // still be fillable: its size a multiple of the pieces' and no smaller than
  // one. No piece set down so far reaches far beyond `at`; a region that gets
  // there is the rest of the box, which is fillable when the others are.
  bool fillable(const Bits<W>& placed, int at) const {
    const Bits<W> empty = ~board_;
    return regionsFit(grid_, grid_.grow(placed) & empty, empty, beyond_[at]);
  }

  // The same on the frame of the line of `at`. Before the last line comes
  // within the pieces' reach, a region reaching an empty square whose column
  // stays empty down to that line joins the rest of the box there, as the
  // last line is empty and unblocked: such squares settle a region as soon
  // as the squares beyond reach do, and are mostly much nearer. Once beyond
  // reach is past the box, every region is closed: they are the parts of the
  // region of `at` the piece leaves, and the last one's size is what the
  // others leave of it, so it needs no flood; that part goes to the next step.
  [[gnu::always_inline]] bool fillable(int option, int size, const Frame& f, Part& rest) const {
    const Window& mask = masks_[option];
    const Near& n = near_[option];
    if (!f.end) {
      const Window empty = ~(f.board | mask) & frameSquares_;
      const Window seeds = n.next & empty;
      if (lone(frameGrid_, seeds, empty)) return false;
      const Window below = f.below & ~n.shadow;
      return regionsFit(frameGrid_, seeds & ~below, empty, f.far | below);
    }
    rest.base = f.part.base;
    rest.size = f.part.size - size;
    if constexpr (Window::words > 1) {
      if (f.narrow) {  // past the box counts as full
        const Bits<1> empty{{~(f.board.w[0] | mask.w[0])}};
        Bits<1> squares{{f.part.squares.w[0] & ~mask.w[0]}};
        const bool ok = parts(narrowGrid_, Bits<1>{{n.next.w[0]}} & empty, empty, squares, rest.size);
        rest.squares.w[0] = squares.w[0];
        return ok;
      }
    }
    const Window empty = ~(f.board | mask) & frameSquares_;
    rest.squares = f.part.squares & ~mask;
    return parts(frameGrid_, n.next & empty, empty, rest.squares, rest.size);
  }

  // A lone square is the commonest dead end: it is spotted before any flood.
  template <class B>
  bool lone(const Grid<B>& grid, const B& seeds, const B& empty) const {
    return !fits(1) && (seeds & ~grid.beside(empty)).any();
  }

  // The parts of the region of `at` that a piece leaves, all next to it:
  // each closed off must be fillable, and the last is what the others leave
  // of the region (`rest`, `size`), which needs no flood to the end. The
  // part holding the next square to fill is left in `rest` when known.
  template <class B>
  bool parts(const Grid<B>& grid, B seeds, const B& empty, B& rest, int& size) const {
    if (lone(grid, seeds, empty)) return false;
    B held;  // a closed part holding the next square to fill
    int heldSize = 0;
    while (seeds.any()) {
      B region;
      region.set(seeds.lowest());
      bool last = false;
      for (;;) {
        if ((last = !(seeds & ~region).any())) break;
        const B grown = grid.grow(region) & empty;
        if (grown == region) break;
        region = grown;
      }
      if (last) {
        if (!fits(size)) return false;
        break;
      }
      const int closed = region.count();
      if (!fits(closed)) return false;
      if (region.test(empty.lowest())) held = region, heldSize = closed;
      size -= closed;
      rest &= ~region;
      seeds &= ~region;
    }
    if (held.any()) rest = held, size = heldSize;
    return true;
  }

  bool fits(int region) const { return fits_[region]; }

  // False when a region of empty squares around the seeds, closed off from
  // the open squares, cannot be filled. A lone square is closed even there.
  template <class B>
  bool regionsFit(const Grid<B>& grid, B seeds, const B& empty, const B& open) const {
    while (seeds.any()) {
      B region;
      region.set(seeds.lowest());
      bool reached = false;
      for (;;) {
        const B next = grid.grow(region) & empty;
        if (next == region) break;
        region = next;
        if ((reached = region.intersects(open))) break;
      }
      seeds &= ~region;
      if (reached) continue;
      if (!fits(region.count())) return false;
    }
    return true;
  }

  // Sets the frames up (see Near), once the options are in their order.
  void frame(const Problem& p) {
    const int run = layout_.run, lines = squares_ / run, height = largest_ + 2;
    framed_ = height * run <= Window::words * 64;
    if (!framed_) return;
    for (int b = 0; b < height * run; ++b) frameSquares_.set(b);
    frameGrid_ = Grid<Window>(height * run, run);
    narrowGrid_ = Grid<Bits<1>>(64, run);
    far_.resize(run);
    for (int c = 0; c < run; ++c) {
      for (int b = c + largest_ * run; b < height * run; ++b) far_[c].set(b);
    }
    for (const Option& o : options_) {
      const int lowest = o.mask.lowest();
      const Window mask = window<Window::words>(o.mask, lowest - lowest % run, 0);
      Near n{frameGrid_.grow(mask) & ~mask & frameSquares_, {}};
      for (int b = 0; b < height * run; ++b) {
        if (!mask.test(b)) continue;
        for (int above = b % run; above <= b; above += run) n.shadow.set(above);
      }
      masks_.push_back(mask);
      near_.push_back(n);
    }
    // By the line of `at`, while nothing set down reaches the last line: the
    // squares of the frame's last line (or the box's) whose column is
    // unblocked down to the box's end.
    const auto blocked = [&](int b) {
      const Cell c = layout_.cell(b);
      return p.blocked[c.line * p.columns + c.column];
    };
    for (int b = (lines - 1) * run; b < squares_; ++b)
      if (blocked(b)) return;
    for (int line = 0; line + largest_ < lines; ++line) {
      const int bottom = std::min(line + height, lines) - 1;
      Window open;
      for (int c = 0; c < run; ++c) {
        bool clear = true;
        for (int l = bottom; l < lines; ++l) clear = clear && !blocked(l * run + c);
        if (clear) open.set((bottom - line) * run + c);
      }
      below_.push_back(open);
    }
  }

  Frame frameAt(int at, const Part* given) const {
    const int run = layout_.run, line = at / run, base = line * run;
    Frame f;
    f.board = window<Window::words>(board_, base, ~std::uint64_t{0});  // past the box is full
    const Window empty = ~f.board & frameSquares_;
    f.end = at + largest_ * run >= squares_;
    if (!f.end) {
      f.far = far_[at - base];
      if (line < static_cast<int>(below_.size())) {
        f.below = below_[line];
        for (int l = 0; l <= largest_; ++l) f.below |= f.below.down(run) & empty;
      }
      return f;
    }
    f.narrow = squares_ - base <= 64;
    f.part.base = base;
    if (given && given->squares.test(at - given->base)) {
      f.part.squares = window<Window::words>(given->squares, base - given->base, 0);
      f.part.size = given->size;
    } else {
      f.part.squares.set(at - base);
      for (Window next; (next = frameGrid_.grow(f.part.squares) & empty) != f.part.squares;) f.part.squares = next;
      f.part.size = f.part.squares.count();
    }
    return f;
  }

  Layout layout_;
  int squares_;
  std::vector<std::vector<int>> maps_;
  Grid<Bits<W>> grid_{squares_, layout_.run};
  Bits<W> start_, board_;
  std::vector<Bits<W>> beyond_;  // by square: the squares no piece set down yet can reach
  std::vector<Option> options_;
  int ranks_ = 0;
  std::vector<int> rank_;              // by piece
  std::vector<Group> groups_;          // by the options' lowest square, then rank
  std::vector<std::uint64_t> here_;    // by square: the ranks of the pieces with options there
  std::vector<std::uint64_t> later_;   // the same at this square or later
  std::uint64_t pieces_ = 0, used_ = 0;  // by rank
  bool exact_ = false;
  int divisor_ = 0;
  int smallest_ = kMaxSquares;
  int reduced_ = -1;
  int largest_ = 0;
  std::vector<char> fits_;  // by size: whether a closed region may be filled
  std::vector<int> size_;   // squares by piece
  bool framed_ = false;
  Grid<Window> frameGrid_{0, 1};
  Grid<Bits<1>> narrowGrid_{0, 1};
  Window frameSquares_;
  std::vector<Window> far_, below_;  // by the column and the line of `at`
  std::vector<Near> near_;           // by option
  std::vector<Window> masks_;        // by option: on the frame of its first line
  std::vector<Orbit> orbits_;
  Orbit unreduced_;
  std::vector<const Option*> chosen_;
};

// The plain visitor: every option admitted, every step allowed.
struct Visitor {
  bool step() { return true; }
  template <class O>
  bool admits(const O&) const {
    return true;
  }
  template <class O>
  void enter(const O&) {}
  template <class O>
  void leave(const O&) {}
};

// Counts the tilings, each with the class it stands for, and how many of
// them the symmetries map onto themselves; within limits when given.
class Counter : public Visitor {
 public:
  Counter(int squares, const std::function<void(std::uint64_t)>& progress, const Limits* limits = nullptr)
      : owner_(squares, -1), progress_(progress), limits_(limits) {}

  bool step() {
    ++steps_;
    if (progress_ && (steps_ & 0xFFFFF) == 0) progress_(tilings_);
    // The clock is read now and then: a search step takes well under a microsecond.
    gaveUp_ = gaveUp_ || (limits_ && (steps_ & 0xFFF) == 0 && late(*limits_));
    return !gaveUp_;
  }
  bool gaveUp() const { return gaveUp_; }
  std::uint64_t tilings() const { return tilings_; }
  template <class S>
  bool found(const S& s) {
    const Orbit& orbit = s.orbit();
    tilings_ += orbit.size;
    if (!orbit.keeps.empty()) {
      for (const auto* o : s.chosen())
        for (int b = 0; b < s.squares(); ++b)
          if (o->mask.test(b)) owner_[b] = o->piece;
    }
    std::uint64_t keptBy = 1;  // the identity
    for (int m : orbit.keeps) {
      const std::vector<int>& map = s.maps()[m];
      bool same = true;
      for (int b = 0; b < s.squares() && same; ++b) same = owner_[map[b]] == owner_[b];
      keptBy += same;
    }
    kept_ += orbit.size * keptBy;
    return true;
  }
  // Burnside: the classes are the average number of tilings a symmetry
  // keeps, so a tiling that is its own mirror image still counts once.
  Count total(int symmetries) const { return {tilings_, kept_ / symmetries, symmetries}; }

 private:
  std::vector<int> owner_;  // piece on each search square; blocked ones stay -1
  std::function<void(std::uint64_t)> progress_;
  const Limits* limits_;
  bool gaveUp_ = false;
  std::uint64_t steps_ = 0, tilings_ = 0, kept_ = 0;
};

// Runs f with a Search wide enough for the box.
template <class F>
auto withSearch(const Problem& p, const Preferences* prefs, bool bySymmetry, F&& f) {
  check(p);
  const int squares = p.lines * p.columns;
  std::vector<std::vector<int>> maps;
  if (bySymmetry) maps = symmetries(p, Layout(p.lines, p.columns));
  if (squares <= 64) {
    Search<1> s(p, prefs, std::move(maps));
    return f(s);
  }
  if (squares <= 128) {
    Search<2> s(p, prefs, std::move(maps));
    return f(s);
  }
  Search<4> s(p, prefs, std::move(maps));
  return f(s);
}

}  // namespace

Count count(const Problem& problem, const std::function<void(std::uint64_t)>& progress) {
  return withSearch(problem, nullptr, true, [&](auto& search) {
    Counter v(search.squares(), progress);
    search.run(v);
    return v.total(search.symmetries());
  });
}

}  // namespace baseline
