// The box grid, drawn from the model: cells of the model's row heights and
// column widths, each in its own colour with its text, thin grid lines. The
// widget has the control's size; cells beyond it are cut off. Texts are
// centred: the program centres every cell it fills.
#pragma once

#include "platform/grid.h"
#include "qt/control_view.h"

namespace qtview {

class GridView : public ControlView {
 public:
  GridView(GridControl& grid, double twipsPerPixel, QWidget* parent);

 protected:
  void syncContent(bool looks) override;
  void activate(QPoint at) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  GridControl& grid_;
};

}  // namespace qtview
