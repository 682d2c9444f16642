// Speaking a sentence; silent while the solve loop runs.
#include "app/form1.h"

void Form1::ComSpeak_Click() {
  if (TimerState == 1) return;
  // Taken before pending events run: a handler that announces something of
  // its own meanwhile must not replace this sentence.
  const std::string sentence = MsgText;
  sys.doEvents();
  sys.speak(sentence);
}
