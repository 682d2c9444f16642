#include "qt/espeak_voice.h"

#include <espeak-ng/speak_lib.h>

namespace qtview {

namespace {

enum class Engine { NotStarted, Speaker, Samples, Silent };

// The engine is one per process, whatever the number of voices.
Engine engine = Engine::NotStarted;
long samplesProduced = 0;

int countSamples(short*, int count, espeak_EVENT*) {
  if (count > 0) samplesProduced += count;
  return 0;  // go on synthesising
}

Engine wanted(EspeakVoice::Output output) {
  return output == EspeakVoice::Output::Speaker ? Engine::Speaker : Engine::Samples;
}

void start(EspeakVoice::Output output) {
  const espeak_AUDIO_OUTPUT mode =
      output == EspeakVoice::Output::Speaker ? AUDIO_OUTPUT_SYNCH_PLAYBACK : AUDIO_OUTPUT_SYNCHRONOUS;
  // DONT_EXIT: missing voice data must not end the program.
  if (espeak_Initialize(mode, 0, nullptr, espeakINITIALIZE_DONT_EXIT) <= 0) {
    engine = Engine::Silent;
    return;
  }
  if (output == EspeakVoice::Output::Samples) espeak_SetSynthCallback(countSamples);
  engine = wanted(output);
}

}  // namespace

bool EspeakVoice::say(const std::string& text) {
  if (engine == Engine::NotStarted) start(output_);
  if (engine != wanted(output_)) return false;
  const espeak_ERROR result = espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_AUTO,
                                           nullptr, nullptr);
  if (result != EE_OK) {
    engine = Engine::Silent;
    return false;
  }
  return true;
}

bool EspeakVoice::available() const { return engine == Engine::NotStarted || engine == wanted(output_); }

long EspeakVoice::samples() const { return samplesProduced; }

}  // namespace qtview
