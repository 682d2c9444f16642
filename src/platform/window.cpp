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

int FormWindow::controlAt(float x, float y) const {
  for (int k = 0; k < count(); ++k) {
    const Control& c = *controls_[k];
    if (c.kind() == ControlKind::Timer || !c.visible()) continue;
    if (x >= c.left() && x < c.left() + c.width() && y >= c.top() && y < c.top() + c.height()) return k;
  }
  return -1;
}

void FormWindow::setSubtitle(const std::string& text) {
  if (subtitle_ == text) return;
  subtitle_ = text;
  notify();
}

void FormWindow::showPointer(int x, int y) {
  pointerShown_ = true;
  pointerX_ = x;
  pointerY_ = y;
  notify();
}

void FormWindow::hidePointer() {
  if (!pointerShown_) return;
  pointerShown_ = false;
  notify();
}

void FormWindow::showGhost(std::vector<GhostSquare> squares, float x, float y) {
  ghost_ = std::move(squares);
  moveGhost(x, y);
}

void FormWindow::moveGhost(float x, float y) {
  ghostX_ = x;
  ghostY_ = y;
  notify();
}

void FormWindow::hideGhost() {
  if (ghost_.empty()) return;
  ghost_.clear();
  notify();
}

void FormWindow::notify() {
  if (observer_) observer_->windowChanged();
}
