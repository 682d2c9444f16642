// The information label: what the control under the pointer does, with
// figures about the square under it.
#include <cmath>

#include "app/form1.h"

namespace {
const char* const kNewLine = "\r\n";
}

void Form1::ComKey_MouseMove(int16_t Index, int16_t, int16_t, float, float) {
  MsgSuffix = kNewLine + formatRight(Index, 2);
  LabTip().setCaption(KeyTip(Index));
}

std::string Form1::KeyTip(int16_t Index) {
  return "Click to" + std::string(kNewLine) + ComKey(Index).caption() + kNewLine + formatRight(Index, 2);
}

void Form1::ComBT_MouseMove(int16_t Index, int16_t, int16_t, float, float) {
  LabTip().setCaption("Click to Select" + std::string(kNewLine) + "Box Tile");
  HoverSq = CurBoxSq(Index);
  Kx = toInt16(idiv(CurBtn(Index), TileSquares));
  MsgSuffix = " NT=" + formatRight(Kx, 2) + kNewLine + " SQ=" + std::to_string(HoverSq);
  if (HoverSq != -1) MsgSuffix += " Overlap=" + formatRight(Overlaps, 3);
  LabTip().setCaption(LabTip().caption() + MsgSuffix);
}

void Form1::FlexBox_MouseMove(int16_t, int16_t, float x, float y) {
  LabTip().setCaption("Click to" + std::string(kNewLine) + "Move Tile Here");
  if (GridRowHeight <= 0 || GridColWidth <= 0) return;
  SqLine = toInt16(static_cast<long long>(std::floor(y / GridRowHeight)));
  Jx = toInt16(static_cast<long long>(std::floor(x / GridColWidth)));
  // The grid's extra row and column and its border belong to no square:
  // they get no figures rather than those of some other square.
  if (SqLine < 0 || SqLine >= BoxLines || Jx < 0 || Jx >= BoxColumns) return;
  Kx = toInt16(BoxColumns * SqLine + Jx);
  MsgSuffix = kNewLine + ("Sq=" + formatRight(Kx, 3)) + " Row " + formatRight(SqLine, 2) + " Col " +
              formatRight(Jx, 2) + kNewLine + " Overlap=" + formatRight(SqCount(Kx), 3);
  LabTip().setCaption(LabTip().caption() + MsgSuffix);
}

void Form1::ComTile_MouseMove(int16_t Index, int16_t, int16_t, float, float) {
  LabTip().setCaption("Click to" + std::string(kNewLine) + "Select Tile");
  HoverSq = BtnBoxSq(Index);
  Kx = toInt16(idiv(Index, TileSquares));
  MsgSuffix = " NT=" + formatRight(Kx, 2) + kNewLine + "SQ=" + std::to_string(HoverSq);
  if (HoverSq != -1) MsgSuffix += " Overlap=" + formatRight(Overlaps, 3);
  LabTip().setCaption(LabTip().caption() + MsgSuffix);
}

void Form1::OptSq_MouseMove(int16_t Index, int16_t, int16_t, float, float) {
  LabTip().setCaption("Click for " + std::string(kNewLine) + OptSq(Index).caption() + kNewLine + "in a Tile");
  MsgSuffix = kNewLine + formatRight(Index, 2);
  LabTip().setCaption(LabTip().caption() + MsgSuffix);
}

void Form1::ListBoxSize_MouseMove(int16_t, int16_t, float, float) {
  LabTip().setCaption("Scroll and Click to" + std::string(kNewLine) + "Select Box Size");
}

void Form1::LabTip_MouseMove(int16_t, int16_t, float, float) { LabTip_Click(); }

void Form1::LabTip_Click() {
  LabTip().setCaption("This label" + std::string(kNewLine) + "provides" + kNewLine + "Information");
}
