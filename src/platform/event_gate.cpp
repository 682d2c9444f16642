#include "platform/event_gate.h"

namespace {

// Counts up for the scope, down again on every way out.
struct Count {
  explicit Count(int& n) : n_(n) { ++n_; }
  ~Count() { --n_; }
  int& n_;
};

}  // namespace

void EventGate::submit(std::function<void()> event) {
  if (passing_ > 0) {
    held_.push_back(std::move(event));
    return;
  }
  run(event);
}

void EventGate::tick(const std::function<void()>& event) {
  if (passing_ == 0) run(event);
}

void EventGate::pass(const std::function<void()>& pass) {
  Count c(passing_);
  pass();
}

void EventGate::run(const std::function<void()>& event) {
  {
    Count c(running_);
    event();
  }
  // Once the outermost event has finished, what waited runs in its order;
  // anything arriving during those runs joins the end of the queue.
  while (running_ == 0 && !held_.empty()) {
    const std::function<void()> next = std::move(held_.front());
    held_.pop_front();
    Count c(running_);
    next();
  }
}
