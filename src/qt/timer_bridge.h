// Drives a TimerControl with a QTimer: running while the control is enabled
// with a positive interval, each timeout one tick of the program.
#pragma once

#include <QObject>
#include <QTimer>

#include "platform/control.h"

namespace qtview {

class TimerBridge : public QObject, public ControlObserver {
 public:
  TimerBridge(TimerControl& timer, QObject* parent);
  ~TimerBridge() override;
  void controlChanged(const Control& control) override;

 private:
  void timeout();

  TimerControl& timer_;
  QTimer qtimer_;
};

}  // namespace qtview
