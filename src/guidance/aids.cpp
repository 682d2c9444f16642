// The aids for players who cannot see the window or tell its colours apart,
// and the keys that switch them. Spoken descriptions say the cell under the
// cursor, a tile's shape and where a tile was set; they never hold the game
// up: each is handed to the voice and the handler goes on.
#include "app/form1.h"

namespace {

const char* const kDescriptionsSetting = "descriptions";
const char* const kMarksSetting = "marks";

}  // namespace

void Form1::RecallAids() {
  DescriptionsOn = sys.setting(kDescriptionsSetting) == "on";
  MarksOn = sys.setting(kMarksSetting) == "on";
}

void Form1::Describe(const std::string& text) {
  if (DescriptionsOn && VideoStopped() && TimerState != 1) sys.describe(text);
}

void Form1::Descriptions_Press() {
  DescriptionsOn = !DescriptionsOn;
  sys.keepSetting(kDescriptionsSetting, DescriptionsOn ? "on" : "off");
  sys.describe(DescriptionsOn ? "Descriptions on" : "Descriptions off");
}

void Form1::Marks_Press() {
  MarksOn = !MarksOn;
  sys.keepSetting(kMarksSetting, MarksOn ? "on" : "off");
  ShowMarks();
  sys.describe(MarksOn ? "Tile marks on" : "Tile marks off");
}

void Form1::Where_Press() { sys.describe(DescribeStanding()); }
