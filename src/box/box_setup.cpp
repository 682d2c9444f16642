// Building and clearing the box: numbered white cells, the grey squares and
// block button of the special boxes, the palette back home, shapes restored.
#include "app/form1.h"

namespace {

constexpr int32_t kAvailable = 0x00FFFFFF;
constexpr int32_t kUnavailable = 0x00C0C0C0;
const char* const kBlockCaption = "Squares\r\nnot\r\nAvailable";

struct Square {
  int16_t line, column;
};

// The 17 unavailable squares of "7 by 11", in the order they are greyed.
constexpr Square kGrey7by11[17] = {
    {0, 0}, {0, 10}, {6, 0}, {6, 10}, {2, 1}, {2, 9}, {4, 1}, {4, 9}, {1, 3},
    {1, 5}, {1, 7},  {3, 3}, {3, 5},  {3, 7}, {5, 3}, {5, 5}, {5, 7},
};

}  // namespace

void Form1::ComClear_Click() {
  for (Ix = 0; Ix <= 5; ++Ix) {
    ComBT(Ix).setVisible(false);
    ComBT(Ix).setWidth(CellWidth);
    ComBT(Ix).setHeight(CellHeight);
    CurBoxSq(Ix) = -1;
    CurBtn(Ix) = -1;
  }
  ClearPuzzle();
}

void Form1::ClearPuzzle() {
  ClearInfo();
  BoxSquares = toInt16(BoxColumns * BoxLines);
  AvailSquares = BoxSquares;
  GridControl& grid = FlexBox();
  grid.setVisible(false);

  for (Ix = 0; Ix <= BoxLines - 1; ++Ix) {
    grid.setRow(Ix);
    for (Jx = 0; Jx <= BoxColumns; ++Jx) {
      grid.setCol(Jx);
      grid.setRowHeight(Ix, CellHeight);
      grid.setColWidth(Jx, CellWidth);
      grid.setCellAlignment(4);
      grid.setCellBackColor(kAvailable);
      Kx = toInt16(BoxColumns * Ix + Jx);
      grid.setText(std::to_string(Kx));
    }
  }
  GridRowHeight = toInt16(grid.rowHeight(0));
  GridColWidth = toInt16(grid.colWidth(0));

  // The control's size is a window position's kind of number: 20 columns of
  // a 32:9 screen's cells pass 16 bits.
  Kx = toInt16(BoxColumns * 3);
  grid.setHeight(static_cast<Twips>(BoxLines * GridRowHeight + Kx));
  grid.setWidth(static_cast<Twips>(BoxColumns * GridColWidth + Kx));
  grid.setVisible(true);

  for (TileBtn = 0; TileBtn <= 224; ++TileBtn) {
    SqCount(TileBtn) = 0;
    BtnBoxSq(TileBtn) = -1;
    if (TileBtn > LastBtn) {
      if (TileBtn < 210) ComTile(TileBtn).setVisible(false);
      continue;
    }
    TileNo = toInt16(idiv(TileBtn, TileSquares));
    Control& b = ComTile(TileBtn);
    b.setLeft(PalLeft(SqVariant, TileBtn));
    b.setTop(PalTop(SqVariant, TileBtn));
    if (TileSquares == 5) {
      b.setHeight(BtnH5 - 3);
      b.setWidth(BtnW5 - 3);
    } else {
      b.setHeight(BtnH6 - 3);
      b.setWidth(BtnW6 - 3);
    }
    b.setVisible(true);
    b.setBackColor(TileColor(TileNo));
    ShowTileNumber(b, TileNo, TileBtn % TileSquares == 0);
  }

  ComBlock().setVisible(false);

  if (BoxSize == "7 by 11") {
    for (const Square& s : kGrey7by11) {
      grid.setRow(s.line);
      grid.setCol(s.column);
      SetNotAvail();
    }
  }
  if (BoxSize == "8 by  8") {
    DelList = Dels88(readInt16(mid(BoxCode, 3, 2)));
    BlockLine = readInt16(mid(DelList, 1, 1));
    BlockCol = readInt16(mid(DelList, 2, 1));
    for (Kx = 1; Kx <= 4; ++Kx) SetBoxAvail();
    if (BlockLine < 4) {
      ComBlock().setCaption(kBlockCaption);
      ComBlock().setHeight(GridRowHeight * 2 + ScaleY * 20);
      ComBlock().setWidth(GridColWidth * 2 + ScaleX * 20);
      ComBlock().setLeft(grid.left() + BlockCol * GridColWidth);
      ComBlock().setTop(grid.top() + BlockLine * GridRowHeight);
      ComBlock().setVisible(true);
    }
  }
  if (BoxSize == "8 by 10") {
    DelList = Dels810(readInt16(mid(BoxCode, 3, 2)));
    for (Kx = 0; Kx <= 14; ++Kx) SetBoxAvail();
    DelList = Dels810(12);
    for (Kx = 0; Kx <= 4; ++Kx) SetBoxAvail();
  }
  if (BoxSize == "15 by 15") {
    for (Ix = 6; Ix <= 8; ++Ix) {
      for (Jx = 5; Jx <= 9; ++Jx) {
        grid.setRow(Ix);
        grid.setCol(Jx);
        SetNotAvail();
      }
    }
    ComBlock().setCaption(kBlockCaption);
    ComBlock().setHeight(GridRowHeight * 3 + ScaleY * 20);
    ComBlock().setWidth(GridColWidth * 5 + ScaleX * 20);
    ComBlock().setLeft(grid.left() + GridColWidth * 5);
    ComBlock().setTop(grid.top() + GridRowHeight * 6);
    ComBlock().setVisible(true);
  }

  for (TileNo = 0; TileNo <= LastTile; ++TileNo) {
    LinesOf(TileNo) = LinesOrig(SqVariant, TileNo);
    ColsOf(TileNo) = ColsOrig(SqVariant, TileNo);
    TileAnchor(TileNo) = -1;
    for (int square = 0; square < TileSquares; ++square) {
      Shape(TileNo, square) = ShapeOrig(SqVariant, TileNo, square);
    }
  }

  Overlaps = 0;
  PlacedSquares = 0;
  TileNo = 0;
  CurTile = 0;
  TileSelected = false;
  AnchorSq = -1;
}

void Form1::ClearInfo() {
  for (Control* label : {&LabBSq(), &LabBLine(), &LabBCol(), &LabTNo(), &LabTLines(), &LabTCols()}) {
    label->setCaption(" ");
  }
}

// A square greyed twice is counted off once: otherwise a pattern that names
// a square twice would leave a box that can never be completed.
void Form1::SetNotAvail() {
  if (FlexBox().cellBackColor() == kUnavailable) return;
  FlexBox().setCellBackColor(kUnavailable);
  AvailSquares = toInt16(AvailSquares - 1);
}

void Form1::SetBoxAvail() {
  Jx = toInt16(2 * Kx + 1);
  WorkStr2 = mid(DelList, Jx, 2);
  TileBtn = readInt16(WorkStr2);
  if (TileBtn < 0 || TileBtn >= BoxSquares) return;  // a damaged pattern greys nothing outside the box
  Ix = toInt16(idiv(TileBtn, BoxColumns));
  Jx = toInt16(imod(TileBtn, BoxColumns));
  FlexBox().setRow(Ix);
  FlexBox().setCol(Jx);
  SetNotAvail();
}
