// May the selected tile stand with its anchor on AnchorSq? Inside the box,
// and in the special boxes on no grey square. Other tiles are no obstacle.
#include "app/form1.h"

namespace {
constexpr int32_t kUnavailable = 0x00C0C0C0;
}

void Form1::CalcNx(int16_t N) {
  Kx = CurShape(Ix);
  SqLine = toInt16(idiv(Kx, N));
  Jx = toInt16(imod(Kx, N));
  SqBox = toInt16(BoxColumns * SqLine + AnchorSq + Jx);
}

void Form1::CheckAvailable() {
  GridControl& grid = FlexBox();
  for (Ix = 0; Ix <= TileSquares - 1; ++Ix) {
    CalcNx(TileSquares);
    Kx = toInt16(SqLine + AnchorRow);
    if (Kx < grid.rows()) {
      grid.setRow(Kx);
    } else {
      TileFits = false;
    }
    Kx = toInt16(AnchorCol + Jx);
    if (Kx < grid.cols()) {
      grid.setCol(Kx);
    } else {
      TileFits = false;
    }
    if (TileFits && grid.cellBackColor() == kUnavailable) TileFits = false;
  }
}

void Form1::ComTileCheck() {
  TileFits = true;
  if (BoxSize == "7 by 11") CheckAvailable();
  if (BoxSize == "8 by  8") CheckAvailable();
  if (BoxSize == "8 by 10") CheckAvailable();
  if (BoxSize == "15 by 15") CheckAvailable();

  Ix = toInt16(imod(AnchorSq, BoxColumns));
  Kx = toInt16(TileCols + Ix);
  WorkStr2 = formatRight(Ix, 3);
  if (Kx > BoxColumns) TileFits = false;

  Jx = toInt16(idiv(AnchorSq, BoxColumns));
  Kx = toInt16(TileLines + Jx);
  WorkStr1 = formatRight(Jx, 2);
  if (Kx > BoxLines) TileFits = false;

  // The grid's extra column is no square of the box: an anchor there would
  // wrap round to column 0 of the next line. Refused, naming the clicked cell.
  if (AnchorCol >= BoxColumns) {
    TileFits = false;
    WorkStr1 = formatRight(AnchorRow, 2);
    WorkStr2 = formatRight(AnchorCol, 3);
  }

  if (!TileFits) {
    LoadMessage(33);
    MsgText += WorkStr1 + " Column" + WorkStr2;
    // Clicks handled while the refusal is spoken must find the selected tile
    // at the anchor where it stands, not at the refused one.
    if (TileSelected) AnchorSq = TileAnchor(CurTile);
    ComSpeak_Click();
    TileFits = false;  // the verdict stands, whatever those clicks checked
  }
}
