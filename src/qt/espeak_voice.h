// The desktop's voice through libespeak-ng. The engine is started once per
// process, on the first sentence, and never in a second mode (re-starting it
// can hang). When it cannot start or fails to speak (no sound device), the
// voice falls silent for the rest of the run instead of failing each time.
#pragma once

#include <string>

namespace qtview {

class EspeakVoice {
 public:
  // Speaker plays each sentence and returns when it has been spoken; Samples
  // only synthesises and counts the samples (for checks without a sound card).
  enum class Output { Speaker, Samples };

  explicit EspeakVoice(Output output = Output::Speaker) : output_(output) {}

  // Speaks a sentence; false when the voice is or has just become silent.
  bool say(const std::string& text);
  bool available() const;
  // Samples produced in Samples mode since the process started.
  long samples() const;

 private:
  Output output_;
};

}  // namespace qtview
