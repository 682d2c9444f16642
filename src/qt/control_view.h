// The widget of one control: it observes the control, follows its geometry,
// visibility, caption, colours and font, and hands the player's pointer
// moves and clicks back to the control. Kinds differ only in drawing and in
// what a click does.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "platform/control.h"

namespace qtview {

// Runs a call into the program from a Qt event. The handlers trap their own
// errors; anything that still escapes must not unwind through Qt.
void routeEvent(const std::function<void()>& call);

class ControlView : public QWidget, public ControlObserver {
 public:
  ControlView(Control& control, double twipsPerPixel, QWidget* parent);
  ~ControlView() override;

  // Starts observing and takes the control's current state; called once the
  // widget is fully built, as the sync step is virtual.
  void attach();

  Control& control() const { return control_; }
  // The press became a drag: its release is no click.
  void cancelPress();
  void controlChanged(const Control& control) final;

 protected:
  // Called after every change of the control; `looks` tells whether caption,
  // colours or font changed. The default repaints when they did.
  virtual void syncContent(bool looks);
  // A click of the player at a point of the widget.
  virtual void activate(QPoint at);

  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

  // Reports a pointer move at a point of this widget to the control, in its twips.
  void reportMove(QPointF at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

  double twipsPerPixel() const { return twipsPerPixel_; }
  bool pressed() const { return pressed_; }

  // The control's look as last taken over.
  QString caption_;
  QColor back_, fore_;
  QFont font_;

 private:
  Control& control_;
  double twipsPerPixel_;
  bool attached_ = false;
  bool pressed_ = false;
  std::string captionSource_;
  int32_t backSource_ = 0, foreSource_ = 0;
  ControlFont fontSource_;
  bool firstSync_ = true;
};

}  // namespace qtview
