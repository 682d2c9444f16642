// The window: one top-level widget following the FormWindow (caption,
// background, geometry, maximised state) with one child per control of the
// collection. Controls created earlier are in front and take the click.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/window.h"

namespace qtview {

class CaptionStrip;
class ControlView;
class TimerBridge;

class FormView : public QWidget, public WindowObserver {
 public:
  using MoveHandler = std::function<void(int16_t, int16_t, float, float)>;

  explicit FormView(FormWindow& window);
  ~FormView() override;

  // The pointer over the background, in the window's scale unit.
  void setBackgroundMoveHandler(MoveHandler handler) { onMove_ = std::move(handler); }
  // The player closes the window.
  void setCloseHandler(std::function<void()> handler) { onClose_ = std::move(handler); }

  // The widget of the control at a position of the collection; none for a timer.
  ControlView* controlView(int position) const { return views_.at(position); }
  double twipsPerPixel() const { return twipsPerPixel_; }

  void windowChanged() override;

  // Above every control: the caption of a running video and the pointer the
  // window draws where the platform does not let it move the real one.
  QWidget* subtitle() const;
  QWidget* drawnPointer() const { return pointer_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void syncOverlays();

  FormWindow& window_;
  CaptionStrip* subtitle_;
  QWidget* pointer_;
  std::string shownCaption_;
  int32_t shownBackColor_ = -1;
  double twipsPerPixel_;
  std::vector<ControlView*> views_;
  std::vector<TimerBridge*> timers_;
  MoveHandler onMove_;
  std::function<void()> onClose_;
  bool closing_ = false;
};

}  // namespace qtview
