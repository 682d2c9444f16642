#include "qt/espeak_voice.h"

#include <espeak-ng/speak_lib.h>

#include "qt/shared_library.h"

namespace qtview {

namespace {

// The engine's library, with the sound libraries it brings along, is loaded
// with the first sentence: a window that has said nothing yet does without
// their megabyte and a half.
struct Api {
  decltype(&espeak_Initialize) initialize;
  decltype(&espeak_SetSynthCallback) setSynthCallback;
  decltype(&espeak_Synth) synth;
} api;

// The engine is one per process, whatever the number of voices.
enum class Engine { NotStarted, Ready, Silent };
Engine engine = Engine::NotStarted;
int rate = 22050;
std::vector<short>* collecting = nullptr;

int collect(short* samples, int count, espeak_EVENT*) {
  if (collecting && samples && count > 0) collecting->insert(collecting->end(), samples, samples + count);
  return 0;  // go on synthesising
}

void start() {
  engine = Engine::Silent;
  const SharedLibrary library("libespeak-ng.so.1");
  if (!library.bind(api.initialize, "espeak_Initialize") ||
      !library.bind(api.setSynthCallback, "espeak_SetSynthCallback") || !library.bind(api.synth, "espeak_Synth")) {
    return;
  }
  // DONT_EXIT: missing voice data must not end the program.
  const int r = api.initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
  if (r <= 0) return;
  rate = r;
  api.setSynthCallback(collect);
  engine = Engine::Ready;
}

}  // namespace

std::vector<short> EspeakVoice::synthesize(const std::string& text) {
  if (engine == Engine::NotStarted) start();
  std::vector<short> samples;
  if (engine != Engine::Ready) return samples;
  collecting = &samples;
  const espeak_ERROR result =
      api.synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_AUTO, nullptr, nullptr);
  collecting = nullptr;
  if (result != EE_OK) samples.clear();
  return samples;
}

int EspeakVoice::sampleRate() const { return rate; }

}  // namespace qtview
