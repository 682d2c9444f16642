#include "qt/accessible.h"

#include <QAccessibleWidget>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "app/form1.h"
#include "qt/control_view.h"
#include "qt/form_view.h"
#include "qt/grid_view.h"
#include "qt/list_view.h"
#include "qt/units.h"

namespace qtview {
namespace a11y {

namespace {

Game* theGame = nullptr;

Game& g() { return *theGame; }

// The window: a frame whose children are the controls a player uses, not
// the hundreds of widgets that draw them.
class FormAccessible : public QAccessibleWidget {
 public:
  explicit FormAccessible(FormView* view) : QAccessibleWidget(view, QAccessible::Window) {}
  ~FormAccessible() override { g().forget(this); }

  int childCount() const override { return static_cast<int>(g().children().size()); }
  QAccessibleInterface* child(int index) const override {
    const auto children = g().children();
    return index >= 0 && index < static_cast<int>(children.size()) ? children[index] : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto children = g().children();
    const auto found = std::find(children.begin(), children.end(), child);
    return found == children.end() ? -1 : static_cast<int>(found - children.begin());
  }
  QAccessibleInterface* focusChild() const override {
    return g().focus() ? g().focus() : QAccessibleWidget::focusChild();
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? widget()->windowTitle() : QString();
  }
};

QAccessible::Role roleOf(const Control& control) {
  switch (control.kind()) {
    case ControlKind::OptionButton:
      return QAccessible::RadioButton;
    case ControlKind::Label:
      return QAccessible::StaticText;
    default:
      return QAccessible::Button;
  }
}

// An action key, a square count or a label: named by its caption.
class ControlAccessible : public QAccessibleWidget {
 public:
  explicit ControlAccessible(ControlView* view)
      : QAccessibleWidget(view, roleOf(view->control())), control_(view->control()) {}
  ~ControlAccessible() override { g().forget(this); }

  QString text(QAccessible::Text t) const override {
    if (!windowAlive() || !control_.hasCaption()) return {};
    if (t == QAccessible::Name) return oneLine(control_.caption());
    if (t == QAccessible::Description && control_.name() == "ComKey") {
      return oneLine(g().form.KeyTip(static_cast<int16_t>(control_.index())));
    }
    return {};
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (control_.kind() == ControlKind::OptionButton) {
      s.checkable = true;
      s.checked = static_cast<const OptionControl&>(control_).value();
      s.focusable = true;
      s.focused = g().focus() == this;
    }
    return s;
  }
  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (control_.kind() != ControlKind::Label) names.prepend(pressAction());
    return names;
  }
  void doAction(const QString& name) override {
    if (name == pressAction() && control_.kind() != ControlKind::Label) {
      routeEvent([this] { control_.playerClick(); });
    } else {
      QAccessibleWidget::doAction(name);
    }
  }

 private:
  Control& control_;
};

// The caption strip of a running video: a label holding the sentence.
class SubtitleAccessible : public QAccessibleWidget {
 public:
  explicit SubtitleAccessible(QWidget* strip) : QAccessibleWidget(strip, QAccessible::StaticText) {}
  ~SubtitleAccessible() override { g().forget(this); }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && windowAlive() ? oneLine(g().form.window.subtitle()) : QString();
  }
};

// Something a player uses that has no widget of its own.
class Item : public QAccessibleInterface {
 public:
  ~Item() override {
    if (theGame) g().forget(this);
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return windowAlive() ? g().view->windowHandle() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
};

// One tile of the palette, wherever it stands: "Tile 7", described by its
// shape and its place. Pressing it selects it, as a click on it would.
class TileAccessible : public Item, public QAccessibleActionInterface {
 public:
  explicit TileAccessible(int tile) : tile_(tile) {}

  bool isValid() const override { return windowAlive() && tile_ <= g().form.LastTile; }
  QAccessibleInterface* parent() const override {
    return windowAlive() ? QAccessible::queryAccessibleInterface(g().view.data()) : nullptr;
  }
  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    Form1& form = g().form;
    if (t == QAccessible::Name) return QStringLiteral("Tile %1").arg(tile_);
    if (t == QAccessible::Description) return textOf(form.DescribeShape(tile_) + ", " + form.DescribePlace(tile_));
    return {};
  }
  // Where its squares show: the palette or the box, else the display of the selected tile.
  QRect rect() const override {
    if (!isValid()) return {};
    Form1& form = g().form;
    for (int i = 0; i < form.TileSquares; ++i) {
      const QRect r = screenRect(g().widgetOf(form.ComTile(tile_ * form.TileSquares + i)));
      if (!r.isEmpty()) return r;
    }
    return form.TileSelected && form.CurTile == tile_ ? screenRect(g().widgetOf(form.ComBT(0))) : QRect();
  }
  QAccessible::Role role() const override { return QAccessible::Button; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.invisible = !isValid();
    s.focusable = true;
    s.focused = g().focus() == this;
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name != pressAction() || !isValid()) return;
    Form1& form = g().form;
    routeEvent([&] { form.ComTile(tile_ * form.TileSquares).playerClick(); });
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  int tile_;
};

// An entry of the size list: named by its text, selected while chosen.
class ListItemAccessible : public Item {
 public:
  ListItemAccessible(int index, ListView* list) : index_(index), list_(list) {}

  bool isValid() const override { return windowAlive() && list_ && index_ < entries().listCount(); }
  QAccessibleInterface* parent() const override {
    return list_ ? QAccessible::queryAccessibleInterface(list_.data()) : nullptr;
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && isValid() ? textOf(entries().list(index_)).trimmed() : QString();
  }
  QRect rect() const override {
    if (!isValid() || !list_->isVisible()) return {};
    const QRect r = list_->itemRect(index_);
    return r.isEmpty() ? r : QRect(list_->mapToGlobal(r.topLeft()), r.size());
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.invisible = !isValid();
    s.selectable = true;
    s.selected = isValid() && entries().listIndex() == index_;
    s.focusable = true;
    s.focused = g().focus() == this;
    s.offscreen = rect().isEmpty();
    return s;
  }

 private:
  const ListBoxControl& entries() const { return static_cast<const ListBoxControl&>(list_->control()); }
  int index_;
  QPointer<ListView> list_;
};

// The size list: its entries are its children.
class ListAccessible : public QAccessibleWidget {
 public:
  explicit ListAccessible(ListView* list)
      : QAccessibleWidget(list, QAccessible::List), list_(static_cast<ListBoxControl&>(list->control())) {}
  ~ListAccessible() override {
    g().forget(this);
    release(items_);
  }

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? QStringLiteral("Box size") : QString();
  }
  int childCount() const override { return list_.listCount(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= list_.listCount()) return nullptr;
    return kept<ListItemAccessible>(items_, index, index, static_cast<ListView*>(widget()));
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (const auto& [index, id] : items_) {
      if (QAccessible::accessibleInterface(id) == child) return index < list_.listCount() ? index : -1;
    }
    return -1;
  }

 private:
  const ListBoxControl& list_;
  mutable std::map<int, QAccessible::Id> items_;
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
  // The views are plain widgets to Qt's meta-objects: asked once, as QWidget.
  if (!theGame || className != QLatin1String("QWidget")) return nullptr;
  if (auto* form = dynamic_cast<FormView*>(object)) {
    g().view = form;
    return new FormAccessible(form);
  }
  if (auto* grid = dynamic_cast<GridView*>(object)) return makeBoxAccessible(grid);
  if (auto* list = dynamic_cast<ListView*>(object)) return new ListAccessible(list);
  if (auto* view = dynamic_cast<ControlView*>(object)) return new ControlAccessible(view);
  if (g().view && object == g().view->subtitle()) return new SubtitleAccessible(g().view->subtitle());
  return nullptr;
}

}  // namespace

Game* game() { return theGame; }

bool windowAlive() { return theGame && theGame->view && theGame->view->isVisible(); }

QString oneLine(const std::string& text) { return textOf(text).simplified(); }

QRect screenRect(const QWidget* widget) {
  if (!widget || !widget->isVisible()) return {};
  return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
}

// An event of the interface's widget, or of the interface itself where it
// has none (a cell of a table).
template <class Event, class Detail>
void post(QAccessibleInterface* iface, Detail detail) {
  if (QObject* object = iface->object()) {
    Event event(object, detail);
    QAccessible::updateAccessibility(&event);
  } else {
    Event event(iface, detail);
    QAccessible::updateAccessibility(&event);
  }
}

void release(std::map<int, QAccessible::Id>& ids) {
  for (const auto& [key, id] : ids) QAccessible::deleteAccessibleInterface(id);
  ids.clear();
}

QWidget* Game::widgetOf(const Control& control) {
  if (widgets_.empty() && view) {
    for (int k = 0; k < form.window.count(); ++k) {
      if (ControlView* v = view->controlView(k)) widgets_[&v->control()] = v;
    }
  }
  const auto found = widgets_.find(&control);
  return found == widgets_.end() ? nullptr : found->second;
}

std::vector<QAccessibleInterface*> Game::children() {
  std::vector<QAccessibleInterface*> list;
  if (!windowAlive()) return list;
  const auto add = [&](QAccessibleInterface* iface) {
    if (iface) list.push_back(iface);
  };
  const auto addControl = [&](const Control& c) {
    if (QWidget* w = widgetOf(c)) add(QAccessible::queryAccessibleInterface(w));
  };
  for (int i = 0; i < 12; ++i) addControl(form.ComKey(i));
  addControl(form.OptSq(0));
  addControl(form.OptSq(1));
  addControl(form.ListBoxSize());
  for (int t = 0; t <= form.LastTile; ++t) add(tile(t));
  add(box());
  add(shape());
  // Each caption label before the value it names, the information label last.
  for (Control* c :
       {&form.LabT(), &form.LabTNo(), &form.LabTL(), &form.LabTLines(), &form.LabTC(), &form.LabTCols(), &form.LabBS(),
        &form.LabBSq(), &form.LabBL(), &form.LabBLine(), &form.LabBC(), &form.LabBCol(), &form.LabTip()}) {
    addControl(*c);
  }
  if (view->subtitle()->isVisible()) add(QAccessible::queryAccessibleInterface(view->subtitle()));
  return list;
}

QAccessibleInterface* Game::tile(int tile) {
  return tile >= 0 && tile <= form.LastTile ? kept<TileAccessible>(tiles_, tile, tile) : nullptr;
}

QAccessibleInterface* Game::box() {
  QWidget* grid = widgetOf(form.FlexBox());
  return grid ? QAccessible::queryAccessibleInterface(grid) : nullptr;
}

QAccessibleInterface* Game::shape() {
  if (!shape_) {
    shape_ = makeShapeAccessible();
    QAccessible::registerAccessibleInterface(shape_);
  }
  return shape_;
}

void Game::forget(QAccessibleInterface* iface) {
  told_.erase(iface);
  if (focus_ == iface) focus_ = nullptr;
  if (shape_ == iface) shape_ = nullptr;
}

void Game::changed() {
  if (pending_ || !windowAlive()) return;
  pending_ = true;
  // Once the handler has finished: a burst of changes is told once.
  QTimer::singleShot(0, view, [this] {
    pending_ = false;
    refresh();
  });
}

void Game::refresh() {
  if (!windowAlive()) return;
  // The first look only learns what is there.
  const bool announce = primed_;
  primed_ = true;
  // No event for children that come and go (tiles, cells, the caption):
  // Qt 6.4 signals them in a form AT-SPI clients drop, with a warning each.
  for (QAccessibleInterface* child : children()) {
    tell(child, announce);
    for (int i = 0; i < child->childCount(); ++i) {
      if (QAccessibleInterface* item = child->child(i)) tell(item, announce);
    }
  }
  moveFocus(announce);
}

void Game::tell(QAccessibleInterface* iface, bool announce) {
  const QAccessible::State state = iface->state();
  const Told now{iface->text(QAccessible::Name), iface->text(QAccessible::Description), bool(state.checked),
                 bool(state.selected)};
  const auto [at, added] = told_.try_emplace(iface, now);
  if (added) return;
  Told& was = at->second;
  if (announce) {
    if (now.name != was.name) post<QAccessibleEvent>(iface, QAccessible::NameChanged);
    if (now.description != was.description) post<QAccessibleEvent>(iface, QAccessible::DescriptionChanged);
    QAccessible::State changed;
    changed.checked = now.checked != was.checked;
    changed.selected = now.selected != was.selected;
    if (changed.checked || changed.selected) post<QAccessibleStateChangeEvent>(iface, changed);
  }
  was = now;
}

// The focus goes to what the player's last action chose: a square count,
// else a box size, else a tile, else a cell of the box.
void Game::moveFocus(bool announce) {
  const int squares = form.TileSquares, size = form.ListBoxSize().listIndex();
  const int selected = form.TileSelected ? form.CurTile : -1;
  const int row = form.FlexBox().markRow(), col = form.FlexBox().markCol();
  QAccessibleInterface* next = focus_;
  if (squares != shownSquares_) {
    QWidget* option = widgetOf(form.OptSq(squares == 6 ? 1 : 0));
    next = option ? QAccessible::queryAccessibleInterface(option) : nullptr;
  } else if (size != shownSize_ && size >= 0) {
    QWidget* list = widgetOf(form.ListBoxSize());
    next = list ? QAccessible::queryAccessibleInterface(list)->child(size) : nullptr;
  } else if (selected != shownTile_ && selected >= 0) {
    next = tile(selected);
  } else if ((row != shownRow_ || col != shownCol_) && row >= 0 && col >= 0) {
    QAccessibleInterface* table = box();
    next = table && table->tableInterface() ? table->tableInterface()->cellAt(row, col) : nullptr;
  }
  shownSquares_ = squares;
  shownSize_ = size;
  shownTile_ = selected;
  shownRow_ = row;
  shownCol_ = col;
  if (!announce || (next && !next->isValid())) next = nullptr;
  if (next == focus_) return;
  focus_ = next;
  if (focus_ && view->isActiveWindow()) post<QAccessibleEvent>(focus_, QAccessible::Focus);
}

}  // namespace a11y

void installAccessibility(Form1& form) {
  if (a11y::theGame) return;
  a11y::theGame = new a11y::Game(form);  // lives as long as Qt's registry of interfaces
  QAccessible::installFactory(a11y::factory);
}

void accessibleChange() {
  if (a11y::theGame && QAccessible::isActive()) a11y::theGame->changed();
}

}  // namespace qtview
