#include "qt/list_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <map>

#include "qt/units.h"

namespace qtview {

ListView::ListView(ListBoxControl& list, double twipsPerPixel, QWidget* parent)
    : ControlView(list, twipsPerPixel, parent), list_(list), items_(new QListWidget(this)) {
  // The one control that takes the keyboard: the window's focus rests here.
  items_->setFocusPolicy(Qt::StrongFocus);
  items_->setSelectionMode(QAbstractItemView::SingleSelection);
  items_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The pointer moves reach the list's parts, not this widget: watch them all.
  for (QWidget* part : {static_cast<QWidget*>(items_), items_->viewport(),
                        static_cast<QWidget*>(items_->verticalScrollBar())}) {
    part->setMouseTracking(true);
    part->installEventFilter(this);
  }
  QObject::connect(items_, &QListWidget::clicked, this, [this](const QModelIndex& index) {
    if (index.isValid()) routeEvent([this, row = index.row()] { list_.playerSelect(row); });
  });
}

void ListView::resizeEvent(QResizeEvent*) { items_->setGeometry(rect()); }

bool ListView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched == items_) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return false;
    static const std::map<int, ListKey> kKeys = {
        {Qt::Key_Up, ListKey::Up},         {Qt::Key_Down, ListKey::Down}, {Qt::Key_PageUp, ListKey::PageUp},
        {Qt::Key_PageDown, ListKey::PageDown}, {Qt::Key_Home, ListKey::Home}, {Qt::Key_End, ListKey::End}};
    if (const auto found = kKeys.find(key); found != kKeys.end()) {
      const int rows = items_->viewport()->height() / std::max(1, items_->sizeHintForRow(0));
      routeEvent([this, k = found->second, rows] { list_.playerKey(k, rows); });
    }
    // Every other key too stops here: the widget must never change the
    // selection behind the program's back (type-ahead, space).
    return true;
  }
  if (event->type() == QEvent::MouseMove) {
    auto* part = static_cast<QWidget*>(watched);
    const auto* move = static_cast<QMouseEvent*>(event);
    reportMove(part->mapTo(this, move->position()), move->buttons(), move->modifiers());
  }
  return false;
}

void ListView::syncContent(bool looks) {
  const QSignalBlocker blocker(items_);
  if (looks) {
    items_->setFont(font_);
    QPalette palette = items_->palette();
    palette.setColor(QPalette::Base, back_);
    palette.setColor(QPalette::Text, fore_);
    items_->setPalette(palette);
  }

  // Items are only ever appended or cleared by the program: keep the common
  // prefix and rebuild the rest.
  const int count = list_.listCount();
  int same = 0;
  while (same < count && same < items_->count() && items_->item(same)->text() == textOf(list_.list(same))) ++same;
  while (items_->count() > same) delete items_->takeItem(items_->count() - 1);
  for (int i = same; i < count; ++i) items_->addItem(textOf(list_.list(i)));

  const int index = list_.listIndex();
  if (items_->currentRow() != index || (index >= 0 && !items_->item(index)->isSelected())) {
    if (index < 0) {
      items_->setCurrentRow(-1);
      items_->clearSelection();
    } else {
      items_->setCurrentRow(index);
      items_->scrollToItem(items_->item(index));
    }
  }
}

}  // namespace qtview
