// Speech through libespeak-ng without a sound card: sentences become samples.
#include <gtest/gtest.h>

#include "qt/espeak_voice.h"

TEST(EspeakVoiceTest, SentencesBecomeAudioOfTheirLength) {
  qtview::EspeakVoice voice(qtview::EspeakVoice::Output::Samples);
  ASSERT_TRUE(voice.say("Tile does not fit"));
  const long shortSentence = voice.samples();
  EXPECT_GT(shortSentence, 22050 / 2);  // more than half a second at 22050 Hz
  ASSERT_TRUE(voice.say("The puzzle is solved: every square of the box is covered"));
  EXPECT_GT(voice.samples() - shortSentence, 2 * shortSentence);
}
