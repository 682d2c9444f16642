// libFuzzer target: the input is OBJECTS.TXT. Every message number it holds,
// and the first one beyond its end, is read as the tile handlers read it
// (GetObjMsg) and as a video's step reads it (MerlinCode, through the pointer
// planning that uses its control), with indexes within and beyond a control
// array. Nothing may throw out of them.
#include <cmath>
#include <exception>

#include "fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TempDir& dir = fuzz::dataDir();
  dir.write("OBJECTS.TXT", fuzz::text(data, size));
  static Game g(1920, 1080, dir.path());  // the file is opened anew on every read
  Form1& f = g.f();
  g.sys.messages.clear();
  const int32_t records = static_cast<int32_t>(std::min<size_t>(size / 64 + 1, 32767));
  try {
    for (int32_t m = 0; m <= records; ++m) {
      f.ObjRecNo = m;
      f.GetObjMsg();
      if (f.ObjRecNo != m + 1 || f.MsgText.size() > 44) fuzz::fail("message " + std::to_string(m) + ": " + f.MsgText);
      // A control, then a box square (whose control is not used).
      for (const auto& [letter, index] : {std::pair{"K", 0}, {"K", 11}, {"K", 209}, {"S", 59}}) {
        f.CtlIndex = 0;
        f.PointerX = f.PointerY = 0;
        f.ScriptMsgNo = static_cast<int16_t>(m);
        f.ActionLetter = letter;
        f.ActionIndex = static_cast<int16_t>(index);
        f.SetMouse();
        if (!std::isfinite(f.TargetX) || !std::isfinite(f.TargetY)) fuzz::fail("no target for " + std::to_string(m));
      }
    }
  } catch (const std::exception& e) {
    fuzz::fail(e.what());
  }
  fuzz::check(g);
  return 0;
}
