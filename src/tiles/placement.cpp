// Setting the selected tile into the box, with the occupancy bookkeeping and
// the solved test.
#include "app/form1.h"

void Form1::FlexBox_Click() {
  if (!TileSelected) {
    Announce(31);
  } else {
    GridControl& grid = FlexBox();
    AnchorRow = toInt16(grid.row());
    AnchorCol = toInt16(grid.col());
    AnchorSq = toInt16(BoxColumns * AnchorRow + AnchorCol);
    ComTileCheck();
    if (!TileFits) {
      ComTile_Click(FirstBtn);
    } else {
      // Set anew or moved; a turn in place or a second click on its tile is not news.
      const bool moved = TileAnchor(CurTile) != AnchorSq;
      LabBCol().setCaption(std::to_string(AnchorCol));
      LabBLine().setCaption(std::to_string(AnchorRow));
      LabBSq().setCaption(std::to_string(AnchorSq));
      for (int i = 0; i < TileSquares; ++i) {
        Ix = toInt16(i);
        ResetOld();
        CalcNx(TileSquares);
        grid.setRow(AnchorRow + SqLine);
        grid.setCol(AnchorCol + Jx);
        const Twips x = roundInt32(grid.left() + grid.cellLeft());
        const Twips y = roundInt32(grid.top() + grid.cellTop());
        Control& square = ComTile(TileBtn);
        square.setLeft(static_cast<float>(x));
        square.setTop(static_cast<float>(y));
        square.setHeight(CellHeight);
        square.setWidth(CellWidth);
        square.setVisible(true);
        Control& shown = ComBT(i);
        shown.setBackColor(square.backColor());
        shown.setCaption(square.caption());
        shown.setForeColor(square.foreColor());
        shown.setLeft(static_cast<float>(x));
        shown.setTop(static_cast<float>(y));
        shown.setVisible(true);
        if (CurBoxSq(i) == -1) PlacedSquares = toInt16(PlacedSquares + 1);
        CurBoxSq(i) = SqBox;
        CurBtn(i) = TileBtn;
        BtnBoxSq(TileBtn) = SqBox;
        SqCount(SqBox) = toInt16(SqCount(SqBox) + 1);
        if (SqCount(SqBox) > 1) Overlaps = toInt16(Overlaps + 1);
        Shape(CurTile, i) = CurShape(i);
        LinesOf(CurTile) = TileLines;
        ColsOf(CurTile) = TileCols;
      }
      TileAnchor(CurTile) = AnchorSq;
      if (moved) Describe("Tile " + std::to_string(CurTile) + " set at square " + std::to_string(AnchorSq));
      if (Overlaps > 0) {
        Announce(32);
      } else if (PlacedSquares == AvailSquares) {
        for (int r = 0; r < BoxLines; ++r) {
          grid.setRow(r);
          for (int c = 0; c <= BoxColumns; ++c) {
            grid.setCol(c);
            grid.setText(" ");
          }
        }
        Announce(35);
      }
    }
  }
  ClickFlag = "Y";
  NVidCheck();
}

void Form1::ResetOld() {
  SqBox = CurBoxSq(Ix);
  TileBtn = CurBtn(Ix);
  if (SqBox != -1 && SqCount(SqBox) > 0) {
    SqCount(SqBox) = toInt16(SqCount(SqBox) - 1);
    if (SqCount(SqBox) > 0) Overlaps = toInt16(Overlaps - 1);
  }
}
