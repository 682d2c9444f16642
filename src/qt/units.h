// Conversions between the window model and Qt: twips and pixels, the
// program's 0x00BBGGRR colours, its fonts, captions and event states.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <cstdint>
#include <string>

#include "platform/control.h"

namespace qtview {

// Twips in one pixel of the primary screen: 1440 / logical DPI (15 at 96 DPI).
double screenTwipsPerPixel();

// A rectangle in twips as whole pixels. Both edges are rounded, so controls
// that touch in twips touch on the screen too.
QRect pixelRect(float left, float top, float width, float height, double twipsPerPixel);

// A 0x00BBGGRR colour; negative values are system colours (0x80000008, the
// window text, and the others the program may name).
QColor colorOf(int32_t value);

// Face, size in points and weight; a size of 0 keeps Qt's default size.
QFont fontOf(const ControlFont& font);

// A caption as Qt text: the program breaks lines with CR LF.
QString textOf(const std::string& caption);

// A pointer shape number as Qt's cursor; 0 and unknown shapes give the arrow.
Qt::CursorShape cursorOf(int16_t shape);

// Mouse button state (1 left, 2 right, 4 middle) and shift state (1 Shift,
// 2 Ctrl, 4 Alt) as the handlers expect them.
int16_t buttonState(Qt::MouseButtons buttons);
int16_t shiftState(Qt::KeyboardModifiers modifiers);

}  // namespace qtview
