// One control of the window model: the properties the program reads and
// writes, in twips, and the events it raises. A view observes the control and
// redraws it; the program's handlers are attached as callbacks.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/event_gate.h"

enum class ControlKind { CommandButton, Label, OptionButton, ListBox, Timer, Grid };

struct ControlFont {
  std::string face;
  float size = 0;
  bool bold = true;
};

class Control;

class ControlObserver {
 public:
  virtual ~ControlObserver() = default;
  virtual void controlChanged(const Control& control) = 0;
};

// Button state, shift state, X and Y in the control's own twips.
using MouseMoveHandler = std::function<void(int16_t, int16_t, float, float)>;

class Control {
 public:
  Control(ControlKind kind, std::string name, int index, std::string tag);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  int index() const { return index_; }  // -1 outside a control array
  const std::string& tag() const { return tag_; }
  int tabIndex() const { return tabIndex_; }
  void setTabIndex(int value) { tabIndex_ = value; }

  // Grids, lists and timers have no Caption; reading it is an error.
  bool hasCaption() const;
  const std::string& caption() const;
  void setCaption(const std::string& value);

  const ControlFont& font() const;
  void setFont(const ControlFont& value);
  void setFontSize(float value);

  int32_t backColor() const { return backColor_; }
  void setBackColor(int32_t value);
  int32_t foreColor() const { return foreColor_; }
  void setForeColor(int32_t value);

  float left() const { return left_; }
  float top() const { return top_; }
  float width() const;
  float height() const;
  void setLeft(float value);
  void setTop(float value);
  void setWidth(float value);
  void setHeight(float value);
  void setBounds(float left, float top, float width, float height);

  bool visible() const { return visible_; }
  void setVisible(bool value);

  const std::string& toolTip() const { return toolTip_; }
  void setToolTip(const std::string& value) { toolTip_ = value; }

  // Events. click() and mouseMove() raise them at once, as the program's own
  // calls do; the player's actions come through the window's gate instead.
  void setClickHandler(std::function<void()> handler) { onClick_ = std::move(handler); }
  void setMouseMoveHandler(MouseMoveHandler handler) { onMouseMove_ = std::move(handler); }
  void click();
  void mouseMove(int16_t button, int16_t shift, float x, float y);
  virtual void playerClick();
  void playerMouseMove(int16_t button, int16_t shift, float x, float y);

  void setObserver(ControlObserver* observer) { observer_ = observer; }
  void setGate(EventGate* gate) { gate_ = gate; }
  EventGate* gate() const { return gate_; }

 protected:
  void notify();
  // The player's action: through the gate, or at once without a window.
  void fromPlayer(std::function<void()> action);

 private:
  void requireGeometry() const;

  ControlKind kind_;
  std::string name_;
  int index_;
  std::string tag_;
  int tabIndex_ = 0;
  std::string caption_;
  ControlFont font_;
  int32_t backColor_ = 0x00E0E0E0;
  int32_t foreColor_ = 0;
  float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  std::string toolTip_;
  std::function<void()> onClick_;
  MouseMoveHandler onMouseMove_;
  ControlObserver* observer_ = nullptr;
  EventGate* gate_ = nullptr;
};

// An option button of a group: selecting one deselects the others, and
// selecting an unselected one raises its Click before the setter returns.
class OptionControl : public Control {
 public:
  OptionControl(std::string name, int index, std::string tag);
  bool value() const { return value_; }
  void setValue(bool value);
  void joinGroup(OptionControl* other);
  // The player's click selects it, raising Click once.
  void playerClick() override;
  // The program's own click: Click runs once, selected before or not.
  void select();

 private:
  bool value_ = false;
  OptionControl* next_ = this;  // ring of the group's members
};

class TimerControl : public Control {
 public:
  TimerControl(std::string name, std::string tag);
  bool enabled() const { return enabled_; }
  void setEnabled(bool value);
  int interval() const { return interval_; }
  void setInterval(int ms);
  void setTimerHandler(std::function<void()> handler) { onTimer_ = std::move(handler); }
  // One tick while enabled; dropped when it comes while a handler lets
  // events pass (the next one follows at the interval).
  void tick();

 private:
  bool enabled_ = false;
  int interval_ = 0;
  std::function<void()> onTimer_;
};
