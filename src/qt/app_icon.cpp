#include "qt/app_icon.h"

#include <QPainter>
#include <QPixmap>

namespace qtview {

QImage appIconImage() {
  // A 4 x 4 box of 12-pixel squares filled by three tiles and one empty corner.
  struct Square {
    int col, row;
    QColor color;
  };
  const QColor yellow(255, 255, 0), red(255, 0, 0), blue(0, 128, 255), green(0, 192, 0);
  const Square squares[] = {
      {0, 0, yellow}, {1, 0, yellow}, {2, 0, yellow}, {3, 0, yellow}, {0, 1, yellow},
      {1, 1, red},    {2, 1, red},    {1, 2, red},    {1, 3, red},    {0, 2, red},
      {3, 1, blue},   {2, 2, blue},   {3, 2, blue},   {2, 3, blue},   {3, 3, blue},
      {0, 3, green},
  };
  QImage image(48, 48, QImage::Format_RGB32);
  image.fill(QColor(192, 255, 192));
  QPainter p(&image);
  p.setPen(QColor(64, 64, 64));
  for (const Square& s : squares) {
    p.setBrush(s.color);
    p.drawRect(s.col * 12, s.row * 12, 11, 11);
  }
  return image;
}

QIcon appIcon() { return QIcon(QPixmap::fromImage(appIconImage())); }

}  // namespace qtview
