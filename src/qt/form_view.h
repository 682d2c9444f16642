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
class Ghost;
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

  // The other ways in, positions in window twips. A drag starts on a
  // control, grabbed at a point of its own twips, and tells whether it
  // drags anything. Keys, the wheel and the right button wait at the gate.
  struct PlayHandlers {
    std::function<bool(Control&, float, float)> dragStart;
    std::function<void(float, float)> dragMove, dragDrop;
    std::function<void(int16_t notches, float, float)> wheel;
    std::function<void(int16_t shift, float, float)> rightClick;
    std::function<void(int16_t keyCode, int16_t shift)> key;
  };
  void setPlayHandlers(PlayHandlers handlers) { play_ = std::move(handlers); }

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
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void syncOverlays();
  // A drag of the tile under a control view's press, in its steps.
  bool dragFilter(ControlView* view, QMouseEvent* event);
  void hoverDuringDrag(QPoint at, const QMouseEvent& event);
  void submit(std::function<void()> event);  // at the window's gate

  FormWindow& window_;
  CaptionStrip* subtitle_;
  QWidget* pointer_;
  Ghost* ghost_;
  PlayHandlers play_;
  ControlView* pressed_ = nullptr;  // the view a left press started on
  QPoint pressAt_;                  // where, in the window's pixels
  bool dragging_ = false;
  int wheelRest_ = 0;
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
