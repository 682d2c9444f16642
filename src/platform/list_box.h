// A list box: items, and a ListIndex whose setting by the program raises the
// list's Click before the setter returns.
#pragma once

#include <string>
#include <vector>

#include "platform/control.h"

// The keys a list box answers.
enum class ListKey { Up, Down, PageUp, PageDown, Home, End };

class ListBoxControl : public Control {
 public:
  ListBoxControl(std::string name, std::string tag);
  void clear();
  // data is the entry's ItemData: a number the program keeps with it.
  void addItem(const std::string& item, int data = 0);
  int listCount() const { return static_cast<int>(items_.size()); }
  const std::string& list(int i) const;
  int itemData(int i) const;
  int listIndex() const { return listIndex_; }
  // -1 deselects silently; a valid index selects and raises Click.
  void setListIndex(int i);
  // The player's choice of an entry.
  void playerSelect(int i);
  // The player's key: chooses the entry it leads to as a click would, or
  // nothing at either end. A page is `pageRows` entries, the rows shown.
  void playerKey(ListKey key, int pageRows);

 private:
  int checked(int i) const;  // i, or an error when no entry has it
  std::vector<std::string> items_;
  std::vector<int> data_;
  int listIndex_ = -1;
};
