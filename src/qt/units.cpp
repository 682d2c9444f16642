#include "qt/units.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace qtview {

double screenTwipsPerPixel() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
  return dpi > 0 ? 1440.0 / dpi : 15.0;
}

QRect pixelRect(float left, float top, float width, float height, double twipsPerPixel) {
  const auto px = [twipsPerPixel](double twips) { return static_cast<int>(std::lround(twips / twipsPerPixel)); };
  const int x0 = px(left), y0 = px(top);
  const int x1 = px(static_cast<double>(left) + width), y1 = px(static_cast<double>(top) + height);
  return QRect(x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0));
}

QColor colorOf(int32_t value) {
  if (value < 0) {
    switch (value & 0xFF) {
      case 5:  // window background
        return QColor(255, 255, 255);
      case 15:  // button face
        return QColor(240, 240, 240);
      case 16:  // button shadow
        return QColor(160, 160, 160);
      default:  // window text, button text and the rest: black is the safe choice
        return QColor(0, 0, 0);
    }
  }
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QFont fontOf(const ControlFont& font) {
  QFont f(QString::fromLatin1(font.face.c_str()));
  if (font.size > 0) f.setPointSizeF(font.size);
  f.setBold(font.bold);
  return f;
}

QString textOf(const std::string& caption) {
  QString text = QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size()));
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

int16_t buttonState(Qt::MouseButtons buttons) {
  int16_t state = 0;
  if (buttons & Qt::LeftButton) state |= 1;
  if (buttons & Qt::RightButton) state |= 2;
  if (buttons & Qt::MiddleButton) state |= 4;
  return state;
}

int16_t shiftState(Qt::KeyboardModifiers modifiers) {
  int16_t state = 0;
  if (modifiers & Qt::ShiftModifier) state |= 1;
  if (modifiers & Qt::ControlModifier) state |= 2;
  if (modifiers & Qt::AltModifier) state |= 4;
  return state;
}

Qt::CursorShape cursorOf(int16_t shape) {
  switch (shape) {
    case 7: return Qt::SizeVerCursor;
    case 9: return Qt::SizeHorCursor;
    case 12: return Qt::ForbiddenCursor;
    case 15: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
  }
}

}  // namespace qtview
