// Where the guided pointer goes, how it is put there, and the click it makes
// on arrival: the same handler a player's click reaches.
#include <cmath>
#include <iterator>

#include "app/form1.h"

void Form1::SetMouse() {
  MerlinCode();
  PointerWork = 0.5f;
  const bool square = ActionLetter == "S";
  if (square ? !ScriptElementExists(ActionIndex)
             : CtlIndex < 0 || CtlIndex >= window.count() || window.control(CtlIndex).kind() == ControlKind::Timer) {
    // No control or box square there to point at: the pointer stays where it is.
    TargetX = PointerX * TwipsPerPixel;
    TargetY = PointerY * TwipsPerPixel;
  } else if (!square) {
    const Control& c = window.control(CtlIndex);
    TargetX = c.left() + c.width() * PointerWork;
    TargetY = c.top() + c.height() / 2;
  } else {
    AnchorRow = toInt16(idiv(ActionIndex, BoxColumns));
    AnchorCol = toInt16(imod(ActionIndex, BoxColumns));
    // Offsets in the box are twips like window positions: 32-bit.
    const Twips cellX = CellWidth * AnchorCol, cellY = CellHeight * AnchorRow;
    TargetX = FlexBox().left() + static_cast<float>(cellX) + static_cast<float>(CellWidth) * PointerWork;
    TargetY = FlexBox().top() + static_cast<float>(cellY) + static_cast<float>(CellHeight) / 2;
  }
  TargetX = TargetX / TwipsPerPixel;
  StepLength = 60;
  StepX = roundInt32(static_cast<double>(TargetX) - PointerX);
  TargetY = TargetY / TwipsPerPixel;
  StepY = roundInt32(static_cast<double>(TargetY) - PointerY);
  const long long squares = static_cast<long long>(StepX) * StepX + static_cast<long long>(StepY) * StepY;
  PointerWork = static_cast<float>(std::sqrt(static_cast<double>(roundInt32(static_cast<double>(squares)))));
  StepTotal = roundInt16(static_cast<double>(PointerWork) / StepLength);
  if (StepTotal != 0) {
    StepX = roundInt32(static_cast<double>(StepX) / StepTotal);
    StepY = roundInt32(static_cast<double>(StepY) / StepTotal);
  }
  StepLength = 80;
  StepCount = 0;
  TimerState = 7;
  Timer1().setInterval(80);
}

void Form1::MoveMouse(float X, float Y) {
  const int x = roundInt32(X), y = roundInt32(Y);
  if (sys.setCursorPos(x, y)) return;
  // The platform keeps the pointer to the player: the window draws the guided
  // one, and the controls hear of it as they would of the real pointer.
  window.showPointer(x, y);
  HoverAt(x, y);
}

void Form1::HoverAt(int x, int y) {
  const float xt = static_cast<float>(x) * TwipsPerPixel, yt = static_cast<float>(y) * TwipsPerPixel;
  const int k = window.controlAt(xt, yt);
  if (k < 0) {
    const float unit = window.scaleMode == 3 ? 1.0f : TwipsPerPixel;
    Form_MouseMove(0, 0, static_cast<float>(x) * unit, static_cast<float>(y) * unit);
    return;
  }
  Control& c = window.control(k);
  c.mouseMove(0, 0, xt - c.left(), yt - c.top());
}

bool Form1::ScriptElementExists(int i) {
  if (ActionLetter == "M") return true;  // one label: the index is not used
  int count = 0;
  if (ActionLetter == "B") count = static_cast<int>(std::size(comBT_));
  if (ActionLetter == "O") count = static_cast<int>(std::size(optSq_));
  if (ActionLetter == "K") count = static_cast<int>(std::size(comKey_));
  if (ActionLetter == "T") count = static_cast<int>(std::size(comTile_));
  if (ActionLetter == "L") count = ListBoxSize().listCount();
  // The player may have chosen a smaller box while the video ran.
  if (ActionLetter == "S") count = BoxSquares;
  return i >= 0 && i < count;
}

void Form1::ActionLink() {
  const int i = ActionIndex;
  if (!ScriptElementExists(i)) return;
  if (ActionLetter == "B") {
    ComBT(i).click();
  } else if (ActionLetter == "O") {
    OptSq(i).select();
  } else if (ActionLetter == "K") {
    ComKey(i).click();
  } else if (ActionLetter == "M") {
    LabTip().click();
  } else if (ActionLetter == "L") {
    ListBoxSize().setListIndex(i);
  } else if (ActionLetter == "S") {
    AnchorRow = toInt16(idiv(i, BoxColumns));
    AnchorCol = toInt16(imod(i, BoxColumns));
    FlexBox().setRow(AnchorRow);
    FlexBox().setCol(AnchorCol);
    FlexBox().click();
  } else if (ActionLetter == "T") {
    ComTile(i).click();
  }
}
