// The twelve action buttons, and "Reset Tile".
#include "app/form1.h"

void Form1::ComKey_Click(int16_t Index) {
  LastKey = toInt16(Index + 1);
  switch (Index) {
    case 0: ComClear_Click(); break;
    case 1: ComReset_Click(); break;
    case 2: ComSolve_Click(); break;
    case 3: ComVideo_Click(); break;
    case 4:
    case 5: ComRotate_Click(LastKey); break;
    case 6:
    case 7: ComFlip_Click(LastKey); break;
    case 8: ComMoveUp_Click(); break;
    case 9: ComMoveDown_Click(); break;
    case 10: ComMoveRight_Click(); break;
    case 11: ComMoveLeft_Click(); break;
    default: break;
  }
  ClickFlag = "Y";
  NVidCheck();
}

void Form1::ComReset_Click() {
  if (!TileSelected) {
    Announce(31);
    return;
  }
  ClearInfo();
  FirstBtn = toInt16(TileSquares * CurTile);
  LinesOf(CurTile) = LinesOrig(SqVariant, CurTile);
  ColsOf(CurTile) = ColsOrig(SqVariant, CurTile);
  if (TileAnchor(CurTile) != -1) PlacedSquares = toInt16(PlacedSquares - TileSquares);
  TileAnchor(CurTile) = -1;
  const bool five = TileSquares == 5;
  for (int i = 0; i < TileSquares; ++i) {
    const int b = FirstBtn + i;
    Control& home = ComTile(b);
    home.setLeft(static_cast<float>(PalLeft(SqVariant, b)));
    home.setTop(static_cast<float>(PalTop(SqVariant, b)));
    home.setHeight(five ? BtnH5 : BtnH6);
    home.setWidth(five ? BtnW5 : BtnW6);
    Ix = toInt16(i);
    ResetOld();
    CurBoxSq(i) = -1;
    CurBtn(i) = -1;
    BtnBoxSq(b) = -1;
    Shape(CurTile, i) = ShapeOrig(SqVariant, CurTile, i);
    ComBT(i).setVisible(false);
    home.setVisible(true);
  }
  // The selection is cleared before announcing: events handled while the
  // sentence is spoken must not find a half-reset tile still selected.
  CurTile = 0;
  TileNo = 0;
  TileSelected = false;
  AnchorSq = -1;
  if (Overlaps > 0) Announce(32);
}
