// The window itself and its control collection in creation order.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/event_gate.h"

class WindowObserver {
 public:
  virtual ~WindowObserver() = default;
  virtual void windowChanged() = 0;
};

class FormWindow {
 public:
  std::string caption;
  int32_t backColor = 0;
  std::string tag;
  ControlFont font;

  float left() const { return left_; }
  float top() const { return top_; }
  float width() const { return width_; }
  float height() const { return height_; }
  void setLeft(float v);
  void setTop(float v);
  void setWidth(float v);
  void setHeight(float v);
  int windowState() const { return windowState_; }  // 0 normal, 2 maximised
  void setWindowState(int state);
  int scaleMode = 1;  // 1 twips, 3 pixels

  // Player input and timer ticks pass through here (see EventGate).
  EventGate gate;

  // The control collection: position k is the k-th control created.
  template <typename T>
  T& add(std::unique_ptr<T> control) {
    T& ref = *control;
    ref.setGate(&gate);
    controls_.push_back(std::move(control));
    return ref;
  }
  int count() const { return static_cast<int>(controls_.size()); }
  Control& control(int position) const;
  // The visible control in front at a point of the client area (twips), or
  // -1 for the window's background. Earlier controls are in front.
  int controlAt(float x, float y) const;

  // While a guided video runs: the sentence being spoken, shown as a
  // caption in the free band below the controls (empty: no caption)...
  const std::string& subtitle() const { return subtitle_; }
  void setSubtitle(const std::string& text);
  struct Band {
    float left = 0, top = 0, width = 0, height = 0;
  };
  Band subtitleBand;
  // ...and, where the platform cannot move the system pointer, the guided
  // pointer drawn by the window itself (client pixels).
  bool pointerShown() const { return pointerShown_; }
  int pointerX() const { return pointerX_; }
  int pointerY() const { return pointerY_; }
  void showPointer(int x, int y);
  void hidePointer();

  // A tile being dragged, drawn by the view above every control: its
  // squares relative to the pointer, and where the pointer is (twips).
  struct GhostSquare {
    float left = 0, top = 0, width = 0, height = 0;
    int32_t color = 0;
  };
  const std::vector<GhostSquare>& ghost() const { return ghost_; }
  float ghostX() const { return ghostX_; }
  float ghostY() const { return ghostY_; }
  void showGhost(std::vector<GhostSquare> squares, float x, float y);
  void moveGhost(float x, float y);
  void hideGhost();

  void setObserver(WindowObserver* observer) { observer_ = observer; }

 private:
  void notify();

  float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  int windowState_ = 0;
  std::string subtitle_;
  bool pointerShown_ = false;
  int pointerX_ = 0, pointerY_ = 0;
  std::vector<GhostSquare> ghost_;  // empty: no drag
  float ghostX_ = 0, ghostY_ = 0;
  std::vector<std::unique_ptr<Control>> controls_;
  WindowObserver* observer_ = nullptr;
};
