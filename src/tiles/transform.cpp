// Rotating, mirroring and moving the selected tile. Every change ends in a
// placement at the anchor, which accepts or refuses it.
#include <tuple>
#include <utility>

#include "app/form1.h"

void Form1::ComRotate_Click(int16_t Dir) { Transform(KeyTurn(Dir)); }

void Form1::ComFlip_Click(int16_t Dir) { Transform(KeyTurn(Dir)); }

Form1::Turn Form1::KeyTurn(int16_t Dir) {
  switch (Dir) {
    case 6: return Turn::Left;
    case 7: return Turn::LeftToRight;
    case 8: return Turn::TopToBottom;
    default: return Turn::Right;
  }
}

std::pair<int16_t, int16_t> Form1::Turned(Turn turn, int16_t N, int16_t line, int16_t column) {
  switch (turn) {
    case Turn::Left: return {toInt16(N - 1 - column), line};
    case Turn::Right: return {column, toInt16(N - 1 - line)};
    case Turn::TopToBottom: return {toInt16(N - 1 - line), column};
    case Turn::LeftToRight: break;
  }
  return {line, toInt16(N - 1 - column)};
}

void Form1::Transform(Turn turn) {
  if (!TileSelected) {
    Announce(31);
    return;
  }
  const int16_t N = TileSquares;
  ShiftLine = N;
  ShiftCol = N;
  FirstBtn = toInt16(CurTile * N);
  TileNo = CurTile;
  for (int i = 0; i < N; ++i) {
    const int16_t line = toInt16(idiv(CurShape(i), N));
    const int16_t column = toInt16(imod(CurShape(i), N));
    std::tie(NewLine, NewCol) = Turned(turn, N, line, column);
    if (NewCol < ShiftCol) ShiftCol = NewCol;
    if (NewLine < ShiftLine) ShiftLine = NewLine;
    CurShape(i) = toInt16(NewLine * N + NewCol);
  }
  if (turn == Turn::Left || turn == Turn::Right) std::swap(TileLines, TileCols);

  ShiftDig();
  ShowComTile();
  if (AnchorSq != -1) PlaceAtAnchor();
  Describe(DescribeShape(CurTile));
}

void Form1::ShiftDig() {
  for (int i = 0; i < TileSquares; ++i) CurShape(i) = toInt16(CurShape(i) - ShiftCol - ShiftLine * TileSquares);
  LabTLines().setCaption(std::to_string(TileLines));
  LabTCols().setCaption(std::to_string(TileCols));
}

void Form1::PlaceAtAnchor() {
  AnchorRow = toInt16(idiv(AnchorSq, BoxColumns));
  AnchorCol = toInt16(imod(AnchorSq, BoxColumns));
  FlexBox().setRow(AnchorRow);
  FlexBox().setCol(AnchorCol);
  FlexBox_Click();
}

void Form1::ComMoveUp_Click() {
  const int16_t a = TileAnchor(CurTile);
  ShiftCol = toInt16(a + 1);
  MoveOK = ShiftCol > BoxColumns;
  if (MoveOK) {
    MoveTarget = toInt16(a - BoxColumns);
  } else {
    MsgSuffix = "";
  }
  ComMoveMouse();
}

void Form1::ComMoveDown_Click() {
  const int16_t a = TileAnchor(CurTile);
  ShiftCol = a;
  ShiftLine = toInt16(BoxSquares - TileLines * BoxColumns);
  MoveOK = a < ShiftLine;
  if (MoveOK) {
    MoveTarget = toInt16(a + BoxColumns);
  } else {
    MsgSuffix = "";
  }
  ComMoveMouse();
}

void Form1::ComMoveRight_Click() {
  const int16_t a = TileAnchor(CurTile);
  ShiftCol = a;
  ShiftLine = toInt16(imod(a, BoxColumns) + TileCols);
  MoveOK = ShiftLine < BoxColumns;
  if (MoveOK) {
    MoveTarget = toInt16(a + 1);
  } else {
    MsgSuffix = formatRight(ShiftLine, 3);
  }
  ComMoveMouse();
}

void Form1::ComMoveLeft_Click() {
  const int16_t a = TileAnchor(CurTile);
  ShiftCol = a;
  ShiftLine = 0;
  MoveOK = imod(a, BoxColumns) != 0;
  if (MoveOK) {
    MoveTarget = toInt16(a - 1);
  } else {
    MsgSuffix = formatRight(ShiftLine, 3);
  }
  ComMoveMouse();
}

void Form1::ComMoveMouse() {
  if (!TileSelected) {
    Announce(31);
    return;
  }
  FirstBtn = TileFirstBtn(CurTile);
  if (AnchorSq == -1) {
    Announce(30);
    return;
  }
  if (MoveOK) {
    AnchorSq = MoveTarget;
    PlaceAtAnchor();
  } else {
    LoadMessage(LastKey - 1);
    MsgText += MsgSuffix;
    ComSpeak_Click();
  }
}
