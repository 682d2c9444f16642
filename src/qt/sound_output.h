// Plays 16-bit mono samples on the default sound device (PulseAudio or ALSA,
// through pcaudiolib). The device is opened on the first sentence; when there
// is none, the output stays unavailable for the rest of the run.
#pragma once

#include <atomic>
#include <vector>

struct audio_object;

namespace qtview {

class SoundOutput {
 public:
  SoundOutput() = default;
  ~SoundOutput();
  SoundOutput(const SoundOutput&) = delete;
  SoundOutput& operator=(const SoundOutput&) = delete;

  // Plays the samples to their end, or until `cancel` is set; false when no
  // sound can be played. Call from one thread at a time.
  bool play(const std::vector<short>& samples, int rate, const std::atomic<bool>& cancel);

 private:
  bool open(int rate);

  audio_object* device_ = nullptr;
  int rate_ = 0;
  bool failed_ = false;
};

}  // namespace qtview
