#include "qt/simple_views.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace qtview {

namespace {

const QColor kBorder(64, 64, 64);

}  // namespace

void ButtonView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect();
  p.fillRect(r, back_);
  p.setPen(kBorder);
  p.drawRect(r.adjusted(0, 0, -1, -1));
  // Pressed: a second border line and the caption one pixel down and right.
  const int shift = pressed() ? 1 : 0;
  if (pressed()) p.drawRect(r.adjusted(1, 1, -2, -2));
  if (caption_.trimmed().isEmpty()) return;
  p.setFont(font_);
  p.setPen(fore_);
  p.drawText(r.adjusted(2 + shift, 2 + shift, -2 + shift, -2 + shift), Qt::AlignCenter | Qt::TextWordWrap, caption_);
}

void LabelView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect();
  p.fillRect(r, back_);
  p.setPen(Qt::black);
  p.drawRect(r.adjusted(0, 0, -1, -1));
  if (caption_.trimmed().isEmpty()) return;
  p.setFont(font_);
  p.setPen(fore_);
  p.drawText(r.adjusted(2, 1, -2, -1), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, caption_);
}

OptionView::OptionView(OptionControl& option, double twipsPerPixel, QWidget* parent)
    : ControlView(option, twipsPerPixel, parent), option_(option) {}

// Value is not one of the common properties: repaint when it flips.
void OptionView::syncContent(bool looks) {
  if (looks || option_.value() != shownValue_) {
    shownValue_ = option_.value();
    update();
  }
}

void OptionView::activate(QPoint) {
  routeEvent([this] { option_.playerClick(); });
}

void OptionView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect();
  p.fillRect(r, back_);
  p.setRenderHint(QPainter::Antialiasing);
  // The indicator grows with the caption's font, which follows the screen.
  const int d = std::clamp(QFontMetrics(font_).ascent() * 3 / 4, 10, std::max(10, r.height() - 4));
  const QRectF dot(3.5, (r.height() - d) / 2.0 + 0.5, d - 1, d - 1);
  p.setPen(QPen(kBorder, 1));
  p.setBrush(Qt::white);
  p.drawEllipse(dot);
  if (shownValue_) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const double inset = d / 4.0;
    p.drawEllipse(dot.adjusted(inset, inset, -inset, -inset));
  }
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setFont(font_);
  p.setPen(fore_);
  p.drawText(r.adjusted(d + 8, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, caption_);
}

}  // namespace qtview
