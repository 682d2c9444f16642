#include "qt/sound_output.h"

#include <pcaudiolib/audio.h>

#include <algorithm>

namespace qtview {

SoundOutput::~SoundOutput() {
  if (!device_) return;
  audio_object_close(device_);
  audio_object_destroy(device_);
}

bool SoundOutput::open(int rate) {
  if (failed_) return false;
  if (device_ && rate_ == rate) return true;
  if (!device_) device_ = create_audio_device_object(nullptr, "karvelon", "Karvelon speech");
  if (device_ && rate_ != 0) audio_object_close(device_);
  if (!device_ || audio_object_open(device_, AUDIO_OBJECT_FORMAT_S16LE, static_cast<uint32_t>(rate), 1) != 0) {
    failed_ = true;
    return false;
  }
  rate_ = rate;
  return true;
}

bool SoundOutput::play(const std::vector<short>& samples, int rate, const std::atomic<bool>& cancel) {
  if (!open(rate)) return false;
  // A tenth of a second at a time, so that a cancel is heard at once.
  const size_t chunk = static_cast<size_t>(rate / 10);
  for (size_t at = 0; at < samples.size() && !cancel; at += chunk) {
    const size_t n = std::min(chunk, samples.size() - at);
    if (audio_object_write(device_, samples.data() + at, n * sizeof(short)) != 0) {
      failed_ = true;
      return false;
    }
  }
  if (cancel) {
    audio_object_flush(device_);
  } else {
    audio_object_drain(device_);
  }
  return true;
}

}  // namespace qtview
