// Tile marks for players who cannot tell the tiles' colours apart: with
// marks on, every square of a tile shows the tile's number, in black or
// white, whichever stands out more from the tile's colour. Off, the tiles
// look as designed: the number on the first square only.
#include <algorithm>
#include <cmath>

#include "app/form1.h"
#include "app/window_design.h"

namespace {

constexpr int32_t kBlack = 0x00000000, kWhite = 0x00FFFFFF;

// Relative luminance of a 0x00BBGGRR colour, as contrast is measured on screens.
double luminance(int32_t color) {
  const auto linear = [](int32_t v) {
    const double c = v / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(color & 0xFF) + 0.7152 * linear((color >> 8) & 0xFF) + 0.0722 * linear((color >> 16) & 0xFF);
}

double contrast(int32_t a, int32_t b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

void Form1::ShowTileNumber(Control& button, int tile, bool first) {
  button.setCaption(MarksOn || first ? std::to_string(tile) : "");
  int32_t ink = design::kWindowText;
  if (MarksOn) {
    const int32_t back = TileColor(tile);
    ink = contrast(back, kBlack) >= contrast(back, kWhite) ? kBlack : kWhite;
  }
  button.setForeColor(ink);
}

void Form1::ShowMarks() {
  for (int b = 0; TileSquares > 0 && b <= LastBtn; ++b) {
    ShowTileNumber(ComTile(b), b / TileSquares, b % TileSquares == 0);
  }
  // The box-tile display shows the selected tile's buttons.
  if (!TileSelected) return;
  for (int i = 0; i < TileSquares; ++i) {
    const Control& square = ComTile(CurBtn(i));
    ComBT(i).setCaption(square.caption());
    ComBT(i).setForeColor(square.foreColor());
  }
}
