// Selecting a tile from the palette and drawing it in the box-tile display.
#include "app/form1.h"

void Form1::ComTile_Click(int16_t Index) {
  if (Index < 0 || Index > LastBtn) return;  // not a button of the tiles in play
  if (TileSelected && CurBoxSq(0) == -1) {
    ComReset_Click();
    // A click handled while the reset spoke may have changed the tile set.
    if (Index > LastBtn) return;
  }

  TileNo = toInt16(idiv(Index, TileSquares));
  FirstBtn = toInt16(TileSquares * TileNo);
  TileFirstBtn(TileNo) = FirstBtn;
  CurTile = TileNo;
  TileLines = LinesOf(CurTile);
  TileCols = ColsOf(CurTile);
  for (int i = 0; i < TileSquares; ++i) {
    const int b = FirstBtn + i;
    CurShape(i) = Shape(CurTile, i);
    CurBoxSq(i) = BtnBoxSq(b);
    CurBtn(i) = toInt16(b);
  }
  AnchorSq = TileAnchor(CurTile);
  LabTNo().setCaption(std::to_string(TileNo));
  LabTLines().setCaption(std::to_string(TileLines));
  LabTCols().setCaption(std::to_string(TileCols));
  if (BtnBoxSq(FirstBtn) == -1) ShowComTile();
  TileSelected = true;

  if (AnchorSq != -1) PlaceAtAnchor();
  Describe(DescribeShape(CurTile));
  ClickFlag = "Y";
  NVidCheck();
}

void Form1::ShowComTile() {
  for (int i = 0; i < TileSquares; ++i) {
    Control& palette = ComTile(FirstBtn + i);
    Control& shown = ComBT(i);
    palette.setVisible(false);
    shown.setVisible(false);
    SqLine = toInt16(idiv(CurShape(i), TileSquares));
    SqBox = toInt16(imod(CurShape(i), TileSquares));
    shown.setTop(static_cast<float>(CellHeight * SqLine + BTTop));
    shown.setLeft(static_cast<float>(CellWidth * SqBox + BTLeft));
    shown.setBackColor(palette.backColor());
    shown.setCaption(palette.caption());
    shown.setForeColor(palette.foreColor());
    if (AnchorSq == -1) shown.setVisible(true);
  }
  LabTLines().setCaption(std::to_string(TileLines));
  LabTCols().setCaption(std::to_string(TileCols));
}

// The box-tile buttons only show the tile; a click on them changes nothing.
void Form1::ComBT_Click(int16_t) {}
