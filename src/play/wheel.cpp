// The wheel and the right button over the box or the box-tile display turn
// and mirror the selected tile, as its action buttons do.
#include "app/form1.h"
#include "play/action_keys.h"

namespace {

bool inside(const Control& c, float x, float y) {
  return c.visible() && x >= c.left() && x < c.left() + c.width() && y >= c.top() && y < c.top() + c.height();
}

}  // namespace

bool Form1::OverBoxOrDisplay(float x, float y) {
  if (inside(FlexBox(), x, y)) return true;
  for (int i = 0; i < 6; ++i) {
    if (inside(ComBT(i), x, y)) return true;
  }
  return false;
}

void Form1::Form_MouseWheel(int16_t notches, float x, float y) {
  if (!OverBoxOrDisplay(x, y)) return;
  const int16_t key = notches > 0 ? action::kRotateLeft : action::kRotateRight;
  for (int n = notches > 0 ? notches : -notches; n > 0; --n) ComKey(key).playerClick();
}

void Form1::Form_RightClick(int16_t shift, float x, float y) {
  if (!OverBoxOrDisplay(x, y)) return;
  ComKey((shift & 1) != 0 ? action::kFlipHorizontal : action::kFlipVertical).playerClick();
}
