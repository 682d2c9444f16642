// The box grid, drawn from the model: cells of the model's row heights and
// column widths, each in its own colour with its text, thin grid lines. The
// widget has the control's size; cells beyond it are cut off. Texts are
// centred: the program centres every cell it fills. The keyboard's cell
// cursor is an outline above the tiles that may cover its cell.
#pragma once

#include "platform/grid.h"
#include "qt/control_view.h"

namespace qtview {

class GridView : public ControlView {
 public:
  GridView(GridControl& grid, double twipsPerPixel, QWidget* parent);
  // A cell in the widget's pixels, as drawn.
  QRect cellRect(int row, int col) const;

 protected:
  void syncContent(bool looks) override;
  void activate(QPoint at) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  GridControl& grid_;
  QWidget* cursor_;  // a sibling in front of the tile buttons
};

}  // namespace qtview
