// The painted kinds: command buttons, labels and option buttons.
#pragma once

#include "platform/control.h"
#include "qt/control_view.h"

namespace qtview {

// A flat button filled with its BackColor, thin border, caption centred on
// as many lines as it holds.
class ButtonView : public ControlView {
 public:
  using ControlView::ControlView;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A filled label with a single-line border; its lines are centred across
// and start at the top.
class LabelView : public ControlView {
 public:
  using ControlView::ControlView;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// An option button: a round indicator showing Value, then the caption.
class OptionView : public ControlView {
 public:
  OptionView(OptionControl& option, double twipsPerPixel, QWidget* parent);

 protected:
  void syncContent(bool looks) override;
  void activate(QPoint at) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  OptionControl& option_;
  bool shownValue_ = false;
};

}  // namespace qtview
