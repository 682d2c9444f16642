#include "solve/catalogue.h"

#include <algorithm>
#include <stdexcept>

#include "app/window_design.h"
#include "box/patterns.h"

namespace solve {

namespace {

constexpr int32_t kGrey = 0x00C0C0C0;

const PatternedBox* patterned(const std::string& size) {
  for (const PatternedBox& b : kPatternedBoxes) {
    if (size == b.size) return &b;
  }
  return nullptr;
}

}  // namespace

// The window keeps its design size: no scaling to round.
float HeadlessServices::screenWidthTwips() { return design::kClientWidth; }
float HeadlessServices::screenHeightTwips() { return design::kClientHeight; }
float HeadlessServices::textWidth(const std::string& text, const ControlFont&, int scaleMode) {
  const float pixels = 5.0f * static_cast<float>(text.size());
  return scaleMode == 3 ? pixels : pixels * 15;
}
int HeadlessServices::askYesNo(const std::string& text) {
  messages.push_back(text);
  return 7;
}

Catalogue::Catalogue(const std::string& dir) : services_(dir), form_(std::make_unique<Form1>(services_)) {
  form_->Form_Load();
  if (!form_->TileFits) {
    throw std::runtime_error(services_.messages.empty() ? "cannot read PENTIPOS.TXT" : services_.messages.back());
  }
}

void Catalogue::selectSquares(int squares) {
  if (squares != 5 && squares != 6) throw std::invalid_argument("tiles have 5 or 6 squares");
  form_->OptSq(squares - 5).setValue(true);
}

std::vector<std::string> Catalogue::sizes(int squares) {
  selectSquares(squares);
  std::vector<std::string> out;
  for (int i = 0; i < form_->ListBoxSize().listCount(); ++i) out.push_back(form_->ListBoxSize().list(i));
  return out;
}

std::vector<std::string> Catalogue::patterns(int squares, int entry) {
  const std::vector<std::string> list = sizes(squares);
  if (entry < 0 || entry >= static_cast<int>(list.size())) throw std::invalid_argument("no such entry");
  const PatternedBox* p = patterned(list[entry]);
  if (!p) return {""};
  std::vector<std::string> codes;
  for (const std::string all = p->codes; codes.size() * 2 < all.size();) codes.push_back(all.substr(codes.size() * 2, 2));
  return codes;
}

GameBox Catalogue::box(int squares, int entry, const std::string& pattern) {
  const std::vector<std::string> codes = patterns(squares, entry);
  if (std::find(codes.begin(), codes.end(), pattern) == codes.end()) {
    throw std::invalid_argument(pattern.empty() ? "this box needs a pattern code" : "no pattern " + pattern);
  }
  Form1& f = *form_;
  f.ListBoxSize().setListIndex(entry);
  if (!pattern.empty()) {
    // As the game does before a video: the drawn code names the pattern,
    // and clearing the box greys its squares.
    f.BoxCode = patterned(f.BoxSize)->prefix + pattern;
    f.ComClear_Click();
  }
  GameBox box;
  box.squares = squares;
  box.entry = entry;
  box.pattern = pattern;
  box.size = f.BoxSize;
  box.video = "VID" + f.SqText + f.BoxCode + ".TXT";
  box.problem = {f.BoxLines, f.BoxColumns, {}, tiles(squares)};
  const Control& block = f.ComBlock();
  for (int line = 0; line < f.BoxLines; ++line) {
    for (int column = 0; column < f.BoxColumns; ++column) {
      box.problem.blocked.push_back(f.FlexBox().backColorAt(line, column) == kGrey);
      // Where the guided pointer clicks a box square: the cell's centre.
      const float x = f.FlexBox().left() + f.CellWidth * (column + 0.5f);
      const float y = f.FlexBox().top() + f.CellHeight * (line + 0.5f);
      box.underButton.push_back(block.visible() && x >= block.left() && x < block.left() + block.width() &&
                                y >= block.top() && y < block.top() + block.height());
    }
  }
  return box;
}

std::vector<GameBox> Catalogue::everyBox() {
  std::vector<GameBox> out;
  for (int squares = 5; squares <= 6; ++squares) {
    for (int entry = 0; entry < static_cast<int>(sizes(squares).size()); ++entry) {
      for (const std::string& pattern : patterns(squares, entry)) out.push_back(box(squares, entry, pattern));
    }
  }
  return out;
}

std::vector<tiling::Piece> Catalogue::tiles(int squares) {
  selectSquares(squares);
  std::vector<tiling::Piece> out;
  for (int t = 0; t <= form_->LastTile; ++t) {
    tiling::Piece piece;
    for (int s = 0; s < squares; ++s) {
      const int code = form_->ShapeOrig(squares - 5, t, s);
      piece.push_back({code / squares, code % squares});
    }
    out.push_back(piece);
  }
  return out;
}

}  // namespace solve
