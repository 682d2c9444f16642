// The window's icon, drawn in code: a few tiles of the palette's colours.
// The installed desktop icon is this picture too.
#pragma once

#include <QIcon>
#include <QImage>

namespace qtview {

QImage appIconImage();  // 48 x 48 pixels
QIcon appIcon();

}  // namespace qtview
