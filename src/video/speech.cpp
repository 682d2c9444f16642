// Speaking a sentence; silent while the solve loop runs. While a guided video
// runs, the sentence is also shown as a caption for players without sound.
#include "app/form1.h"

void Form1::ComSpeak_Click() {
  if (TimerState == 1) return;
  // Taken before pending events run: a handler that announces something of
  // its own meanwhile must not replace this sentence.
  const std::string sentence = MsgText;
  DoEvents();
  if (!VideoStopped()) window.setSubtitle(sentence);
  window.gate.pass([&] { sys.speak(sentence); });
}
