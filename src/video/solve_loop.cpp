// The solve loop: every 20 ms it takes the next tile from the palette and
// clicks box squares in ascending order until one takes it, through the same
// handlers as the player's clicks. It speaks nothing while it runs.
#include "app/form1.h"

void Form1::SolveLoopStart() {
  // Started on a cleared box: every button is then home in the palette, as
  // the occupancy bookkeeping has it.
  ComClear_Click();
  TimerState = 1;
  Timer1().setInterval(20);
  Timer1().setEnabled(true);
  SolveStart = 0;
  SolveTile = 0;
  SolveOrient = 0;
}

void Form1::SolveStep() {
  SolveAnchor = TileAnchor(SolveTile);
  if (SolveAnchor == -1) {
    TileNo = SolveTile;
    FirstBtn = toInt16(TileSquares * SolveTile);
    SelectSolveTile();
  }
  SolveStart = TileAnchor(TileNo);
  if (SolveStart == -1) SolveStart = 0;
  bool placed = false;
  for (int square = SolveStart; square <= BoxSquares - 1 && !placed; ++square) {
    ActionLetter = "S";
    ActionIndex = toInt16(square);
    ActionLink();
    placed = TileFits;
    // A refusal sends the tile back to the palette's orientation: turn it
    // again before the next square.
    if (!placed && SolveAnchor == -1 && SolveOrient > 0) SelectSolveTile();
  }
  if (placed || TileFits) {
    SolveTile = toInt16(SolveTile + 1);
    SolveOrient = 0;
  } else if (SolveAnchor == -1) {
    // It fits nowhere turned this way: the next step tries the next
    // orientation, and after the last one the next tile.
    SolveOrient = toInt16(SolveOrient + 1);
    if (SolveOrient > 7) {
      SolveOrient = 0;
      SolveTile = toInt16(SolveTile + 1);
    }
  }
  if (SolveTile > LastTile) {
    Reset_Timer();
    TimerState = 0;
  }
}

// Selects tile SolveTile from its first palette button and presses the keys
// of the orientation the loop tries now. A tile that stands in the box is
// never sent back: only the selected tile outside the box returns first.
void Form1::SelectSolveTile() {
  ActionLetter = "T";
  ActionIndex = FirstBtn;
  ActionLink();
  KindIx = toInt16(SqVariant * 12 + TileNo);
  PieceKind = TileKind(KindIx);
  const int16_t code = KindOrient(PieceKind, SolveOrient);
  OrientKey1 = toInt16(code % 10);
  OrientKey2 = toInt16(code / 10);
  ActionLetter = "K";
  for (const int16_t key : {OrientKey1, OrientKey2}) {
    if (key == 0) continue;
    ActionIndex = key;
    ActionLink();
  }
}
