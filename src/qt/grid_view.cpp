#include "qt/grid_view.h"

#include <QPainter>
#include <QPen>
#include <climits>
#include <cmath>
#include <vector>

#include "qt/units.h"

namespace qtview {

namespace {

const QColor kGridLine(160, 160, 160);
const QColor kOutside(128, 128, 128);  // the area right of and below the cells

// Pixel edges of consecutive cells: rounding the running twips total keeps
// every cell where a button placed at the same twips lands.
std::vector<int> pixelEdges(int count, int (GridControl::*size)(int) const, const GridControl& grid,
                            double twipsPerPixel, int limit) {
  std::vector<int> edges{0};
  double twips = 0;
  for (int i = 0; i < count && edges.back() < limit; ++i) {
    twips += (grid.*size)(i);
    edges.push_back(static_cast<int>(std::lround(twips / twipsPerPixel)));
  }
  return edges;
}

// A thick outline filling its widget.
class CellCursor : public QWidget {
 public:
  explicit CellCursor(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QPen(QColor(230, 0, 120), 3));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
  }
};

}  // namespace

GridView::GridView(GridControl& grid, double twipsPerPixel, QWidget* parent)
    : ControlView(grid, twipsPerPixel, parent), grid_(grid), cursor_(new CellCursor(parent)) {}

// Cells, sizes and texts change without touching the common properties.
void GridView::syncContent(bool) {
  update();
  const int r = grid_.markRow(), c = grid_.markCol();
  if (r < 0 || c < 0 || !isVisible()) {
    cursor_->hide();
    return;
  }
  cursor_->setGeometry(cellRect(r, c).translated(pos()).adjusted(-1, -1, 1, 1));
  cursor_->show();
  cursor_->raise();
}

QRect GridView::cellRect(int row, int col) const {
  const std::vector<int> ys = pixelEdges(row + 1, &GridControl::rowHeight, grid_, twipsPerPixel(), INT_MAX);
  const std::vector<int> xs = pixelEdges(col + 1, &GridControl::colWidth, grid_, twipsPerPixel(), INT_MAX);
  return {xs[col], ys[row], xs[col + 1] - xs[col], ys[row + 1] - ys[row]};
}

void GridView::activate(QPoint at) {
  // The centre of the pixel decides, as it does for the drawn cell edges.
  const float x = static_cast<float>((at.x() + 0.5) * twipsPerPixel());
  const float y = static_cast<float>((at.y() + 0.5) * twipsPerPixel());
  const int row = grid_.rowAt(y), col = grid_.colAt(x);
  if (row < 0 || col < 0) return;
  routeEvent([&] { grid_.playerClickCell(row, col); });
}

void GridView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), kOutside);
  const std::vector<int> ys = pixelEdges(grid_.rows(), &GridControl::rowHeight, grid_, twipsPerPixel(), height());
  const std::vector<int> xs = pixelEdges(grid_.cols(), &GridControl::colWidth, grid_, twipsPerPixel(), width());
  p.setFont(font_);
  for (size_t r = 0; r + 1 < ys.size(); ++r) {
    for (size_t c = 0; c + 1 < xs.size(); ++c) {
      const QRect cell(xs[c], ys[r], xs[c + 1] - xs[c], ys[r + 1] - ys[r]);
      if (cell.isEmpty()) continue;
      const int row = static_cast<int>(r), col = static_cast<int>(c);
      p.fillRect(cell, colorOf(grid_.backColorAt(row, col)));
      p.setPen(kGridLine);
      p.drawLine(cell.topRight(), cell.bottomRight());
      p.drawLine(cell.bottomLeft(), cell.bottomRight());
      const std::string& text = grid_.textAt(row, col);
      if (text.empty()) continue;
      p.setPen(fore_);
      p.drawText(cell.adjusted(1, 0, -2, -1), Qt::AlignCenter, textOf(text));
    }
  }
  p.setPen(Qt::black);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace qtview
