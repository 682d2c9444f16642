#include "harness.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

TempDir::TempDir() {
  static int counter = 0;
  const fs::path p = fs::temp_directory_path() /
                     ("karvelon-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  fs::create_directories(p);
  path_ = p.string();
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

void TempDir::write(const std::string& name, const std::string& content) const {
  std::ofstream(fs::path(path_) / name, std::ios::binary) << content;
}

void TempDir::copyShipped(const std::string& name) const {
  fs::copy_file(fs::path(KARVELON_DATA_DIR) / name, fs::path(path_) / name, fs::copy_options::overwrite_existing);
}

Game::Game(int widthPixels, int heightPixels, const std::string& dir) {
  sys.screenWidthPixels = widthPixels;
  sys.screenHeightPixels = heightPixels;
  sys.dir = dir;
  form = std::make_unique<Form1>(sys);
  form->Form_Load();
}

void Game::selectSquares(int variant) { f().OptSq(variant).playerClick(); }

void Game::selectSize(const std::string& text) {
  ListBoxControl& list = f().ListBoxSize();
  for (int i = 0; i < list.listCount(); ++i) {
    if (list.list(i) == text) {
      list.playerSelect(i);
      return;
    }
  }
  throw std::runtime_error("no size " + text);
}

void Game::clickCell(int line, int column) { f().FlexBox().playerClickCell(line, column); }

std::string checkBookkeeping(Form1& f) {
  std::ostringstream err;
  int placed = 0;
  std::vector<int> counts(225, 0);
  for (int b = 0; b <= 224; ++b) {
    const int q = f.BtnBoxSq(b);
    if (q == -1) continue;
    if (q < 0 || q >= f.BoxSquares) {
      err << "button " << b << " on square " << q << " outside the box; ";
      continue;
    }
    ++placed;
    ++counts[q];
  }
  int overlaps = 0;
  for (int q = 0; q <= 224; ++q) {
    if (f.SqCount(q) != counts[q]) err << "SqCount(" << q << ")=" << f.SqCount(q) << " but " << counts[q] << "; ";
    if (counts[q] > 1) overlaps += counts[q] - 1;
  }
  if (f.Overlaps != overlaps) err << "Overlaps=" << f.Overlaps << " but " << overlaps << "; ";
  if (f.PlacedSquares != placed) err << "PlacedSquares=" << f.PlacedSquares << " but " << placed << "; ";
  return err.str();
}

// Beyond the counts: every tile stands wholly in the box in its stored shape
// at its anchor on available squares, or wholly outside; a selected tile's
// anchor is the stored one; and every tile can be seen: in the box, in the
// palette, or (selected outside the box) in the box-tile display.
std::string checkTiles(Form1& f) {
  std::ostringstream err;
  const int n = f.TileSquares;
  for (int t = 0; t <= f.LastTile; ++t) {
    const int anchor = f.TileAnchor(t);
    const bool shown = anchor == -1 && f.TileSelected && f.CurTile == t;
    for (int i = 0; i < n; ++i) {
      const int q = f.BtnBoxSq(t * n + i);
      const int columns = std::max<int>(f.BoxColumns, 1);  // none before a box is set up
      const int line = anchor / columns + f.Shape(t, i) / n, col = anchor % columns + f.Shape(t, i) % n;
      if (anchor == -1 ? q != -1
                       : line >= f.BoxLines || col >= f.BoxColumns || q != line * f.BoxColumns + col ||
                             f.FlexBox().backColorAt(line, col) == 0x00C0C0C0) {
        err << "tile " << t << " anchor " << anchor << " square " << i << " on " << q << "; ";
      }
      if (!(shown ? f.ComBT(i).visible() : f.ComTile(t * n + i).visible())) {
        err << "tile " << t << " square " << i << " cannot be seen; ";
      }
    }
  }
  if (f.TileSelected && f.AnchorSq != f.TileAnchor(f.CurTile)) err << "selected tile's anchor " << f.AnchorSq;
  return err.str();
}
