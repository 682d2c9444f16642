// The door through which events from outside reach the program: the
// player's clicks and pointer moves, and the timer's ticks. A handler that
// lets pending events run (an event pass, a sentence being spoken, a message
// box) must not have another handler run in its middle and change the state
// under it, so what arrives meanwhile waits until the running handler has
// finished. Ticks are not kept: the timer brings the next one anyway, and a
// backlog of ticks would run the guided video in a burst.
#pragma once

#include <deque>
#include <functional>

class EventGate {
 public:
  // An event from outside: runs now, or later when it arrives during a pass.
  void submit(std::function<void()> event);
  // A timer tick: runs now, or not at all when it arrives during a pass.
  void tick(const std::function<void()>& event);
  // Runs `pass` with outside events kept waiting.
  void pass(const std::function<void()>& pass);

  bool passing() const { return passing_ > 0; }

 private:
  void run(const std::function<void()>& event);

  int running_ = 0, passing_ = 0;
  std::deque<std::function<void()>> held_;
};
