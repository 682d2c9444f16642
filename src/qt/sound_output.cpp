#include "qt/sound_output.h"

#include <pcaudiolib/audio.h>

#include <algorithm>

#include "qt/shared_library.h"

namespace qtview {

namespace {

// Loaded with the first sentence, like the speech engine.
struct Api {
  decltype(&create_audio_device_object) create;
  decltype(&audio_object_open) open;
  decltype(&audio_object_write) write;
  decltype(&audio_object_drain) drain;
  decltype(&audio_object_flush) flush;
  decltype(&audio_object_close) close;
  decltype(&audio_object_destroy) destroy;
} api;

bool loadApi() {
  static const bool loaded = [] {
    const SharedLibrary library("libpcaudio.so.0");
    return library.bind(api.create, "create_audio_device_object") && library.bind(api.open, "audio_object_open") &&
           library.bind(api.write, "audio_object_write") && library.bind(api.drain, "audio_object_drain") &&
           library.bind(api.flush, "audio_object_flush") && library.bind(api.close, "audio_object_close") &&
           library.bind(api.destroy, "audio_object_destroy");
  }();
  return loaded;
}

}  // namespace

SoundOutput::~SoundOutput() {
  if (!device_) return;
  api.close(device_);
  api.destroy(device_);
}

bool SoundOutput::open(int rate) {
  if (!failed_ && !loadApi()) failed_ = true;
  if (failed_) return false;
  if (device_ && rate_ == rate) return true;
  if (!device_) device_ = api.create(nullptr, "karvelon", "Karvelon speech");
  if (device_ && rate_ != 0) api.close(device_);
  if (!device_ || api.open(device_, AUDIO_OBJECT_FORMAT_S16LE, static_cast<uint32_t>(rate), 1) != 0) {
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
    if (api.write(device_, samples.data() + at, n * sizeof(short)) != 0) {
      failed_ = true;
      return false;
    }
  }
  if (cancel) {
    api.flush(device_);
  } else {
    api.drain(device_);
  }
  return true;
}

}  // namespace qtview
