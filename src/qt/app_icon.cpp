#include "qt/app_icon.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>

namespace qtview {

QImage appIconImage(int size) {
  // A 4 x 4 box of squares filled by three tiles and one empty corner; each
  // square outlined a 48th of the icon wide, at least one pixel.
  struct Square {
    int col, row;
    QColor color;
  };
  const QColor yellow(255, 255, 0), red(255, 0, 0), blue(0, 128, 255), green(0, 192, 0), edge(64, 64, 64);
  const Square squares[] = {
      {0, 0, yellow}, {1, 0, yellow}, {2, 0, yellow}, {3, 0, yellow}, {0, 1, yellow},
      {1, 1, red},    {2, 1, red},    {1, 2, red},    {1, 3, red},    {0, 2, red},
      {3, 1, blue},   {2, 2, blue},   {3, 2, blue},   {2, 3, blue},   {3, 3, blue},
      {0, 3, green},
  };
  const int cell = size / 4, line = std::max(1, size / 48);
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(QColor(192, 255, 192));
  QPainter p(&image);
  for (const Square& s : squares) {
    p.fillRect(s.col * cell, s.row * cell, cell, cell, edge);
    p.fillRect(s.col * cell + line, s.row * cell + line, cell - 2 * line, cell - 2 * line, s.color);
  }
  return image;
}

QIcon appIcon() {
  QIcon icon;
  for (int size : {48, 128, 256}) icon.addPixmap(QPixmap::fromImage(appIconImage(size)));
  return icon;
}

}  // namespace qtview
