// The program's one voice, on a thread of its own: sentences are turned into
// samples and played there, one after the other. A sentence the program waits
// for is said to its end; a description gives way at once to a newer one, so
// that a burst of keys never builds up a backlog of speech.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "qt/espeak_voice.h"
#include "qt/sound_output.h"

namespace qtview {

class Speaker {
 public:
  // Muted, or without a sound device, a sentence takes as long in silence as
  // speaking it would, times `waitScale` (tests shorten it).
  Speaker(bool mute, double waitScale);
  ~Speaker();
  Speaker(const Speaker&) = delete;
  Speaker& operator=(const Speaker&) = delete;

  // Queues a sentence after those before it; `said` runs on the speaker's
  // thread once it has been said or cut short. Returns its number.
  int say(const std::string& text, std::function<void()> said);
  // A description: cuts short a description being said and replaces one not
  // yet begun. Returns at once.
  void describe(const std::string& text);
  // Cuts sentence `number` short, whether it is being said or still waits.
  void cutShort(int number);

 private:
  struct Sentence {
    int number;
    std::string text;
    bool description;
    std::function<void()> said;
  };
  void run();
  void sayNow(const std::string& text);

  const bool mute_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Sentence> queue_;
  int current_ = 0;  // the number of the sentence being said, 0 when none
  bool currentIsDescription_ = false;
  std::atomic<bool> cancel_{false};
  bool stop_ = false;
  int numbered_ = 0;
  const double waitScale_;
  EspeakVoice voice_;
  SoundOutput sound_;
  std::thread thread_;  // last: started once everything above is ready
};

}  // namespace qtview
