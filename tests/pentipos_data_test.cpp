// Checks the shipped piece data file PENTIPOS.TXT: its line formats, the
// tile shapes against the palettes, the orientation codes, the screen layout
// of every box, and that every pattern of unavailable squares leaves a box
// the twelve 5-square tiles can really fill.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/window_design.h"
#include "pentomino_solver.h"

namespace {

using tiling::Cell;
using tiling::Piece;

constexpr int kSquares[2] = {5, 6};
constexpr int kTiles[2] = {12, 35};
constexpr int kButton5 = 600;  // 5-square palette buttons, design twips

struct Box {
  int lines = 0, columns = 0, left = 0, top = 0, cell = 0;
};

struct Tile {
  int kind = -1;
  Piece squares;  // in the order of the "1"s of the shape string
};

// The file as the program would read it, kept stricter than the program:
// every field must be written out in full, so a shifted column shows up here
// instead of silently reading as 0.
struct DataFile {
  bool crlf = true;
  std::vector<std::string> problems;
  std::map<int, Box> boxes[2];  // by list slot
  std::map<int, int32_t> colours;
  std::map<int, design::Point> buttons5;
  std::map<int, Tile> tiles[2];
  std::map<int, std::vector<int>> codes;  // by kind
  std::map<int, std::string> dels88, dels810;
};

std::string columns(const std::string& line, int first, int last) {
  if (static_cast<int>(line.size()) < first) return "";
  return line.substr(first - 1, last - first + 1);
}

// A right-aligned decimal field: leading blanks, then digits only.
std::optional<int> number(const std::string& field) {
  const auto digits = field.find_first_not_of(' ');
  if (digits == std::string::npos) return std::nullopt;
  for (auto i = digits; i < field.size(); ++i) {
    if (field[i] < '0' || field[i] > '9') return std::nullopt;
  }
  return std::stoi(field.substr(digits));
}

class Reader {
 public:
  explicit Reader(DataFile& file) : f_(file) {}

  void line(const std::string& text, int lineNo) {
    text_ = text;
    lineNo_ = lineNo;
    for (char ch : text) {
      if (static_cast<unsigned char>(ch) < 32 || static_cast<unsigned char>(ch) > 126) {
        return fail("character outside printable ASCII");
      }
    }
    switch (text.empty() ? ' ' : text[0]) {
      case 'B':
        return readB();
      case 'D':
        return readPattern(f_.dels810, 12, 34);
      case 'E':
        return readPattern(f_.dels88, 18, 14);
      case 'I':
        return readI();
      case 'T':
        return readT();
      case 'S':
        return readS();
      case 'P':
        return readP();
      default:
        return fail("not a known line kind");
    }
  }

 private:
  void fail(const std::string& why) {
    f_.problems.push_back("line " + std::to_string(lineNo_) + " \"" + text_ + "\": " + why);
  }

  int field(int first, int last, int low, int high) {
    const auto value = number(columns(text_, first, last));
    if (!value || *value < low || *value > high) {
      fail("columns " + std::to_string(first) + "-" + std::to_string(last) + " not a number in " +
           std::to_string(low) + ".." + std::to_string(high));
      return -1;
    }
    return *value;
  }

  bool layout(std::size_t length, std::initializer_list<int> blanks) {
    if (text_.size() != length) {
      fail("length " + std::to_string(text_.size()) + ", expected " + std::to_string(length));
      return false;
    }
    for (int c : blanks) {
      if (text_[c - 1] != ' ') {
        fail("column " + std::to_string(c) + " should separate fields");
        return false;
      }
    }
    return true;
  }

  template <typename Map, typename Value>
  void store(Map& map, int key, Value value) {
    if (!map.emplace(key, std::move(value)).second) fail("index given twice");
  }

  void readB() {
    if (!layout(23, {7, 10, 15, 20})) return;
    const int v = field(2, 2, 0, 1);
    const int slot = field(3, 4, 0, 16);
    Box b{field(5, 6, 1, 99), field(8, 9, 1, 99), field(11, 14, 0, 9999), field(16, 19, 0, 9999),
          field(21, 23, 1, 999)};
    if (v >= 0 && slot >= 0) store(f_.boxes[v], slot, b);
  }

  void readPattern(std::map<int, std::string>& table, int last, std::size_t length) {
    const int i = field(2, 3, 0, last);
    // The short entry 12 of the 8 by 10 patterns holds five squares only.
    const std::size_t wanted = (length == 34 && i == 12) ? 14 : length;
    if (i < 0 || !layout(wanted, {4})) return;
    const std::string text = columns(text_, 5, static_cast<int>(wanted));
    if (text.find_first_not_of("0123456789") != std::string::npos) {
      return fail("pattern holds more than digits");
    }
    store(table, i, text);
  }

  void readI() {
    if (!layout(12, {2})) return;
    const int t = field(3, 4, 0, 34);
    const int colour = field(5, 12, 0, 0x00FFFFFF);
    if (t >= 0) store(f_.colours, t, colour);
  }

  void readT() {
    if (!layout(16, {6})) return;
    field(2, 2, 0, 0);  // only the 5-square palette comes from the file
    const int c = field(3, 5, 0, 59);
    const design::Point p{field(7, 11, 0, 99999), field(12, 16, 0, 99999)};
    if (c >= 0) store(f_.buttons5, c, p);
  }

  void readS() {
    if (text_.size() < 8 || text_[4] != ' ' || text_[6] != ' ') {
      return fail("S fields out of place");
    }
    const int v = field(2, 2, 0, 1);
    const int t = field(3, 4, 0, 34);
    Tile tile;
    tile.kind = field(6, 6, 0, 8);
    if (v < 0 || t < 0) return;
    if (t >= kTiles[v]) return fail("tile number beyond the variant's tiles");
    const int w = kSquares[v];
    for (int p = 0; p + 7 < static_cast<int>(text_.size()); ++p) {
      const char ch = text_[p + 7];
      if (ch != '0' && ch != '1') return fail("shape holds more than 0 and 1");
      if (ch == '1') tile.squares.push_back({p / w, p % w});
    }
    store(f_.tiles[v], t, tile);
  }

  void readP() {
    if (text_.size() < 3 || text_[1] != ' ' || (text_.size() > 3 && text_[3] != ' ')) {
      return fail("P fields out of place");
    }
    const int k = field(3, 3, 0, 8);
    // An odd length would leave the program reading half a code.
    if (text_.size() > 4 && text_.size() % 2 != 0) return fail("codes not in pairs");
    std::vector<int> codes;
    for (int c = 5; c + 1 <= static_cast<int>(text_.size()); c += 2) {
      codes.push_back(field(c, c + 1, 0, 99));
    }
    if (codes.size() > 7) return fail("more than seven codes");
    if (k >= 0) store(f_.codes, k, codes);
  }

  DataFile& f_;
  std::string text_;
  int lineNo_ = 0;
};

const DataFile& dataFile() {
  static const DataFile file = [] {
    DataFile f;
    std::ifstream in(KARVELON_DATA_DIR "/PENTIPOS.TXT", std::ios::binary);
    if (!in) {
      f.problems.push_back("PENTIPOS.TXT cannot be opened");
      return f;
    }
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    Reader reader(f);
    std::size_t start = 0;
    int lineNo = 0;
    while (start < bytes.size()) {
      ++lineNo;
      const auto lf = bytes.find('\n', start);
      const auto end = lf == std::string::npos ? bytes.size() : lf;
      std::string text = bytes.substr(start, end - start);
      if (lf == std::string::npos || text.empty() || text.back() != '\r') {
        f.crlf = false;
      } else {
        text.pop_back();
      }
      reader.line(text, lineNo);
      start = end + 1;
    }
    return f;
  }();
  return file;
}

Piece normalised(Piece cells) {
  int minLine = INT32_MAX, minColumn = INT32_MAX;
  for (const Cell& c : cells) {
    minLine = std::min(minLine, c.line);
    minColumn = std::min(minColumn, c.column);
  }
  for (Cell& c : cells) c = {c.line - minLine, c.column - minColumn};
  return cells;
}

Piece sorted(Piece cells) {
  std::sort(cells.begin(), cells.end());
  return cells;
}

// The same shape whatever its orientation.
Piece canonical(const Piece& cells) {
  const auto all = tiling::orientations(cells);
  return *std::min_element(all.begin(), all.end());
}

// Every shape of n edge-joined squares, grown square by square.
std::set<Piece> allPolyominoes(int n) {
  std::set<Piece> shapes{{{0, 0}}};
  for (int size = 2; size <= n; ++size) {
    std::set<Piece> grown;
    for (const Piece& shape : shapes) {
      for (const Cell& c : shape) {
        for (const Cell& next : {Cell{c.line - 1, c.column}, Cell{c.line + 1, c.column},
                                 Cell{c.line, c.column - 1}, Cell{c.line, c.column + 1}}) {
          if (std::find(shape.begin(), shape.end(), next) != shape.end()) continue;
          Piece bigger = shape;
          bigger.push_back(next);
          grown.insert(canonical(bigger));
        }
      }
    }
    shapes = std::move(grown);
  }
  return shapes;
}

// One action key pressed on a shape, as the program turns a tile inside its
// n x n frame and moves it back against line 0 and column 0.
Piece pressKey(const Piece& cells, int key, int n) {
  Piece out;
  for (const Cell& c : cells) {
    switch (key) {
      case 4:  // rotate right
        out.push_back({c.column, n - 1 - c.line});
        break;
      case 5:  // rotate left
        out.push_back({n - 1 - c.column, c.line});
        break;
      case 6:  // mirror left-right
        out.push_back({c.line, n - 1 - c.column});
        break;
      case 7:  // mirror top-bottom
        out.push_back({n - 1 - c.line, c.column});
        break;
      default:
        ADD_FAILURE() << "key " << key << " is no rotation or mirroring";
    }
  }
  return sorted(normalised(out));
}

struct Rect {
  int left, top, right, bottom;  // right and bottom exclusive
};

bool overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::string show(const Rect& r) {
  std::ostringstream s;
  s << "[" << r.left << ".." << r.right << ") x [" << r.top << ".." << r.bottom << ")";
  return s.str();
}

Rect rect(const design::Rect& r) { return {r.left, r.top, r.left + r.width, r.top + r.height}; }

std::vector<std::pair<std::string, Rect>> fixedControls() {
  std::vector<std::pair<std::string, Rect>> out;
  for (const auto& k : design::kKeys) out.push_back({k.caption, rect(k.rect)});
  for (const auto& l : design::kLabels) out.push_back({l.name, rect(l.rect)});
  out.push_back({"5 Squares", rect(design::kOptSq0)});
  out.push_back({"6 Squares", rect(design::kOptSq1)});
  out.push_back({"ListBoxSize", rect(design::kListBoxSize)});
  return out;
}

std::vector<Rect> palette(int v) {
  std::vector<Rect> out;
  if (v == 0) {
    for (const auto& [c, p] : dataFile().buttons5) {
      out.push_back({p.left, p.top, p.left + kButton5, p.top + kButton5});
    }
  } else {
    constexpr int size = design::kPaletteButtonSize;
    for (const auto& tile : design::kPalette) {
      for (const auto& p : tile.squares)
        out.push_back({p.left, p.top, p.left + size, p.top + size});
    }
  }
  return out;
}

// Every cell of the box-tile display that some orientation of some tile of
// the variant covers, for a box of the given cell size.
std::vector<Rect> displayCells(int v, int cell) {
  std::set<Cell> cells;
  for (const auto& [t, tile] : dataFile().tiles[v]) {
    for (const Piece& o : tiling::orientations(tile.squares)) cells.insert(o.begin(), o.end());
  }
  std::vector<Rect> out;
  for (const Cell& c : cells) {
    const int left = design::kBoxTileLeft + c.column * cell;
    const int top = design::kBoxTileTop + c.line * cell;
    out.push_back({left, top, left + cell, top + cell});
  }
  return out;
}

std::vector<Piece> pentominoes() {
  std::vector<Piece> out;
  for (const auto& [t, tile] : dataFile().tiles[0]) out.push_back(tile.squares);
  return out;
}

// Squares of a pattern text: two digits each.
std::vector<int> squaresOf(const std::string& text, std::size_t first, std::size_t count) {
  std::vector<int> out;
  for (std::size_t k = 0; k < count && first + 2 * k + 2 <= text.size(); ++k) {
    out.push_back(std::stoi(text.substr(first + 2 * k, 2)));
  }
  return out;
}

// Fills the box with the shipped pentominoes and checks the tiling found.
void expectTileable(int lines, int cols, const std::vector<int>& grey, const std::string& what) {
  std::vector<bool> blocked(lines * cols, false);
  for (int s : grey) blocked[s] = true;
  const auto pieces = pentominoes();
  const auto found = tiling::solve(lines, cols, blocked, pieces);
  ASSERT_TRUE(found.has_value()) << what << " leaves a box the 12 tiles cannot fill";
  std::vector<int> cover(lines * cols, 0);
  std::set<int> used;
  for (const auto& p : *found) {
    EXPECT_TRUE(used.insert(p.piece).second) << what << ": tile " << p.piece << " used twice";
    const auto forms = tiling::orientations(pieces[p.piece]);
    EXPECT_NE(std::find(forms.begin(), forms.end(), sorted(normalised(p.squares))), forms.end())
        << what << ": tile " << p.piece << " placed in a shape not its own";
    for (const Cell& c : p.squares) ++cover[c.line * cols + c.column];
  }
  for (int s = 0; s < lines * cols; ++s) {
    EXPECT_EQ(cover[s], blocked[s] ? 0 : 1) << what << ": square " << s;
  }
  EXPECT_EQ(used.size(), pieces.size()) << what;
}

TEST(PentiposFile, IsCrLfTextOfKnownLinesWithFieldsInTheirColumns) {
  const DataFile& f = dataFile();
  EXPECT_TRUE(f.crlf) << "every line must end in CR LF";
  for (const auto& p : f.problems) ADD_FAILURE() << p;
}

TEST(PentiposFile, HoldsEveryEntryTheProgramExpects) {
  const DataFile& f = dataFile();
  for (int v = 0; v < 2; ++v) {
    // The list shows used slots in order and uses its index as the slot.
    int slot = 0;
    for (const auto& [s, box] : f.boxes[v])
      EXPECT_EQ(s, slot++) << "variant " << v << " slots have a gap";
    for (int t = 0; t < kTiles[v]; ++t)
      EXPECT_TRUE(f.tiles[v].count(t)) << "no S line for tile " << t;
    EXPECT_EQ(f.tiles[v].size(), static_cast<std::size_t>(kTiles[v]));
  }
  for (int t = 0; t < 35; ++t) {
    ASSERT_TRUE(f.colours.count(t)) << "no I line for tile " << t;
    EXPECT_EQ(f.colours.at(t), design::kPalette[t].color) << "colour of tile " << t;
  }
  EXPECT_EQ(f.buttons5.size(), 60u);
  EXPECT_EQ(f.dels88.size(), 19u);
  EXPECT_EQ(f.dels810.size(), 13u);
  std::set<int> kindsUsed;
  for (const auto& tiles : f.tiles) {
    for (const auto& [t, tile] : tiles) kindsUsed.insert(tile.kind);
  }
  for (int k : kindsUsed) EXPECT_TRUE(f.codes.count(k)) << "no P line for kind " << k;
}

TEST(PentiposFile, OffersBoxesTheTilesCanFill) {
  const DataFile& f = dataFile();
  // Boxes with unavailable squares keep exactly the tile set of the variant
  // they are made for; no box may ask for more squares than its set has.
  struct Holed {
    int variant, grey;
  };
  const std::map<std::pair<int, int>, Holed> holed = {
      {{8, 8}, {0, 4}}, {{8, 10}, {0, 20}}, {{7, 11}, {0, 17}}, {{15, 15}, {1, 15}}};
  std::set<std::pair<int, int>> offered[2];
  for (int v = 0; v < 2; ++v) {
    const int all = kTiles[v] * kSquares[v];
    for (const auto& [slot, b] : f.boxes[v]) {
      offered[v].insert({b.lines, b.columns});
      const auto it = holed.find({b.lines, b.columns});
      const int squares = b.lines * b.columns - (it == holed.end() ? 0 : it->second.grey);
      if (it != holed.end() && it->second.variant == v) {
        EXPECT_EQ(squares, all) << "box with grey squares " << b.lines << " by " << b.columns;
      } else {
        EXPECT_LE(squares, all) << "box " << b.lines << " by " << b.columns << " in slot " << slot;
      }
      EXPECT_LE(b.lines * b.columns, 225) << "beyond the program's square arrays";
    }
  }
  // The patterns in the file are only of use when their boxes are offered.
  EXPECT_TRUE(offered[0].count({8, 8}));
  EXPECT_TRUE(offered[0].count({8, 10}));
}

TEST(PentiposFile, ShapesAreEveryPolyominoOnce) {
  const DataFile& f = dataFile();
  for (int v = 0; v < 2; ++v) {
    const auto expected = allPolyominoes(kSquares[v]);
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(kTiles[v]));
    std::set<Piece> seen;
    for (const auto& [t, tile] : f.tiles[v]) {
      const Piece& s = tile.squares;
      ASSERT_EQ(s.size(), static_cast<std::size_t>(kSquares[v]))
          << "variant " << v << " tile " << t;
      EXPECT_EQ(normalised(s), s) << "variant " << v << " tile " << t
                                  << " not against top and left";
      const Piece c = canonical(s);
      EXPECT_TRUE(expected.count(c)) << "variant " << v << " tile " << t << " is not edge-joined";
      EXPECT_TRUE(seen.insert(c).second)
          << "variant " << v << " tile " << t << " repeats another tile turned or mirrored";
    }
  }
}

TEST(PentiposFile, HexominoShapesFollowTheDesignedPalette) {
  const DataFile& f = dataFile();
  constexpr int size = design::kPaletteButtonSize;
  for (int t = 0; t < 35; ++t) {
    const auto& buttons = design::kPalette[t].squares;
    int left = INT32_MAX, top = INT32_MAX;
    for (const auto& p : buttons) {
      left = std::min(left, p.left);
      top = std::min(top, p.top);
    }
    Piece drawn;
    for (const auto& p : buttons) {
      ASSERT_EQ((p.left - left) % size, 0) << "tile " << t;
      ASSERT_EQ((p.top - top) % size, 0) << "tile " << t;
      drawn.push_back({(p.top - top) / size, (p.left - left) / size});
    }
    ASSERT_TRUE(f.tiles[1].count(t));
    const Piece& shape = f.tiles[1].at(t).squares;
    EXPECT_EQ(sorted(drawn), shape) << "tile " << t << " differs from its palette drawing";
    // Square s is button 6t+s. Only the first button carries the tile's
    // number and the others look alike, so where the design lists buttons out
    // of reading order (tile 19's bottom line runs right to left) the
    // numbered one must still be square 0.
    if (!shape.empty()) {
      EXPECT_EQ(drawn[0], shape[0]) << "tile " << t << " numbered button";
    }
  }
}

TEST(PentiposFile, PentominoPaletteDrawsEachTileInItsShapeAndOrder) {
  const DataFile& f = dataFile();
  for (const auto& [t, tile] : f.tiles[0]) {
    const Piece& s = tile.squares;
    ASSERT_TRUE(f.buttons5.count(5 * t)) << "tile " << t;
    const auto first = f.buttons5.at(5 * t);
    for (std::size_t i = 0; i < s.size(); ++i) {
      const int c = 5 * t + static_cast<int>(i);
      ASSERT_TRUE(f.buttons5.count(c)) << "button " << c;
      EXPECT_EQ(f.buttons5.at(c).left, first.left + (s[i].column - s[0].column) * kButton5)
          << "button " << c;
      EXPECT_EQ(f.buttons5.at(c).top, first.top + (s[i].line - s[0].line) * kButton5)
          << "button " << c;
    }
  }
  const auto buttons = palette(0);
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    EXPECT_TRUE(buttons[i].left >= 0 && buttons[i].top >= 0 &&
                buttons[i].right <= design::kClientWidth &&
                buttons[i].bottom <= design::kClientHeight)
        << "button " << i << " " << show(buttons[i]) << " leaves the window";
    for (std::size_t j = 0; j < i; ++j) {
      EXPECT_FALSE(overlap(buttons[i], buttons[j]))
          << "buttons " << j << " and " << i << " overlap";
    }
    for (const auto& [name, r] : fixedControls()) {
      EXPECT_FALSE(overlap(buttons[i], r)) << "button " << i << " covers " << name;
    }
  }
}

TEST(PentiposFile, OrientationCodesReachEveryOrientationOnce) {
  const DataFile& f = dataFile();
  for (int v = 0; v < 2; ++v) {
    for (const auto& [t, tile] : f.tiles[v]) {
      if (!f.codes.count(tile.kind)) continue;  // reported elsewhere
      std::set<Piece> reached{tile.squares};
      for (int code : f.codes.at(tile.kind)) {
        // The solve loop presses the key of the units digit, then that of
        // the tens digit unless it is 0.
        ASSERT_NE(code % 10, 0) << "kind " << tile.kind << " code " << code << " presses nothing";
        Piece shape = pressKey(tile.squares, code % 10, kSquares[v]);
        if (code / 10 != 0) shape = pressKey(shape, code / 10, kSquares[v]);
        EXPECT_TRUE(reached.insert(shape).second)
            << "variant " << v << " tile " << t << " kind " << tile.kind << ": code " << code
            << " repeats an orientation";
      }
      EXPECT_EQ(reached.size(), tiling::orientations(tile.squares).size())
          << "variant " << v << " tile " << t << " kind " << tile.kind << " misses orientations";
    }
  }
}

TEST(PentiposFile, BoxesLeaveRoomForEveryOtherControl) {
  const DataFile& f = dataFile();
  const Rect window{0, 0, design::kClientWidth, design::kClientHeight};
  for (int v = 0; v < 2; ++v) {
    const auto pal = palette(v);
    for (const auto& [slot, b] : f.boxes[v]) {
      const std::string name = "variant " + std::to_string(v) + " box " + std::to_string(b.lines) +
                               " by " + std::to_string(b.columns);
      // The grid's margin is three twips per column, in height as well.
      const Rect box{b.left, b.top, b.left + b.columns * b.cell + 3 * b.columns,
                     b.top + b.lines * b.cell + 3 * b.columns};
      EXPECT_TRUE(box.left >= window.left && box.top >= window.top && box.right <= window.right &&
                  box.bottom <= window.bottom)
          << name << " " << show(box) << " leaves the window";
      for (const auto& [control, r] : fixedControls()) {
        EXPECT_FALSE(overlap(box, r)) << name << " covers " << control;
      }
      for (std::size_t i = 0; i < pal.size(); ++i) {
        EXPECT_FALSE(overlap(box, pal[i])) << name << " covers palette button " << i;
      }
      // The selected tile, drawn with this box's cells, must hide neither
      // the box, the palette nor a control.
      for (const Rect& d : displayCells(v, b.cell)) {
        EXPECT_FALSE(overlap(box, d))
            << name << " " << show(box) << " under the tile display " << show(d);
        for (const auto& [control, r] : fixedControls()) {
          EXPECT_FALSE(overlap(d, r)) << name << ": tile display covers " << control;
        }
        for (std::size_t i = 0; i < pal.size(); ++i) {
          EXPECT_FALSE(overlap(d, pal[i])) << name << ": tile display covers palette button " << i;
        }
      }
    }
  }
}

TEST(PentiposFile, EightByEightPatternsAreDistinctAndFillable) {
  const DataFile& f = dataFile();
  std::set<std::vector<int>> seen;
  for (const auto& [i, text] : f.dels88) {
    const std::string what = "8 by 8 pattern " + std::to_string(i);
    auto grey = squaresOf(text, 2, 4);
    ASSERT_EQ(grey.size(), 4u) << what;
    std::sort(grey.begin(), grey.end());
    EXPECT_EQ(std::adjacent_find(grey.begin(), grey.end()), grey.end())
        << what << " repeats a square";
    ASSERT_LT(grey.back(), 64) << what;
    EXPECT_TRUE(seen.insert(grey).second) << what << " repeats another";
    // A block line below 4 shows the grey block over its 2 x 2 squares.
    const int line = text[0] - '0', column = text[1] - '0';
    if (line < 4) {
      ASSERT_LE(column, 6) << what << " block leaves the box";
      const int s = line * 8 + column;
      EXPECT_EQ(grey, (std::vector<int>{s, s + 1, s + 8, s + 9}))
          << what << " greys squares not under its block";
    }
    expectTileable(8, 8, grey, what);
  }
}

TEST(PentiposFile, EightByTenPatternsAreDistinctAndFillable) {
  const DataFile& f = dataFile();
  ASSERT_TRUE(f.dels810.count(12));
  const auto always = squaresOf(f.dels810.at(12), 0, 5);
  ASSERT_EQ(always.size(), 5u);
  std::set<std::vector<int>> seen;
  for (const auto& [i, text] : f.dels810) {
    if (i == 12) continue;
    const std::string what = "8 by 10 pattern " + std::to_string(i);
    auto grey = squaresOf(text, 0, 15);
    ASSERT_EQ(grey.size(), 15u) << what;
    grey.insert(grey.end(), always.begin(), always.end());
    std::sort(grey.begin(), grey.end());
    EXPECT_EQ(std::adjacent_find(grey.begin(), grey.end()), grey.end())
        << what << " greys a square twice, leaving more than 60";
    ASSERT_LT(grey.back(), 80) << what;
    EXPECT_TRUE(seen.insert(grey).second) << what << " repeats another";
    expectTileable(8, 10, grey, what);
  }
}

}  // namespace
