#include "qt/list_view.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <map>

#include "qt/units.h"

namespace qtview {

namespace {

constexpr int kBar = 16;  // the scroll bar's width and its arrows' height, pixels
const QColor kFrame(64, 64, 64), kHighlight(48, 140, 198), kTrack(232, 232, 232), kThumb(188, 188, 188);

}  // namespace

ListView::ListView(ListBoxControl& list, double twipsPerPixel, QWidget* parent)
    : ControlView(list, twipsPerPixel, parent), list_(list) {
  // The one control that takes the keyboard: the window's focus rests here.
  setFocusPolicy(Qt::StrongFocus);
}

int ListView::rowHeight() const { return std::max(1, QFontMetrics(font_).height()); }

int ListView::pageRows() const { return std::max(1, (height() - 2) / rowHeight()); }

bool ListView::scrollable() const { return list_.listCount() > pageRows(); }

QRect ListView::barRect() const { return scrollable() ? QRect(width() - 1 - kBar, 1, kBar, height() - 2) : QRect(); }

QRect ListView::trackRect() const { return barRect().adjusted(0, kBar, 0, -kBar); }

QRect ListView::thumbRect() const {
  const QRect track = trackRect();
  const int count = list_.listCount(), range = count - pageRows();
  if (track.height() <= 0 || range <= 0) return {};
  const int h = std::max(8, track.height() * pageRows() / count);
  return {track.left(), track.top() + (track.height() - h) * first_ / range, track.width(), h};
}

void ListView::scrollTo(int first) {
  first = std::clamp(first, 0, std::max(0, list_.listCount() - pageRows()));
  if (first == first_) return;
  first_ = first;
  update();
}

void ListView::syncContent(bool) {
  // A newly selected entry comes into sight, as in any list box.
  const int index = list_.listIndex();
  if (index != shownIndex_) {
    shownIndex_ = index;
    if (index >= 0 && index < first_) first_ = index;
    if (index >= first_ + pageRows()) first_ = index - pageRows() + 1;
  }
  first_ = std::clamp(first_, 0, std::max(0, list_.listCount() - pageRows()));
  update();
}

QRect ListView::itemRect(int i) const {
  const int y = 1 + (i - first_) * rowHeight();
  if (i < first_ || i >= list_.listCount() || y >= height() - 1) return {};
  const int right = scrollable() ? barRect().left() : width() - 1;
  return {1, y, right - 1, rowHeight()};
}

void ListView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), back_);
  p.setFont(font_);
  for (int i = first_;; ++i) {
    const QRect row = itemRect(i);
    if (row.isEmpty()) break;
    const bool selected = i == list_.listIndex();
    if (selected) p.fillRect(row, kHighlight);
    p.setPen(selected ? QColor(Qt::white) : fore_);
    p.drawText(row.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, textOf(list_.list(i)));
  }
  if (scrollable()) {
    const QRect bar = barRect();
    p.fillRect(bar, kTrack);
    p.fillRect(thumbRect().adjusted(1, 1, -1, -1), kThumb);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kFrame);
    const double x = bar.left() + kBar / 2.0;
    const QPointF up[] = {{x - 4, bar.top() + 10.0}, {x + 4, bar.top() + 10.0}, {x, bar.top() + 5.0}};
    const QPointF down[] = {{x - 4, bar.bottom() - 9.0}, {x + 4, bar.bottom() - 9.0}, {x, bar.bottom() - 4.0}};
    p.drawPolygon(up, 3);
    p.drawPolygon(down, 3);
    p.setRenderHint(QPainter::Antialiasing, false);
  }
  p.setPen(kFrame);
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  if (hasFocus()) {
    // The arrows and page keys go to the list, not to the game: say so.
    p.setPen(QPen(kHighlight, 2, Qt::DashLine));
    p.drawRect(rect().adjusted(2, 2, -2, -2));
  }
}

// A click on an entry chooses it; the scroll bar only scrolls.
void ListView::activate(QPoint at) {
  if (scrollable() && at.x() >= barRect().left()) return;
  const int row = first_ + (at.y() - 1) / rowHeight();
  if (at.y() >= 1 && row < list_.listCount()) routeEvent([this, row] { list_.playerSelect(row); });
}

void ListView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() != Qt::LeftButton || !barRect().contains(at)) {
    ControlView::mousePressEvent(event);
    return;
  }
  const QRect track = trackRect(), thumb = thumbRect();
  if (at.y() < track.top()) {
    scrollTo(first_ - 1);
  } else if (at.y() > track.bottom()) {
    scrollTo(first_ + 1);
  } else if (at.y() < thumb.top()) {
    scrollTo(first_ - pageRows());
  } else if (at.y() > thumb.bottom()) {
    scrollTo(first_ + pageRows());
  } else {
    dragFrom_ = at.y();
    dragFirst_ = first_;
  }
}

void ListView::mouseMoveEvent(QMouseEvent* event) {
  const int travel = trackRect().height() - thumbRect().height();
  if (dragFrom_ >= 0 && travel > 0) {
    const double rows = (event->position().y() - dragFrom_) * (list_.listCount() - pageRows()) / travel;
    scrollTo(dragFirst_ + static_cast<int>(std::lround(rows)));
  }
  ControlView::mouseMoveEvent(event);
}

void ListView::mouseReleaseEvent(QMouseEvent* event) {
  dragFrom_ = -1;
  ControlView::mouseReleaseEvent(event);
}

void ListView::wheelEvent(QWheelEvent* event) {
  // Three entries a notch of 120, the fine steps of a touchpad summed up.
  wheelRest_ += event->angleDelta().y();
  const int notches = wheelRest_ / 120;
  wheelRest_ -= notches * 120;
  scrollTo(first_ - 3 * notches);
}

void ListView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && parentWidget()) {
    parentWidget()->setFocus(Qt::OtherFocusReason);  // the keys back to the game
    return;
  }
  static const std::map<int, ListKey> kKeys = {
      {Qt::Key_Up, ListKey::Up},   {Qt::Key_Down, ListKey::Down}, {Qt::Key_PageUp, ListKey::PageUp},
      {Qt::Key_PageDown, ListKey::PageDown}, {Qt::Key_Home, ListKey::Home}, {Qt::Key_End, ListKey::End}};
  const auto found = kKeys.find(event->key());
  if (found == kKeys.end()) {
    ControlView::keyPressEvent(event);
    return;
  }
  routeEvent([this, key = found->second, rows = pageRows()] { list_.playerKey(key, rows); });
}

}  // namespace qtview
