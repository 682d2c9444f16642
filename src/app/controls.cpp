// The window's 247 controls, created in the designed order with their design
// properties, and the routing of their events to the handlers.
#include <cstdio>
#include <memory>

#include "app/form1.h"
#include "app/window_design.h"

namespace {

constexpr int32_t kCaptionLabelBack = 0x00FFFF00;
constexpr int32_t kValueLabelBack = 0x0080FFFF;

ControlFont narrow() { return {"Arial Narrow", 14.25f, true}; }
ControlFont arial(float size) { return {"Arial", size, true}; }

std::unique_ptr<Control> button(const std::string& name, int index, const std::string& tag,
                                 const design::Rect& r, int32_t back, const ControlFont& font) {
  auto c = std::make_unique<Control>(ControlKind::CommandButton, name, index, tag);
  c->setBounds(r.left, r.top, r.width, r.height);
  c->setBackColor(back);
  c->setForeColor(design::kWindowText);
  c->setFont(font);
  return c;
}

std::string tileTag(int i) {
  if (i == 0) return "  0015";
  char buf[16];
  std::snprintf(buf, sizeof buf, "%03d000", i);
  std::string tag = buf;
  if (i == 188) tag += "0";  // the designed Tag of this one button has seven characters
  return tag;
}

std::string tileCaption(int i) {
  if (i % 6 != 0) return " ";
  return i == 132 ? "22 " : std::to_string(i / 6);
}

}  // namespace

Form1::Form1(Services& services) : sys(services) { CreateControls(); }

void Form1::Guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    Tell(std::string("Something went wrong and was stopped: ") + e.what());
  }
}

void Form1::DoEvents() {
  window.gate.pass([&] { sys.doEvents(); });
}

void Form1::Tell(const std::string& text) {
  window.gate.pass([&] { sys.messageBox(text); });
}

int Form1::Ask(const std::string& text) {
  int answer = 7;
  window.gate.pass([&] { answer = sys.askYesNo(text); });
  return answer;
}

void Form1::CreateControls() {
  window.caption = "KARVELON";
  window.backColor = design::kFormBackColor;
  window.tag = "    -1";
  window.font = {"Arial", 8.0f, false};
  window.setWidth(design::kClientWidth);
  window.setHeight(design::kClientHeight);

  comBlock_ = &window.add(button("ComBlock", -1, "000000", design::kComBlock, 0x00808080, narrow()));
  comBlock_->setVisible(false);

  for (int i = 5; i >= 0; --i) {
    const design::Rect r{design::kBoxTileLeft + design::kBoxTileSize * i, design::kBoxTileTop,
                         design::kBoxTileSize, design::kBoxTileSize};
    comBT_[i] = &window.add(button("ComBT", i, "  0017", r, design::kButtonFace, narrow()));
    comBT_[i]->setVisible(false);
    comBT_[i]->setClickHandler([this, i] { Guarded([&] { ComBT_Click(i); }); });
    comBT_[i]->setMouseMoveHandler([this, i](int16_t b, int16_t s, float x, float y) {
      Guarded([&] { ComBT_MouseMove(i, b, s, x, y); });
    });
  }

  for (int i = 209; i >= 0; --i) {
    const auto& tile = design::kPalette[i / 6];
    const design::Point p = tile.squares[i % 6];
    const design::Rect r{p.left, p.top, design::kPaletteButtonSize, design::kPaletteButtonSize};
    comTile_[i] = &window.add(button("ComTile", i, tileTag(i), r, tile.color, narrow()));
    comTile_[i]->setCaption(tileCaption(i));
    comTile_[i]->setMousePointer(design::kNoDrop);
    comTile_[i]->setClickHandler([this, i] { Guarded([&] { ComTile_Click(i); }); });
    comTile_[i]->setMouseMoveHandler([this, i](int16_t b, int16_t s, float x, float y) {
      Guarded([&] { ComTile_MouseMove(i, b, s, x, y); });
    });
  }

  listBoxSize_ = &window.add(std::make_unique<ListBoxControl>("ListBoxSize", "000014"));
  const auto& lr = design::kListBoxSize;
  listBoxSize_->setBounds(lr.left, lr.top, lr.width, lr.height);
  listBoxSize_->setBackColor(0x0080FFFF);
  listBoxSize_->setFont(arial(14.25f));
  listBoxSize_->setMousePointer(design::kNorthSouth);
  listBoxSize_->setClickHandler([this] { Guarded([&] { Recorded("", [&] { ListBoxSize_Click(); }, true); }); });
  listBoxSize_->setMouseMoveHandler(
      [this](int16_t b, int16_t s, float x, float y) { Guarded([&] { ListBoxSize_MouseMove(b, s, x, y); }); });

  timer1_ = &window.add(std::make_unique<TimerControl>("Timer1", "    -1"));
  timer1_->setInterval(2500);
  timer1_->setVisible(false);
  timer1_->setTimerHandler([this] { Guarded([&] { Timer1_Timer(); }); });

  const design::Rect optRects[2] = {design::kOptSq0, design::kOptSq1};
  const char* optCaptions[2] = {"5 Squares", "6 Squares"};
  const char* optTags[2] = {"000013", "001000"};
  for (int i = 1; i >= 0; --i) {
    optSq_[i] = &window.add(std::make_unique<OptionControl>("OptSq", i, optTags[i]));
    const auto& r = optRects[i];
    optSq_[i]->setBounds(r.left, r.top, r.width, r.height);
    optSq_[i]->setCaption(optCaptions[i]);
    optSq_[i]->setBackColor(0x00FFFF00);
    optSq_[i]->setForeColor(design::kWindowText);
    optSq_[i]->setFont(arial(14.25f));
    optSq_[i]->setClickHandler([this, i] { Guarded([&] { Recorded("", [&] { OptSq_Click(i); }, true); }); });
    optSq_[i]->setMouseMoveHandler([this, i](int16_t b, int16_t s, float x, float y) {
      Guarded([&] { OptSq_MouseMove(i, b, s, x, y); });
    });
  }
  optSq_[0]->joinGroup(optSq_[1]);

  // ComKey(0) first, then ComKey(11) down to ComKey(1).
  for (int n = 0; n < 12; ++n) {
    const int i = n == 0 ? 0 : 12 - n;
    const auto& k = design::kKeys[i];
    char tag[16];
    std::snprintf(tag, sizeof tag, "%3d%03d", i, i + 1);
    comKey_[i] = &window.add(button("ComKey", i, tag, k.rect, design::kButtonFace, arial(k.fontSize)));
    comKey_[i]->setCaption(k.caption);
    comKey_[i]->setMousePointer(k.pointer);
    comKey_[i]->setClickHandler(
        [this, i] { Guarded([&] { Recorded(ComKey(i).caption(), [&] { ComKey_Click(i); }); }); });
    comKey_[i]->setMouseMoveHandler([this, i](int16_t b, int16_t s, float x, float y) {
      Guarded([&] { ComKey_MouseMove(i, b, s, x, y); });
    });
  }

  flexBox_ = &window.add(std::make_unique<GridControl>("FlexBox", "000016", 16, 16));
  const auto& fr = design::kFlexBox;
  flexBox_->setBounds(fr.left, fr.top, fr.width, fr.height);
  flexBox_->setFont(narrow());
  // Named by the tile selected when the click comes.
  flexBox_->setClickHandler(
      [this] { Guarded([&] { Recorded("Set tile " + std::to_string(CurTile), [&] { FlexBox_Click(); }); }); });
  flexBox_->setMouseMoveHandler(
      [this](int16_t b, int16_t s, float x, float y) { Guarded([&] { FlexBox_MouseMove(b, s, x, y); }); });

  for (size_t n = 0; n < design::kLabels.size(); ++n) {
    const auto& d = design::kLabels[n];
    auto label = std::make_unique<Control>(ControlKind::Label, d.name, -1, "   000");
    label->setBounds(d.rect.left, d.rect.top, d.rect.width, d.rect.height);
    label->setCaption(d.caption);
    label->setToolTip(d.toolTip);
    switch (d.style) {
      case design::LabelStyle::Caption:
        label->setBackColor(kCaptionLabelBack);
        label->setForeColor(design::kWindowText);
        label->setFont(arial(18.0f));
        break;
      case design::LabelStyle::Value:
        label->setBackColor(kValueLabelBack);
        label->setForeColor(design::kWindowText);
        label->setFont(arial(20.25f));
        break;
      case design::LabelStyle::Tip:
        label->setBackColor(0x000000FF);
        label->setForeColor(0x00FFFFFF);
        label->setFont(arial(15.75f));
        break;
    }
    labels_[n] = &window.add(std::move(label));
  }
  LabTip().setClickHandler([this] { Guarded([&] { LabTip_Click(); }); });
  LabTip().setMouseMoveHandler(
      [this](int16_t b, int16_t s, float x, float y) { Guarded([&] { LabTip_MouseMove(b, s, x, y); }); });

  for (int k = 0; k < window.count(); ++k) window.control(k).setTabIndex(k);
}

namespace {

// A control array's element; an index the array does not have is an error.
template <typename T, size_t N>
T& element(T* const (&array)[N], int i) {
  if (i < 0 || i >= static_cast<int>(N)) {
    throw ProgramError("Control array element " + std::to_string(i) + " doesn't exist");
  }
  return *array[i];
}

}  // namespace

Control& Form1::ComBT(int i) { return element(comBT_, i); }
Control& Form1::ComTile(int i) { return element(comTile_, i); }
OptionControl& Form1::OptSq(int i) { return element(optSq_, i); }
Control& Form1::ComKey(int i) { return element(comKey_, i); }
