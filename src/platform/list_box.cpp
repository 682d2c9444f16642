#include "platform/list_box.h"

#include <algorithm>

#include "platform/numbers.h"

ListBoxControl::ListBoxControl(std::string name, std::string tag)
    : Control(ControlKind::ListBox, std::move(name), -1, std::move(tag)) {}

void ListBoxControl::clear() {
  items_.clear();
  data_.clear();
  listIndex_ = -1;
  notify();
}

void ListBoxControl::addItem(const std::string& item, int data) {
  items_.push_back(item);
  data_.push_back(data);
  notify();
}

int ListBoxControl::checked(int i) const {
  if (i < 0 || i >= listCount()) throw ProgramError("Invalid list index " + std::to_string(i));
  return i;
}

const std::string& ListBoxControl::list(int i) const { return items_[checked(i)]; }

int ListBoxControl::itemData(int i) const { return data_[checked(i)]; }

void ListBoxControl::setListIndex(int i) {
  if (i != -1) checked(i);
  listIndex_ = i;
  notify();
  if (i >= 0) click();
}

void ListBoxControl::playerSelect(int i) {
  fromPlayer([this, i] {
    // An entry chosen while the program was busy may be gone since.
    if (i >= 0 && i < listCount()) setListIndex(i);
  });
}

void ListBoxControl::playerKey(ListKey key, int pageRows) {
  // Worked out when its turn comes, so that keys pressed while the program
  // was busy go on from the entry the earlier ones chose.
  fromPlayer([this, key, pageRows] {
    const int last = listCount() - 1, page = std::max(1, pageRows - 1);
    if (last < 0) return;
    int to = listIndex_;
    switch (key) {
      case ListKey::Up: to -= 1; break;
      case ListKey::Down: to += 1; break;
      case ListKey::PageUp: to -= page; break;
      case ListKey::PageDown: to += page; break;
      case ListKey::Home: to = 0; break;
      case ListKey::End: to = last; break;
    }
    to = std::clamp(to, 0, last);
    if (to != listIndex_) playerSelect(to);
  });
}
