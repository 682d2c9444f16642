// The list box, drawn by hand: its entries from a first shown one, the
// selected one highlighted, and a scroll bar when they do not all fit. A
// click on an entry or a key that moves the selection sets ListIndex; the
// scroll bar and the wheel only scroll. While it keeps the keys a frame
// shows it, and Escape gives them back to the window. (Qt's item views would cost a
// megabyte and a half of memory for this one list.)
#pragma once

#include "platform/list_box.h"
#include "qt/control_view.h"

namespace qtview {

class ListView : public ControlView {
 public:
  ListView(ListBoxControl& list, double twipsPerPixel, QWidget* parent);
  // Entries shown whole at once, and the first one shown.
  int pageRows() const;
  int firstShown() const { return first_; }
  // Where entry i is drawn; empty while it is scrolled out of sight.
  QRect itemRect(int i) const;

 protected:
  void syncContent(bool looks) override;
  void activate(QPoint at) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int rowHeight() const;
  bool scrollable() const;
  QRect barRect() const;    // the whole scroll bar, arrows included
  QRect trackRect() const;  // between the arrows
  QRect thumbRect() const;
  void scrollTo(int first);

  ListBoxControl& list_;
  int first_ = 0;
  int shownIndex_ = -1;
  int dragFrom_ = -1;  // pointer y where a thumb drag started, -1 when none
  int dragFirst_ = 0;
  int wheelRest_ = 0;
};

}  // namespace qtview
