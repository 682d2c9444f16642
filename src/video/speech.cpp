// Speaking a sentence; silent while the solve loop runs.
#include "app/form1.h"

void Form1::ComSpeak_Click() {
  if (TimerState == 1) return;
  sys.doEvents();
  const std::string sentence = MsgText;
  sys.speak(sentence);
}
