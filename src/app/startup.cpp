// Start-up, the screen factors, the background pointer move and shutdown.
#include "app/form1.h"
#include "app/window_design.h"

namespace {

struct BuiltInSize {
  int16_t lines5, cols5, lines6, cols6;
};

constexpr BuiltInSize kBuiltInSizes[6] = {
    {6, 10, 12, 15}, {5, 12, 10, 12}, {5, 10, 9, 14}, {5, 8, 8, 12}, {5, 5, 7, 12}, {4, 15, 6, 6},
};

}  // namespace

void Form1::Form_Load() {
  // Start-up is an event like any other: an unexpected error is shown, not fatal.
  Guarded([&] {
    AppDir = sys.executableDir() + "/";
    PentiposPath = AppDir + "PENTIPOS.TXT";
    ObjectsPath = AppDir + "OBJECTS.TXT";

    for (int slot = 0; slot < 6; ++slot) {
      SizeLines(0, slot) = kBuiltInSizes[slot].lines5;
      SizeCols(0, slot) = kBuiltInSizes[slot].cols5;
      SizeLines(1, slot) = kBuiltInSizes[slot].lines6;
      SizeCols(1, slot) = kBuiltInSizes[slot].cols6;
    }
    VideoInterval = 500;

    CheckSize();

    window.scaleMode = 3;
    LabTNo().setCaption(" ");
    BlankPixels = sys.textWidth(LabTNo().caption(), window.font, window.scaleMode);
    window.scaleMode = 1;
    BlankTwips = sys.textWidth(LabTNo().caption(), window.font, window.scaleMode);
    TwipsPerPixel = BlankPixels > 0 ? BlankTwips / BlankPixels : 15.0f;
    window.setWindowState(0);

    ScreenAdj();

    BTLeft = roundInt32(static_cast<double>(ScaleX) * 2880);
    BTTop = roundInt32(static_cast<double>(ScaleY) * 120);
    BtnH5 = roundInt16(static_cast<double>(ScaleY) * 600);
    BtnW5 = roundInt16(static_cast<double>(ScaleX) * 600);
    BtnH6 = roundInt16(static_cast<double>(ScaleY) * 480);
    BtnW6 = roundInt16(static_cast<double>(ScaleX) * 480);

    const auto& band = design::kSubtitleBand;
    window.subtitleBand = {band.left * ScaleX, band.top * ScaleY, band.width * ScaleX, band.height * ScaleY};

    window.setLeft(0);
    window.setTop(0);
    window.setWidth(sys.screenWidthTwips());
    window.setHeight(sys.screenHeightTwips());
    window.setWindowState(2);

    ReadControl();
    sys.randomize();
    RecallAids();

    for (Ix = 0; Ix <= 209; ++Ix) {
      PalLeft(1, Ix) = roundInt32(ComTile(Ix).left());
      PalTop(1, Ix) = roundInt32(ComTile(Ix).top());
    }

    sys.showWindow();
    if (TileFits) {
      OptSq_Click(0);
    } else {
      Form_Unload();
    }
  });
}

void Form1::CheckSize() {
  DesignHeight = roundInt32(window.height());
  DesignWidth = roundInt32(window.width());
  window.setHeight(sys.screenHeightTwips());
  window.setWidth(sys.screenWidthTwips());
  ScaleY = static_cast<float>(static_cast<double>(window.height()) / DesignHeight);
  ScaleX = static_cast<float>(static_cast<double>(window.width()) / DesignWidth);
  ScaleMin = ScaleY < ScaleX ? ScaleY : ScaleX;
}

void Form1::Form_MouseMove(int16_t, int16_t, float, float) { LabTip().setCaption(" "); }

void Form1::Form_Unload() { sys.unloadWindow(); }
