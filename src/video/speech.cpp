// Speaking a sentence; silent while the solve loop runs. While a guided video
// runs, the sentence is also shown as a caption for players without sound.
#include "app/form1.h"

void Form1::ComSpeak_Click() {
  if (TimerState != 1) Speak(MsgText);
}

// The sentence is a copy: a handler that announces something of its own
// while pending events run must not replace it.
void Form1::Speak(std::string sentence) {
  DoEvents();
  if (!VideoStopped()) window.setSubtitle(sentence);
  window.gate.pass([&] { sys.speak(sentence); });
}
