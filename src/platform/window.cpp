#include "platform/window.h"

#include "platform/numbers.h"

void FormWindow::setLeft(float v) {
  left_ = v;
  notify();
}

void FormWindow::setTop(float v) {
  top_ = v;
  notify();
}

void FormWindow::setWidth(float v) {
  width_ = v;
  notify();
}

void FormWindow::setHeight(float v) {
  height_ = v;
  notify();
}

void FormWindow::setWindowState(int state) {
  windowState_ = state;
  notify();
}

Control& FormWindow::control(int position) const {
  if (position < 0 || position >= count()) {
    throw ProgramError("Control position out of range " + std::to_string(position));
  }
  return *controls_[position];
}

void FormWindow::notify() {
  if (observer_) observer_->windowChanged();
}
