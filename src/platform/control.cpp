#include "platform/control.h"

#include "platform/numbers.h"

Control::Control(ControlKind kind, std::string name, int index, std::string tag)
    : kind_(kind), name_(std::move(name)), index_(index), tag_(std::move(tag)) {}

bool Control::hasCaption() const {
  return kind_ != ControlKind::Grid && kind_ != ControlKind::ListBox && kind_ != ControlKind::Timer;
}

const std::string& Control::caption() const {
  if (!hasCaption()) throw ProgramError("Object doesn't support property Caption: " + name_);
  return caption_;
}

void Control::setCaption(const std::string& value) {
  if (!hasCaption()) throw ProgramError("Object doesn't support property Caption: " + name_);
  if (caption_ == value) return;
  caption_ = value;
  notify();
}

const ControlFont& Control::font() const {
  if (kind_ == ControlKind::Timer) throw ProgramError("Object doesn't support property FontSize: " + name_);
  return font_;
}

void Control::setFont(const ControlFont& value) {
  font_ = value;
  notify();
}

void Control::setFontSize(float value) {
  if (kind_ == ControlKind::Timer) throw ProgramError("Object doesn't support property FontSize: " + name_);
  font_.size = value;
  notify();
}

void Control::setBackColor(int32_t value) {
  if (backColor_ == value) return;
  backColor_ = value;
  notify();
}

void Control::setForeColor(int32_t value) {
  if (foreColor_ == value) return;
  foreColor_ = value;
  notify();
}

void Control::requireGeometry() const {
  if (kind_ == ControlKind::Timer) throw ProgramError("Object doesn't support this property: " + name_);
}

float Control::width() const {
  requireGeometry();
  return width_;
}

float Control::height() const {
  requireGeometry();
  return height_;
}

void Control::setLeft(float value) {
  if (left_ == value) return;
  left_ = value;
  notify();
}

void Control::setTop(float value) {
  if (top_ == value) return;
  top_ = value;
  notify();
}

void Control::setWidth(float value) {
  requireGeometry();
  if (width_ == value) return;
  width_ = value;
  notify();
}

void Control::setHeight(float value) {
  requireGeometry();
  if (height_ == value) return;
  height_ = value;
  notify();
}

void Control::setBounds(float left, float top, float width, float height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  notify();
}

void Control::setVisible(bool value) {
  if (visible_ == value) return;
  visible_ = value;
  notify();
}

void Control::click() {
  if (onClick_) onClick_();
}

void Control::mouseMove(int16_t button, int16_t shift, float x, float y) {
  if (onMouseMove_) onMouseMove_(button, shift, x, y);
}

void Control::fromPlayer(std::function<void()> action) {
  if (gate_) {
    gate_->submit(std::move(action));
  } else {
    action();
  }
}

void Control::playerClick() {
  fromPlayer([this] { click(); });
}

void Control::playerMouseMove(int16_t button, int16_t shift, float x, float y) {
  fromPlayer([=, this] { mouseMove(button, shift, x, y); });
}

void Control::notify() {
  if (observer_) observer_->controlChanged(*this);
}

OptionControl::OptionControl(std::string name, int index, std::string tag)
    : Control(ControlKind::OptionButton, std::move(name), index, std::move(tag)) {}

void OptionControl::joinGroup(OptionControl* other) {
  std::swap(next_, other->next_);
}

void OptionControl::setValue(bool value) {
  if (value_ == value) return;
  value_ = value;
  if (value) {
    for (OptionControl* o = next_; o != this; o = o->next_) {
      if (o->value_) {
        o->value_ = false;
        o->notify();
      }
    }
  }
  notify();
  if (value) click();
}

void OptionControl::playerClick() {
  fromPlayer([this] { setValue(true); });
}

void OptionControl::select() {
  if (value_) {
    click();
  } else {
    setValue(true);
  }
}

TimerControl::TimerControl(std::string name, std::string tag)
    : Control(ControlKind::Timer, std::move(name), -1, std::move(tag)) {}

void TimerControl::setEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  notify();
}

void TimerControl::setInterval(int ms) {
  if (interval_ == ms) return;
  interval_ = ms;
  notify();
}

void TimerControl::tick() {
  const auto fire = [this] {
    if (enabled_ && onTimer_) onTimer_();
  };
  if (gate()) {
    gate()->tick(fire);
  } else {
    fire();
  }
}
