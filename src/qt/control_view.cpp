#include "qt/control_view.h"

#include <QMouseEvent>
#include <exception>

#include "qt/accessible.h"
#include "qt/units.h"

namespace qtview {

void routeEvent(const std::function<void()>& call) {
  try {
    call();
  } catch (const std::exception& e) {
    qWarning("Event not handled: %s", e.what());
  }
}

ControlView::ControlView(Control& control, double twipsPerPixel, QWidget* parent)
    : QWidget(parent), control_(control), twipsPerPixel_(twipsPerPixel) {
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

ControlView::~ControlView() {
  if (attached_) control_.setObserver(nullptr);
}

void ControlView::attach() {
  // Design properties that never change at run time.
  setCursor(cursorOf(control_.mousePointer()));
  setToolTip(QString::fromStdString(control_.toolTip()));
  control_.setObserver(this);
  attached_ = true;
  controlChanged(control_);
}

// Called on every property change, often in bursts of hundreds: only the
// parts that really changed are handed to Qt.
void ControlView::controlChanged(const Control& c) {
  const QRect r = pixelRect(c.left(), c.top(), c.width(), c.height(), twipsPerPixel_);
  if (r != geometry()) setGeometry(r);
  if (c.visible() == isHidden()) setVisible(c.visible());

  bool looks = firstSync_;
  if (c.hasCaption() && (firstSync_ || c.caption() != captionSource_)) {
    captionSource_ = c.caption();
    caption_ = textOf(captionSource_);
    looks = true;
  }
  if (firstSync_ || c.backColor() != backSource_) {
    backSource_ = c.backColor();
    back_ = colorOf(backSource_);
    looks = true;
  }
  if (firstSync_ || c.foreColor() != foreSource_) {
    foreSource_ = c.foreColor();
    fore_ = colorOf(foreSource_);
    looks = true;
  }
  const ControlFont& f = c.font();
  if (firstSync_ || f.face != fontSource_.face || f.size != fontSource_.size || f.bold != fontSource_.bold) {
    fontSource_ = f;
    font_ = fontOf(f);
    looks = true;
  }
  firstSync_ = false;
  syncContent(looks);
  accessibleChange();
}

void ControlView::syncContent(bool looks) {
  if (looks) update();
}

void ControlView::cancelPress() {
  pressed_ = false;
  update();
}

void ControlView::activate(QPoint) {
  routeEvent([this] { control_.playerClick(); });
}

void ControlView::reportMove(QPointF at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  const float x = static_cast<float>(at.x() * twipsPerPixel_);
  const float y = static_cast<float>(at.y() * twipsPerPixel_);
  const int16_t button = buttonState(buttons), shift = shiftState(modifiers);
  routeEvent([&] { control_.playerMouseMove(button, shift, x, y); });
}

void ControlView::mouseMoveEvent(QMouseEvent* event) {
  reportMove(event->position(), event->buttons(), event->modifiers());
}

void ControlView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  update();
}

// A click is a left press and release on the same widget, like a button's.
void ControlView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  update();
  const QPoint at = event->position().toPoint();
  if (rect().contains(at)) activate(at);
}

}  // namespace qtview
