#include "tiling/solver.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>

namespace tiling {

namespace {

Piece normalised(Piece cells) {
  int minLine = cells.front().line;
  int minColumn = cells.front().column;
  for (const Cell& c : cells) {
    minLine = std::min(minLine, c.line);
    minColumn = std::min(minColumn, c.column);
  }
  for (Cell& c : cells) {
    c.line -= minLine;
    c.column -= minColumn;
  }
  std::sort(cells.begin(), cells.end());
  return cells;
}

// One orientation ready for the search: offsets from its first square in
// reading order, which is the square that lands on the first empty cell.
struct Shape {
  int piece;
  std::vector<Cell> offsets;
};

class Search {
 public:
  Search(int lines, int columns, const std::vector<bool>& blocked, const std::vector<Piece>& pieces)
      : lines_(lines),
        columns_(columns),
        pieces_(pieces),
        owner_(blocked.size()),
        used_(pieces.size(), false),
        seen_(blocked.size()) {
    for (std::size_t i = 0; i < blocked.size(); ++i) {
      owner_[i] = blocked[i] ? kBlocked : kEmpty;
    }
    for (int p = 0; p < static_cast<int>(pieces.size()); ++p) {
      if (pieces[p].empty()) continue;
      divisor_ = std::gcd(divisor_, static_cast<int>(pieces[p].size()));
      for (const Piece& o : orientations(pieces[p])) {
        Shape shape{p, {}};
        for (const Cell& c : o) {
          shape.offsets.push_back({c.line - o.front().line, c.column - o.front().column});
        }
        shapes_.push_back(std::move(shape));
      }
    }
  }

  std::optional<std::vector<Placement>> run() {
    std::vector<int> all(owner_.size());
    std::iota(all.begin(), all.end(), 0);
    if (!regionsFillableFrom(all) || !fill(0)) return std::nullopt;
    std::vector<Placement> result;
    for (const auto& [piece, squares] : placed_) {
      Placement placement{piece, {}};
      for (int s : squares) {
        placement.squares.push_back({s / columns_, s % columns_});
      }
      result.push_back(std::move(placement));
    }
    return result;
  }

 private:
  static constexpr int kEmpty = -1;
  static constexpr int kBlocked = -2;

  bool fill(int from) {
    const int size = lines_ * columns_;
    while (from < size && owner_[from] != kEmpty) ++from;
    if (from == size) return true;
    const int line = from / columns_;
    const int column = from % columns_;
    std::vector<int> squares;
    for (const Shape& shape : shapes_) {
      if (used_[shape.piece]) continue;
      squares.clear();
      for (const Cell& d : shape.offsets) {
        const int l = line + d.line;
        const int c = column + d.column;
        if (l < 0 || l >= lines_ || c < 0 || c >= columns_ || owner_[l * columns_ + c] != kEmpty) {
          break;
        }
        squares.push_back(l * columns_ + c);
      }
      if (squares.size() != shape.offsets.size()) continue;
      for (int s : squares) owner_[s] = shape.piece;
      used_[shape.piece] = true;
      placed_.push_back({shape.piece, squares});
      if (regionsFillable(squares) && fill(from + 1)) return true;
      placed_.pop_back();
      used_[shape.piece] = false;
      for (int s : squares) owner_[s] = kEmpty;
    }
    return false;
  }

  // Only the empty regions next to the piece just placed can have changed,
  // so only those are measured.
  bool regionsFillable(const std::vector<int>& placed) {
    std::vector<int> starts;
    for (int square : placed) {
      for (int n : neighbours(square)) {
        if (n >= 0) starts.push_back(n);
      }
    }
    return regionsFillableFrom(starts);
  }

  bool regionsFillableFrom(const std::vector<int>& starts) {
    std::size_t smallest = SIZE_MAX;
    for (std::size_t p = 0; p < pieces_.size(); ++p) {
      if (!used_[p] && !pieces_[p].empty()) {
        smallest = std::min(smallest, pieces_[p].size());
      }
    }
    ++stamp_;
    for (int start : starts) {
      if (owner_[start] != kEmpty || seen_[start] == stamp_) continue;
      std::size_t region = 0;
      stack_.assign(1, start);
      seen_[start] = stamp_;
      while (!stack_.empty()) {
        const int s = stack_.back();
        stack_.pop_back();
        ++region;
        for (int n : neighbours(s)) {
          if (n >= 0 && owner_[n] == kEmpty && seen_[n] != stamp_) {
            seen_[n] = stamp_;
            stack_.push_back(n);
          }
        }
      }
      if (region < smallest || region % divisor_ != 0) return false;
    }
    return true;
  }

  // The four edge neighbours of a square, -1 where the box ends.
  std::array<int, 4> neighbours(int s) const {
    const int l = s / columns_;
    const int c = s % columns_;
    return {l > 0 ? s - columns_ : -1, l + 1 < lines_ ? s + columns_ : -1, c > 0 ? s - 1 : -1,
            c + 1 < columns_ ? s + 1 : -1};
  }

  int lines_;
  int columns_;
  const std::vector<Piece>& pieces_;
  std::vector<int> owner_;
  std::vector<bool> used_;
  std::vector<unsigned> seen_;
  unsigned stamp_ = 0;
  std::vector<int> stack_;
  std::vector<Shape> shapes_;
  std::vector<std::pair<int, std::vector<int>>> placed_;
  int divisor_ = 0;
};

}  // namespace

std::vector<Piece> orientations(const Piece& piece) {
  std::vector<Piece> result;
  if (piece.empty()) return result;
  Piece current = piece;
  for (int mirror = 0; mirror < 2; ++mirror) {
    for (int turn = 0; turn < 4; ++turn) {
      Piece n = normalised(current);
      if (std::find(result.begin(), result.end(), n) == result.end()) {
        result.push_back(n);
      }
      for (Cell& c : current) c = {c.column, -c.line};
    }
    for (Cell& c : current) c.column = -c.column;
  }
  return result;
}

std::optional<std::vector<Placement>> solve(int lines, int columns,
                                            const std::vector<bool>& blocked,
                                            const std::vector<Piece>& pieces) {
  if (lines <= 0 || columns <= 0 || blocked.size() != static_cast<std::size_t>(lines * columns)) {
    return std::nullopt;
  }
  if (columns <= lines) return Search(lines, columns, blocked, pieces).run();
  // Filling along the shorter side closes off dead regions much sooner, so a
  // wide box is searched transposed and the tiling turned back.
  std::vector<bool> transposed(blocked.size());
  for (int l = 0; l < lines; ++l) {
    for (int c = 0; c < columns; ++c) {
      transposed[c * lines + l] = blocked[l * columns + c];
    }
  }
  auto tiling = Search(columns, lines, transposed, pieces).run();
  if (tiling) {
    for (Placement& p : *tiling) {
      for (Cell& c : p.squares) c = {c.column, c.line};
    }
  }
  return tiling;
}

}  // namespace tiling
