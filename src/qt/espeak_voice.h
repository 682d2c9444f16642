// The desktop's voice: libespeak-ng turns a sentence into samples, which the
// sound output plays. The engine is started once per process, on the first
// sentence, and never in a second mode (re-starting it can hang).
#pragma once

#include <string>
#include <vector>

namespace qtview {

class EspeakVoice {
 public:
  // The sentence as 16-bit mono samples at sampleRate(); empty when the
  // engine cannot start (no voice data).
  std::vector<short> synthesize(const std::string& text);
  int sampleRate() const;
};

}  // namespace qtview
