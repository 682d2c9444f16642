// The pieces the solver's searches share: sets of box squares as bit words,
// how squares are numbered, the box's symmetries. Inside the solver only.
#pragma once

#include <algorithm>
#include <bit>
#include <stdexcept>
#include <vector>

#include "tiling/solver.h"

namespace tiling::detail {

// A set of box squares as W 64-bit words.
template <int W>
struct Bits {
  static constexpr int words = W;
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
    for (int i = 0; i < W; ++i) n += ones(w[i]);
    return n;
  }
  // Without the processor's own instruction, which older processors lack,
  // std::popcount is a library call: far slower in the search.
  static int ones(std::uint64_t x) {
    x -= (x >> 1) & 0x5555555555555555u;
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<int>((x * 0x0101010101010101u) >> 56);
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
  friend Bits operator^(Bits a, const Bits& b) { return a ^= b; }
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

// The squares' side neighbours along the numbering, for growing regions.
template <class B>
struct Grid {
  B notFirst, notLast;  // squares not at the start (end) of their run
  int run = 1;

  Grid(int squares, int run) : run(run) {
    for (int b = 0; b < squares; ++b) {
      if (b % run != 0) notFirst.set(b);
      if (b % run != run - 1) notLast.set(b);
    }
  }
  [[gnu::always_inline]] B beside(const B& x) const { return (x.up(1) & notFirst) | (x.down(1) & notLast) | x.up(run) | x.down(run); }
  [[gnu::always_inline]] B grow(const B& x) const { return x | beside(x); }
};

// V words of a set from square n on; squares past its words are `past`.
template <int V, int W>
Bits<V> window(const Bits<W>& b, int n, std::uint64_t past) {
  Bits<V> out;
  for (int k = 0; k < V; ++k) {
    const int i = (n >> 6) + k, shift = n & 63;
    const std::uint64_t low = i < W ? b.w[i] : past, high = i + 1 < W ? b.w[i + 1] : past;
    out.w[k] = shift ? (low >> shift) | (high << (64 - shift)) : low;
  }
  return out;
}

// How box squares are numbered in the search. The search fills the lowest
// empty square first; numbering along the shorter side closes off dead
// regions much sooner, so a box wider than high is numbered down its columns.
struct Layout {
  int lines, columns;
  bool byColumns;
  int run;  // squares along one line (or column) of the numbering
  // The numbering may start from another corner of the box.
  bool flipLines = false, flipColumns = false;

  Layout(int l, int c) : lines(l), columns(c), byColumns(c > l), run(c > l ? l : c) {}
  int bit(int line, int column) const {
    if (flipLines) line = lines - 1 - line;
    if (flipColumns) column = columns - 1 - column;
    return byColumns ? column * lines + line : line * columns + column;
  }
  Cell cell(int bit) const {
    Cell c = byColumns ? Cell{bit % lines, bit / lines} : Cell{bit / columns, bit % columns};
    if (flipLines) c.line = lines - 1 - c.line;
    if (flipColumns) c.column = columns - 1 - c.column;
    return c;
  }
};

// The squares a search starts with filled: the blocked ones and those past
// the box's end. Returns how many squares are open.
template <int W>
int filledAtStart(const Problem& p, const Layout& layout, Bits<W>& start) {
  for (int b = p.lines * p.columns; b < W * 64; ++b) start.set(b);
  int open = 0;
  for (int line = 0; line < p.lines; ++line) {
    for (int column = 0; column < p.columns; ++column) {
      if (p.blocked[line * p.columns + column]) {
        start.set(layout.bit(line, column));
      } else {
        ++open;
      }
    }
  }
  return open;
}

constexpr int kMaxSquares = 256;
constexpr int kMaxPieces = 64;

inline void check(const Problem& p) {
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
inline std::vector<std::vector<int>> symmetries(const Problem& p, const Layout& layout) {
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

// Whether a bounded search must give up now.
inline bool late(const Limits& limits) {
  return (limits.stop && limits.stop->load(std::memory_order_relaxed)) ||
         std::chrono::steady_clock::now() >= limits.deadline;
}

}  // namespace tiling::detail
