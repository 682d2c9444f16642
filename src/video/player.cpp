// The handlers' contract with the guided video: a video that waits for the
// player's click goes on once a click handler has run.
#include "app/form1.h"

void Form1::NVidCheck() {
  if (!Timer1().enabled() && VideoState != 0 && ClickFlag == "Y") {
    StepCount = 0;
    TimerState = VideoState;
    Timer1().setEnabled(true);
  }
}
