// The window for screen readers, through Qt's accessibility bridge: every
// control with its role, name, description and states. The words come from
// the game (Form1's Describe functions); the classes here only translate
// them into roles, states and events.
//
// The tree: a frame holding the action keys, the two square counts, the
// size list with its entries, one push button per tile in play, the box as
// a table of squares, the selected tile's shape as a table, the labels and,
// while it shows, the caption strip. The cell cursor and the selected tile
// are the accessible focus.
#pragma once

#include <QAccessible>
#include <QPointer>
#include <QRect>
#include <QString>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class Control;
class Form1;
class QWidget;

namespace qtview {

class FormView;
class GridView;

// Call once, before the window's widgets are built.
void installAccessibility(Form1& form);

// Something the window shows has changed. With a screen reader listening,
// names, states and the focus are compared with what it was last told on
// the next turn of the event loop; without one this is a flag test.
void accessibleChange();

namespace a11y {

// Sends an event about an interface, virtual or backed by a widget.
void post(QAccessibleInterface* iface, QAccessible::Event type);
void postState(QAccessibleInterface* iface, QAccessible::State changed);

// A widget's rectangle on the screen; empty while it is hidden.
QRect screenRect(const QWidget* widget);

// The items that have no widget of their own (tiles, list entries, cells)
// are created once, on first asking, and kept by Qt's registry.
template <typename Item, typename... Args>
QAccessibleInterface* kept(std::map<int, QAccessible::Id>& ids, int key, Args&&... args) {
  const auto found = ids.find(key);
  if (found != ids.end()) return QAccessible::accessibleInterface(found->second);
  QAccessibleInterface* item = new Item(std::forward<Args>(args)...);
  ids[key] = QAccessible::registerAccessibleInterface(item);
  return item;
}
void release(std::map<int, QAccessible::Id>& ids);

// What the interfaces share: the game, the window, and the accessible focus.
class Game {
 public:
  explicit Game(Form1& form) : form(form) {}

  Form1& form;
  QPointer<FormView> view;  // set when the window's interface is made

  QWidget* widgetOf(const Control& control);
  // The frame's children in their order.
  std::vector<QAccessibleInterface*> children();
  QAccessibleInterface* tile(int tile);
  QAccessibleInterface* box();
  QAccessibleInterface* shape();

  // The tile or box cell the player is at; null when neither.
  QAccessibleInterface* focus() const { return focus_; }
  void forget(QAccessibleInterface* iface);  // it is being deleted

  void changed();

 private:
  struct Told {
    QString name, description;
    bool checked = false, selected = false;
  };
  void refresh();
  void tell(QAccessibleInterface* iface, bool announce);
  void moveFocus(bool announce);

  std::unordered_map<const Control*, QPointer<QWidget>> widgets_;
  std::map<int, QAccessible::Id> tiles_;
  QAccessibleInterface* shape_ = nullptr;
  QAccessibleInterface* focus_ = nullptr;
  bool pending_ = false, primed_ = false;
  std::unordered_map<QAccessibleInterface*, Told> told_;
  // What the accessible focus last followed.
  int shownSquares_ = 0, shownSize_ = -1, shownTile_ = -1, shownRow_ = -1, shownCol_ = -1;
};

Game* game();  // null until installed

// Whether the window shows. Once it has closed nothing is asked of the game:
// the window and the game are taken down soon after.
bool windowAlive();

// The box as a table of its squares, and the selected tile's shape as one.
QAccessibleInterface* makeBoxAccessible(GridView* view);
QAccessibleInterface* makeShapeAccessible();

// One line of a caption or label: line breaks and runs of blanks as one blank.
QString oneLine(const std::string& text);

}  // namespace a11y
}  // namespace qtview
