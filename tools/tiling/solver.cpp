#include "tiling/solver.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <stdexcept>
#include <type_traits>

namespace tiling {

namespace {

// A set of box squares as W 64-bit words.
template <int W>
struct Bits {
  std::uint64_t w[W] = {};

  void set(int i) { w[i >> 6] |= std::uint64_t{1} << (i & 63); }
  bool test(int i) const { return (w[i >> 6] >> (i & 63)) & 1; }
  bool any() const {
    for (int i = 0; i < W; ++i)
      if (w[i]) return true;
    return false;
  }
  bool intersects(const Bits& o) const {
    for (int i = 0; i < W; ++i)
      if (w[i] & o.w[i]) return true;
    return false;
  }
  int count() const {
    int n = 0;
    for (int i = 0; i < W; ++i) n += std::popcount(w[i]);
    return n;
  }
  int lowest() const {
    for (int i = 0; i < W; ++i)
      if (w[i]) return i * 64 + std::countr_zero(w[i]);
    return W * 64;
  }
  int lowestClear() const {
    for (int i = 0; i < W; ++i)
      if (~w[i]) return i * 64 + std::countr_one(w[i]);
    return W * 64;
  }
  Bits& operator|=(const Bits& o) {
    for (int i = 0; i < W; ++i) w[i] |= o.w[i];
    return *this;
  }
  Bits& operator&=(const Bits& o) {
    for (int i = 0; i < W; ++i) w[i] &= o.w[i];
    return *this;
  }
  Bits& operator^=(const Bits& o) {
    for (int i = 0; i < W; ++i) w[i] ^= o.w[i];
    return *this;
  }
  friend Bits operator|(Bits a, const Bits& b) { return a |= b; }
  friend Bits operator&(Bits a, const Bits& b) { return a &= b; }
  Bits operator~() const {
    Bits r;
    for (int i = 0; i < W; ++i) r.w[i] = ~w[i];
    return r;
  }
  friend bool operator==(const Bits&, const Bits&) = default;
  // Every square moved n (1..63) places up or down the numbering.
  Bits up(int n) const {
    Bits r;
    for (int i = 0; i < W; ++i) r.w[i] = (w[i] << n) | (i > 0 ? w[i - 1] >> (64 - n) : 0);
    return r;
  }
  Bits down(int n) const {
    Bits r;
    for (int i = 0; i < W; ++i) r.w[i] = (w[i] >> n) | (i + 1 < W ? w[i + 1] << (64 - n) : 0);
    return r;
  }
};

// How box squares are numbered in the search. The search fills the lowest
// empty square first; numbering along the shorter side closes off dead
// regions much sooner, so a box wider than high is numbered down its columns.
struct Layout {
  int lines, columns;
  bool byColumns;
  int run;  // squares along one line (or column) of the numbering

  Layout(int l, int c) : lines(l), columns(c), byColumns(c > l), run(c > l ? l : c) {}
  int bit(int line, int column) const { return byColumns ? column * lines + line : line * columns + column; }
  Cell cell(int bit) const { return byColumns ? Cell{bit % lines, bit / lines} : Cell{bit / columns, bit % columns}; }
};

constexpr int kMaxSquares = 256;
constexpr int kMaxPieces = 64;

void check(const Problem& p) {
  const long squares = static_cast<long>(p.lines) * p.columns;
  if (p.lines <= 0 || p.columns <= 0 || squares > kMaxSquares) {
    throw std::invalid_argument("a box needs 1 to 256 squares");
  }
  if (p.blocked.size() != static_cast<std::size_t>(squares)) {
    throw std::invalid_argument("the blocked squares do not match the box");
  }
  if (p.pieces.size() > kMaxPieces) throw std::invalid_argument("at most 64 pieces");
}

// The box's symmetries other than the identity that keep the blocked squares
// blocked, each as where it sends every search square.
std::vector<std::vector<int>> symmetries(const Problem& p, const Layout& layout) {
  const int L = p.lines, C = p.columns;
  using Map = Cell (*)(Cell, int, int);
  std::vector<Map> maps = {
      [](Cell c, int l, int) { return Cell{l - 1 - c.line, c.column}; },
      [](Cell c, int, int k) { return Cell{c.line, k - 1 - c.column}; },
      [](Cell c, int l, int k) { return Cell{l - 1 - c.line, k - 1 - c.column}; },
  };
  if (L == C) {
    maps.push_back([](Cell c, int, int) { return Cell{c.column, c.line}; });
    maps.push_back([](Cell c, int l, int) { return Cell{l - 1 - c.column, l - 1 - c.line}; });
    maps.push_back([](Cell c, int l, int) { return Cell{c.column, l - 1 - c.line}; });
    maps.push_back([](Cell c, int l, int) { return Cell{l - 1 - c.column, c.line}; });
  }
  std::vector<std::vector<int>> result;
  for (Map map : maps) {
    std::vector<int> to(L * C);
    bool keeps = true;
    for (int line = 0; line < L && keeps; ++line) {
      for (int column = 0; column < C; ++column) {
        const Cell image = map({line, column}, L, C);
        keeps = keeps && p.blocked[line * C + column] == p.blocked[image.line * C + image.column];
        to[layout.bit(line, column)] = layout.bit(image.line, image.column);
      }
    }
    if (keeps) result.push_back(std::move(to));
  }
  return result;
}

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
    for (int b = 0; b < squares_; ++b) {
      if (b % layout_.run != 0) notFirst_.set(b);
      if (b % layout_.run != layout_.run - 1) notLast_.set(b);
    }
    int area = 0, largest = 0;
    for (int piece = 0; piece < static_cast<int>(p.pieces.size()); ++piece) {
      if (p.pieces[piece].empty()) continue;
      const int size = static_cast<int>(p.pieces[piece].size());
      area += size;
      divisor_ = std::gcd(divisor_, size);
      smallest_ = std::min(smallest_, size);
      largest = std::max(largest, size);
      pieces_ |= std::uint64_t{1} << piece;
      for (const Piece& form : orientations(p.pieces[piece])) {
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
    beyond_.resize(squares_);
    for (int at = 0; at < squares_; ++at) {
      for (int b = at + largest * layout_.run; b < squares_; ++b) beyond_[at].set(b);
    }
    std::vector<int> optionsOf(p.pieces.size(), 0);
    for (const Option& o : options_) ++optionsOf[o.piece];
    if (exact_ && !maps_.empty()) reduce(std::min_element(optionsOf.begin(), optionsOf.end()) - optionsOf.begin());
    // By square; there the pieces with the fewest places first, as they are
    // the hardest to fit later; for each piece its cheap orientations first.
    std::stable_sort(options_.begin(), options_.end(), [&](const Option& a, const Option& b) {
      const int fa = a.mask.lowest(), fb = b.mask.lowest();
      if (fa != fb) return fa < fb;
      if (optionsOf[a.piece] != optionsOf[b.piece]) return optionsOf[a.piece] < optionsOf[b.piece];
      if (a.piece != b.piece) return a.piece < b.piece;
      return a.cost < b.cost;
    });
    groups_.resize(squares_);
    for (int i = 0; i < static_cast<int>(options_.size()); ++i) {
      auto& at = groups_[options_[i].mask.lowest()];
      if (at.empty() || at.back().piece != options_[i].piece) at.push_back({options_[i].piece, i, i});
      ++at.back().end;
    }
    later_.assign(squares_ + 1, 0);
    for (int b = squares_ - 1; b >= 0; --b) {
      later_[b] = later_[b + 1];
      for (const Group& g : groups_[b]) later_[b] |= std::uint64_t{1} << g.piece;
    }
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
    const int at = board_.lowestClear();
    if (at >= squares_) return v.found(*this);
    // Where every piece is needed, one that has no place left ends the branch.
    if (exact_ && (pieces_ & ~used_ & ~later_[at])) return true;
    if (!v.step()) return false;
    for (const Group& g : groups_[at]) {
      const std::uint64_t piece = std::uint64_t{1} << g.piece;
      if (used_ & piece) continue;
      used_ |= piece;
      for (int i = g.begin; i < g.end; ++i) {
        const Option& o = options_[i];
        if (!v.admits(o)) break;
        if (o.mask.intersects(board_)) continue;
        board_ |= o.mask;
        chosen_.push_back(&o);
        bool more = true;
        if (fillable(o.mask, at)) {
          v.enter(o);
          more = run(v);
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

 private:
  struct Group {
    int piece, begin, end;  // options [begin, end) of the piece, at one square
  };

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

  Bits<W> grow(const Bits<W>& x) const {
    return x | (x.up(1) & notFirst_) | (x.down(1) & notLast_) | x.up(layout_.run) | x.down(layout_.run);
  }

  // Every empty region next to the piece just set down at square `at` must
  // still be fillable: its size a multiple of the pieces' and no smaller than
  // one. No piece set down so far reaches far beyond `at`; a region that gets
  // there is the rest of the box, which is fillable when the others are.
  bool fillable(const Bits<W>& placed, int at) const {
    const Bits<W> empty = ~board_;
    const Bits<W>& far = beyond_[at];
    Bits<W> seeds = grow(placed) & empty;
    while (seeds.any()) {
      Bits<W> region;
      region.set(seeds.lowest());
      bool open = false;
      for (;;) {
        const Bits<W> next = grow(region) & empty;
        if (next == region) break;
        region = next;
        if ((open = region.intersects(far))) break;
      }
      seeds &= ~region;
      if (open) continue;
      const int size = region.count();
      if (size % divisor_ != 0 || size < smallest_) return false;
    }
    return true;
  }

  Layout layout_;
  int squares_;
  std::vector<std::vector<int>> maps_;
  Bits<W> start_, notFirst_, notLast_, board_;
  std::vector<Bits<W>> beyond_;  // by square: the squares no piece set down yet can reach
  std::vector<Option> options_;
  std::vector<std::vector<Group>> groups_;  // by the options' lowest square
  std::vector<std::uint64_t> later_;        // pieces with an option at this square or later
  std::uint64_t pieces_ = 0, used_ = 0;
  bool exact_ = false;
  int divisor_ = 0;
  int smallest_ = kMaxSquares;
  int reduced_ = -1;
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

// Hands every tiling to a function.
struct Lister : Visitor {
  const std::function<bool(const Tiling&)>* visit;
  template <class S>
  bool found(const S& s) {
    return (*visit)(s.tiling());
  }
};

// Counts the tilings, each with the class it stands for, and how many of
// them the symmetries map onto themselves.
class Counter : public Visitor {
 public:
  Counter(int squares, const std::function<void(std::uint64_t)>& progress)
      : owner_(squares, -1), progress_(progress) {}

  bool step() {
    if (progress_ && (++steps_ & 0xFFFFF) == 0) progress_(tilings_);
    return true;
  }
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
  const std::function<void(std::uint64_t)>& progress_;
  std::uint64_t steps_ = 0, tilings_ = 0, kept_ = 0;
};

// Branch and bound on the cost, within a number of steps.
struct Bargain : Visitor {
  std::optional<Tiling> best;
  int bestCost = 0, cost = 0;
  std::uint64_t steps = 0, limit = 0;

  bool step() { return ++steps <= limit || !best; }
  template <class O>
  bool admits(const O& o) const {
    return !best || cost + o.cost < bestCost;
  }
  template <class O>
  void enter(const O& o) {
    cost += o.cost;
  }
  template <class O>
  void leave(const O& o) {
    cost -= o.cost;
  }
  template <class S>
  bool found(const S& s) {
    best = s.tiling();
    bestCost = cost;
    return cost > 0;  // nothing beats a tiling that costs nothing
  }
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

Piece normalised(Piece cells) {
  if (cells.empty()) return cells;
  int minLine = cells.front().line;
  int minColumn = cells.front().column;
  for (const Cell& c : cells) {
    minLine = std::min(minLine, c.line);
    minColumn = std::min(minColumn, c.column);
  }
  for (Cell& c : cells) c = {c.line - minLine, c.column - minColumn};
  std::sort(cells.begin(), cells.end());
  return cells;
}

std::vector<Piece> orientations(const Piece& piece) {
  std::vector<Piece> result;
  if (piece.empty()) return result;
  Piece current = piece;
  for (int mirror = 0; mirror < 2; ++mirror) {
    for (int turn = 0; turn < 4; ++turn) {
      Piece n = normalised(current);
      if (std::find(result.begin(), result.end(), n) == result.end()) result.push_back(n);
      for (Cell& c : current) c = {c.column, -c.line};
    }
    for (Cell& c : current) c.column = -c.column;
  }
  return result;
}

std::optional<Tiling> solve(const Problem& problem) {
  std::optional<Tiling> first;
  enumerate(problem, [&](const Tiling& t) {
    first = t;
    return false;
  });
  return first;
}

void enumerate(const Problem& problem, const std::function<bool(const Tiling&)>& visit) {
  withSearch(problem, nullptr, false, [&](auto& search) {
    Lister v{{}, &visit};
    search.run(v);
  });
}

Count count(const Problem& problem, const std::function<void(std::uint64_t)>& progress) {
  return withSearch(problem, nullptr, true, [&](auto& search) {
    Counter v(search.squares(), progress);
    search.run(v);
    return v.total(search.symmetries());
  });
}

std::optional<Tiling> cheapest(const Problem& problem, const Preferences& preferences, std::uint64_t nodeLimit) {
  return withSearch(problem, &preferences, false, [&](auto& search) {
    Bargain v;
    v.limit = nodeLimit;
    search.run(v);
    return v.best;
  });
}

}  // namespace tiling
