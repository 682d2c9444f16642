// Playing by keyboard alone. Every key clicks the control it stands for, on
// the player's path, so it does what that click does and says what it says.
#include <algorithm>

#include "app/form1.h"
#include "play/action_keys.h"
#include "play/key_codes.h"

void Form1::Form_KeyDown(int16_t KeyCode, int16_t Shift) {
  const bool shift = (Shift & key::kShift) != 0;
  const bool tileInBox = TileSelected && TileAnchor(CurTile) != -1;
  // The arrows steer the cell cursor, or the selected tile once it stands
  // in the box, as its Move buttons would.
  bool cursorSteered = false;
  const auto steer = [&](int16_t move, int dRow, int dCol) {
    if (tileInBox) {
      ComKey(move).playerClick();
    } else {
      CursorRow = toInt16(CursorRow + dRow);
      CursorCol = toInt16(CursorCol + dCol);
      cursorSteered = true;
    }
  };
  ShowCursor();
  switch (Shift & (key::kCtrl | key::kAlt)) {
    case 0:
      switch (KeyCode) {
        case key::kTab: SelectNextPaletteTile(shift ? -1 : 1); break;
        case key::kUp: steer(action::kMoveUp, -1, 0); break;
        case key::kDown: steer(action::kMoveDown, 1, 0); break;
        case key::kLeft: steer(action::kMoveLeft, 0, -1); break;
        case key::kRight: steer(action::kMoveRight, 0, 1); break;
        case key::kEnter:
        case key::kSpace: FlexBox().playerClickCell(CursorRow, CursorCol); break;
        case key::kR: ComKey(shift ? action::kRotateLeft : action::kRotateRight).playerClick(); break;
        case key::kF: ComKey(shift ? action::kFlipHorizontal : action::kFlipVertical).playerClick(); break;
        case key::kDelete: ComKey(action::kResetTile).playerClick(); break;
        case key::kF1: ComKey(action::kWatchVideo).playerClick(); break;
        case key::kFive: OptSq(0).playerClick(); break;
        case key::kSix: OptSq(1).playerClick(); break;
        case key::kPageUp:
        case key::kPageDown: {
          const int i = ListBoxSize().listIndex() + (KeyCode == key::kPageDown ? 1 : -1);
          if (i >= 0 && i < ListBoxSize().listCount()) ListBoxSize().playerSelect(i);
          break;
        }
        case key::kH: Hint_Press(); break;
        case key::kC: Count_Press(); break;
        case key::kD: Descriptions_Press(); break;
        case key::kM: Marks_Press(); break;
        case key::kW: Where_Press(); break;
        default: break;
      }
      break;
    case key::kCtrl:
      switch (KeyCode) {
        case key::kN: ComKey(action::kClearPuzzle).playerClick(); break;
        case key::kS: ComKey(action::kSolvePuzzle).playerClick(); break;
        case key::kZ: shift ? EditRedo() : EditUndo(); break;
        case key::kY: EditRedo(); break;
        default: break;
      }
      break;
    default: break;
  }
  ShowCursor();
  // Said at the edge too: the player hears that the cursor stayed.
  if (cursorSteered) Describe(DescribeSquare(CursorRow * BoxColumns + CursorCol));
}

// Clamped into the box, which may have changed size since the last key.
void Form1::ShowCursor() {
  if (BoxLines <= 0 || BoxColumns <= 0) return;
  CursorRow = std::clamp<int16_t>(CursorRow, 0, toInt16(BoxLines - 1));
  CursorCol = std::clamp<int16_t>(CursorCol, 0, toInt16(BoxColumns - 1));
  FlexBox().setMark(CursorRow, CursorCol);
}

// Tab's choice: the next tile (step 1) or the previous one (-1) after the
// selected one that is not in the box, chosen as a click on its button.
void Form1::SelectNextPaletteTile(int step) {
  const int tiles = LastTile + 1;
  const int from = TileSelected ? CurTile : (step > 0 ? -1 : tiles);
  for (int n = 1; n <= tiles; ++n) {
    const int t = ((from + step * n) % tiles + tiles) % tiles;
    if (TileAnchor(t) != -1 || (TileSelected && t == CurTile)) continue;
    ComTile(t * TileSquares).playerClick();
    return;
  }
}
