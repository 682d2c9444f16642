// The window's icon, drawn in code: a few tiles of the palette's colours.
// The installed desktop icon is this picture too.
#pragma once

#include <QIcon>
#include <QImage>

namespace qtview {

// size x size pixels; sizes divisible by 4 draw every square alike.
QImage appIconImage(int size = 48);
QIcon appIcon();  // at 48, 128 and 256 pixels

}  // namespace qtview
