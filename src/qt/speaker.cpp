#include "qt/speaker.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace qtview {

Speaker::Speaker(bool mute, double waitScale) : mute_(mute), waitScale_(waitScale), thread_([this] { run(); }) {}

Speaker::~Speaker() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
    cancel_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

int Speaker::say(const std::string& text, std::function<void()> said) {
  std::lock_guard lock(mutex_);
  queue_.push_back({++numbered_, text, false, std::move(said)});
  wake_.notify_all();
  return numbered_;
}

void Speaker::describe(const std::string& text) {
  std::lock_guard lock(mutex_);
  std::erase_if(queue_, [](const Sentence& s) { return s.description; });
  if (current_ != 0 && currentIsDescription_) cancel_ = true;
  queue_.push_back({++numbered_, text, true, {}});
  wake_.notify_all();
}

void Speaker::cutShort(int number) {
  std::lock_guard lock(mutex_);
  if (current_ == number) cancel_ = true;
  for (Sentence& s : queue_) {
    if (s.number == number) s.text.clear();
  }
  wake_.notify_all();
}

void Speaker::run() {
  std::unique_lock lock(mutex_);
  while (true) {
    wake_.wait(lock, [this] { return stop_ || !queue_.empty(); });
    if (stop_) break;
    Sentence next = std::move(queue_.front());
    queue_.pop_front();
    current_ = next.number;
    currentIsDescription_ = next.description;
    cancel_ = false;
    lock.unlock();
    if (!next.text.empty()) sayNow(next.text);
    if (next.said) next.said();
    lock.lock();
    current_ = 0;
  }
  // Whoever still waits for a sentence is let go.
  for (Sentence& s : queue_) {
    if (s.said) s.said();
  }
}

void Speaker::sayNow(const std::string& text) {
  const std::vector<short> samples = voice_.synthesize(text);
  if (cancel_) return;
  if (!mute_ && sound_.play(samples, voice_.sampleRate(), cancel_)) return;
  // Without voice data, about as long as a speaker would take.
  const double seconds = samples.empty() ? 0.07 * static_cast<double>(text.size())
                                         : static_cast<double>(samples.size()) / voice_.sampleRate();
  std::unique_lock lock(mutex_);
  wake_.wait_for(lock, std::chrono::duration<double>(seconds * waitScale_), [this] { return cancel_ || stop_; });
}

}  // namespace qtview
