// The window's icon, drawn in code: a few tiles of the palette's colours.
#pragma once

#include <QIcon>

namespace qtview {

QIcon appIcon();

}  // namespace qtview
