// Speech through libespeak-ng without a sound card: the engine synthesises
// sentences into samples, and a process never runs it in two modes.
#include <gtest/gtest.h>

#include "qt/espeak_voice.h"

namespace {

using qtview::EspeakVoice;

TEST(EspeakVoiceTest, SentencesBecomeAudioOfTheirLength) {
  EspeakVoice voice(EspeakVoice::Output::Samples);
  ASSERT_TRUE(voice.say("Tile does not fit"));
  const long shortSentence = voice.samples();
  EXPECT_GT(shortSentence, 22050 / 2);  // more than half a second at 22050 Hz

  ASSERT_TRUE(voice.say("The puzzle is solved: every square of the box is covered"));
  const long longSentence = voice.samples() - shortSentence;
  EXPECT_GT(longSentence, 2 * shortSentence);
  EXPECT_TRUE(voice.available());

  // The engine runs in one mode per process: a speaker voice stays silent
  // rather than restarting it.
  EspeakVoice speaker(EspeakVoice::Output::Speaker);
  EXPECT_FALSE(speaker.available());
  EXPECT_FALSE(speaker.say("Tile does not fit"));
  EXPECT_EQ(voice.samples(), shortSentence + longSentence);
}

}  // namespace
