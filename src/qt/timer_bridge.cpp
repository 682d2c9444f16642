#include "qt/timer_bridge.h"

#include "qt/control_view.h"

namespace qtview {

TimerBridge::TimerBridge(TimerControl& timer, QObject* parent) : QObject(parent), timer_(timer) {
  qtimer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&qtimer_, &QTimer::timeout, this, [this] { timeout(); });
  timer_.setObserver(this);
  controlChanged(timer_);
}

TimerBridge::~TimerBridge() { timer_.setObserver(nullptr); }

// Enabling, and a new interval, start the countdown afresh.
void TimerBridge::controlChanged(const Control&) {
  if (timer_.enabled() && timer_.interval() > 0) {
    if (!qtimer_.isActive() || qtimer_.interval() != timer_.interval()) qtimer_.start(timer_.interval());
  } else {
    qtimer_.stop();
  }
}

// A tick may let pending events run; Qt does not deliver this timer's next
// timeout inside the running one, so ticks never nest.
void TimerBridge::timeout() {
  routeEvent([this] { timer_.tick(); });
}

}  // namespace qtview
