// libFuzzer target: the input is a guided video (VIDINFO5.TXT), played by
// "Watch Video" with the sound question answered No, so the script's own
// flags decide what is spoken. The timer is cranked to the end; when the
// video waits for the player, the player clicks the control under the
// pointer, or stops the video when that click does not resume it. The
// bookkeeping must hold after every step, and the video must end.
#include <algorithm>

#include "fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TempDir& dir = fuzz::dataDir();
  const std::string script = fuzz::text(data, size);
  dir.write("VIDINFO5.TXT", script);
  Game g(1920, 1080, dir.path());
  Form1& f = g.f();
  g.clickKey(3);
  // A glide takes at most ~45 ticks, the solve loop a few hundred.
  const long lines = std::count(script.begin(), script.end(), '\n') + 1;
  const long tickLimit = 100 * lines + 2000;
  long ticks = 0;
  while (f.VideoState != 0 || f.Timer1().enabled()) {
    if (f.Timer1().enabled()) {
      // A step of the glide only moves the pointer; the tiles are checked
      // once it has arrived.
      const bool gliding = f.TimerState == 8 && f.StepCount < f.StepTotal;
      g.tick();
      if (++ticks > tickLimit) fuzz::fail("the video does not end");
      if (gliding) continue;
    } else {
      const int k = f.window.controlAt(f.PointerX * f.TwipsPerPixel, f.PointerY * f.TwipsPerPixel);
      if (k >= 0) f.window.control(k).playerClick();
      if (!f.Timer1().enabled() && f.VideoState != 0) g.clickKey(3);
    }
    fuzz::check(g);
  }
  return 0;
}
