#include "harness.h"

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
