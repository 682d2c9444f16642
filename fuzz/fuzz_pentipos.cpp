// libFuzzer target: the input is PENTIPOS.TXT. Start-up reads it; when it is
// accepted, every box it offers is set up, for both square counts, as the
// player chooses it, and a tile is set into it. Each box must have the lines
// and columns its entry names.
#include "fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TempDir& dir = fuzz::dataDir();
  dir.write("PENTIPOS.TXT", fuzz::text(data, size));
  Game g(1920, 1080, dir.path());
  Form1& f = g.f();
  if (!f.TileFits) return 0;  // refused with the faulty line: nothing more to do
  for (int variant : {0, 1}) {
    g.selectSquares(variant);
    ListBoxControl& list = f.ListBoxSize();
    for (int i = 0; i < list.listCount(); ++i) {
      list.playerSelect(i);
      const std::string named = formatRight(f.BoxLines, 1) + " by " + formatRight(f.BoxColumns, 2);
      if (list.list(i) != named || f.FlexBox().rows() != f.BoxLines + 1 || f.FlexBox().cols() != f.BoxColumns + 1) {
        fuzz::fail("entry " + std::to_string(i) + " \"" + list.list(i) + "\" set up " + named);
      }
      g.clickTile(0);
      g.clickKey(4);
      g.clickCell(0, 0);
      fuzz::check(g);
    }
  }
  return 0;
}
