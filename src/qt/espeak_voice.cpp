#include "qt/espeak_voice.h"

#include <espeak-ng/speak_lib.h>

namespace qtview {

namespace {

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
  // DONT_EXIT: missing voice data must not end the program.
  const int r = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
  if (r <= 0) {
    engine = Engine::Silent;
    return;
  }
  rate = r;
  espeak_SetSynthCallback(collect);
  engine = Engine::Ready;
}

}  // namespace

std::vector<short> EspeakVoice::synthesize(const std::string& text) {
  if (engine == Engine::NotStarted) start();
  std::vector<short> samples;
  if (engine != Engine::Ready) return samples;
  collecting = &samples;
  const espeak_ERROR result = espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_AUTO,
                                           nullptr, nullptr);
  collecting = nullptr;
  if (result != EE_OK) samples.clear();
  return samples;
}

int EspeakVoice::sampleRate() const { return rate; }

}  // namespace qtview
