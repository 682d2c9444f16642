// The list box: a scrollable QListWidget kept equal to the control's items
// and ListIndex; a click of the player on an item, or a key that moves the
// selection, sets ListIndex.
#pragma once

#include <QListWidget>

#include "platform/list_box.h"
#include "qt/control_view.h"

namespace qtview {

class ListView : public ControlView {
 public:
  ListView(ListBoxControl& list, double twipsPerPixel, QWidget* parent);
  QListWidget* listWidget() const { return items_; }

 protected:
  void syncContent(bool looks) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ListBoxControl& list_;
  QListWidget* items_;
};

}  // namespace qtview
