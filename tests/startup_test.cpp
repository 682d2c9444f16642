// Start-up on different screens, the control collection as designed, the
// scaling of every control and the control-number table.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "harness.h"

namespace {

std::vector<std::string> listItems(Form1& f) {
  std::vector<std::string> items;
  for (int i = 0; i < f.ListBoxSize().listCount(); ++i) items.push_back(f.ListBoxSize().list(i));
  return items;
}

// Records whether the window had been shown when the first message box came.
struct OrderedServices : FakeServices {
  int shownAtFirstMessage = -1;
  void messageBox(const std::string& text) override {
    if (messages.empty()) shownAtFirstMessage = shown;
    FakeServices::messageBox(text);
  }
};

}  // namespace

TEST(StartUp, ScalesToEveryScreenAndSelectsFiveSquares) {
  // Positions round halves to even: 14280 x 1.5625 = 22312.5, 14280 x 1.4375 = 20527.5,
  // 600 x 1.5625 = 937.5, 600 x 1.4375 = 862.5.
  const struct {
    int w, h;
    float sx, sy;
    int btLeft, btTop, btnH5, btnW5, btnH6, btnW6;
    int palLeft0, palTop0, palLeft6;
  } screens[] = {
      {1264, 761, 1.0f, 1.0f, 2880, 120, 600, 600, 480, 480, 14280, 120, 18240},
      {1896, 761, 1.5f, 1.0f, 4320, 120, 600, 900, 480, 720, 21420, 120, 27360},
      {1975, 761, 1.5625f, 1.0f, 4500, 120, 600, 938, 480, 750, 22312, 120, 28500},
      {1817, 761, 1.4375f, 1.0f, 4140, 120, 600, 862, 480, 690, 20528, 120, 26220},
      {948, 761, 0.75f, 1.0f, 2160, 120, 600, 450, 480, 360, 10710, 120, 13680},
      {1024, 768, 15360 / 18960.0f, 11520 / 11415.0f, 2333, 121, 606, 486, 484, 389, 11569, 121, 14777},
      {1920, 1080, 28800 / 18960.0f, 16200 / 11415.0f, 4375, 170, 852, 911, 681, 729, 21691, 170, 27706},
      {2560, 1440, 38400 / 18960.0f, 21600 / 11415.0f, 5833, 227, 1135, 1215, 908, 972, 28922, 227, 36942},
      {3840, 2160, 57600 / 18960.0f, 32400 / 11415.0f, 8749, 341, 1703, 1823, 1362, 1458, 43382, 341, 55413},
  };
  for (const auto& s : screens) {
    SCOPED_TRACE(std::to_string(s.w) + "x" + std::to_string(s.h));
    Game g(s.w, s.h);
    Form1& f = g.f();
    EXPECT_FLOAT_EQ(f.ScaleX, s.sx);
    EXPECT_FLOAT_EQ(f.ScaleY, s.sy);
    EXPECT_EQ(f.ScaleMin, std::min(f.ScaleX, f.ScaleY));
    EXPECT_EQ((std::array<int, 6>{f.BTLeft, f.BTTop, f.BtnH5, f.BtnW5, f.BtnH6, f.BtnW6}),
              (std::array<int, 6>{s.btLeft, s.btTop, s.btnH5, s.btnW5, s.btnH6, s.btnW6}));
    // ComTile(0), and ComTile(6), the right-most designed button
    EXPECT_EQ((std::array<int, 3>{f.PalLeft(1, 0), f.PalTop(1, 0), f.PalLeft(1, 6)}),
              (std::array<int, 3>{s.palLeft0, s.palTop0, s.palLeft6}));
    EXPECT_FLOAT_EQ(f.TwipsPerPixel, 15.0f);
    EXPECT_EQ(f.window.windowState(), 2);
    for (int k = 0; k < f.window.count(); ++k) {  // every visible control lies on the screen
      const Control& c = f.window.control(k);
      if (c.kind() == ControlKind::Timer || !c.visible()) continue;
      EXPECT_TRUE(c.left() >= 0 && c.top() >= 0 && c.left() + c.width() <= s.w * 15.0f &&
                  c.top() + c.height() <= s.h * 15.0f)
          << c.name() << c.index();
    }

    EXPECT_TRUE(g.sys.messages.empty()) << g.sys.messages.front();
    EXPECT_EQ(g.sys.shown, 1);
    EXPECT_FALSE(g.sys.unloaded);
    EXPECT_TRUE(f.OptSq(0).value());
    EXPECT_FALSE(f.OptSq(1).value());
    EXPECT_EQ(f.SizeClickSeen, 1);
    ASSERT_EQ(f.ListBoxSize().listIndex(), 0);
    EXPECT_EQ(f.BoxSize, f.ListBoxSize().list(0));
    EXPECT_EQ(f.FlexBox().rows(), f.BoxLines + 1);
    EXPECT_EQ(f.FlexBox().cols(), f.BoxColumns + 1);
    EXPECT_EQ(f.AvailSquares, 60);
  }
}

TEST(StartUp, SetsUpTheFirstBoxExactlyOnce) {
  TempDir dir;
  dir.write("PENTIPOS.TXT", "B00008 08 5865 2610 720\r\n");  // the first size is "8 by  8"
  Game g(1920, 1080, dir.path());
  EXPECT_EQ(g.f().BoxSize, "8 by  8");
  EXPECT_EQ(g.f().Pool88Count, 18);  // one pattern drawn: one set-up
}

TEST(StartUp, APieceFileThatCannotBeReadEndsTheProgram) {
  const struct {
    const char* content;  // nullptr: no file
    std::string message;
  } cases[] = {
      {nullptr, "No PENTIPOS File"},
      {"B00006 10 4425 3825 720\r\nB01706 10 4425 3825 720\r\nE19 00\r\n", "Error in CText B01706 10 4425 3825 720"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    if (c.content) dir.write("PENTIPOS.TXT", c.content);
    OrderedServices sys;
    sys.dir = dir.path();
    Form1 f(sys);
    f.Form_Load();
    EXPECT_EQ(sys.messages, std::vector<std::string>{c.message});
    EXPECT_EQ(sys.shownAtFirstMessage, 0);
    EXPECT_EQ(sys.shown, 1);
    EXPECT_TRUE(sys.unloaded);
    EXPECT_FALSE(f.TileFits);
    EXPECT_FALSE(f.OptSq(0).value());
    EXPECT_EQ(f.ListBoxSize().listCount(), 0);
  }
}

TEST(StartUp, AnEmptyPieceFileLeavesTheBuiltInSizes) {
  TempDir dir;
  dir.write("PENTIPOS.TXT", "");
  Game g(1264, 761, dir.path());
  EXPECT_TRUE(g.sys.messages.empty());
  EXPECT_FALSE(g.sys.unloaded);
  EXPECT_EQ(listItems(g.f()),
            (std::vector<std::string>{"6 by 10", "5 by 12", "5 by 10", "5 by  8", "5 by  5", "4 by 15"}));
  EXPECT_EQ(g.f().BoxCode, "0610");
  EXPECT_EQ(g.f().AvailSquares, 60);
  g.selectSquares(1);
  EXPECT_EQ(listItems(g.f()),
            (std::vector<std::string>{"12 by 15", "10 by 12", "9 by 14", "8 by 12", "7 by 12", "6 by  6"}));
  EXPECT_EQ(g.f().BoxCode, "1215");
}

TEST(Window, ControlCollectionAsDesigned) {
  FakeServices sys;
  Form1 f(sys);
  ASSERT_EQ(f.window.count(), 247);
  EXPECT_EQ(&f.window.control(0), &f.ComBlock());
  for (int i = 0; i <= 5; ++i) EXPECT_EQ(&f.window.control(6 - i), &f.ComBT(i));
  for (int i = 0; i <= 209; ++i) EXPECT_EQ(&f.window.control(216 - i), &f.ComTile(i));
  EXPECT_EQ(&f.window.control(217), &f.ListBoxSize());
  EXPECT_EQ(&f.window.control(218), &f.Timer1());
  EXPECT_EQ(&f.window.control(219), &f.OptSq(1));
  EXPECT_EQ(&f.window.control(220), &f.OptSq(0));
  EXPECT_EQ(&f.window.control(221), &f.ComKey(0));
  for (int i = 1; i <= 11; ++i) EXPECT_EQ(&f.window.control(233 - i), &f.ComKey(i));
  EXPECT_EQ(&f.window.control(233), &f.FlexBox());
  EXPECT_EQ(&f.window.control(234), &f.LabTNo());
  EXPECT_EQ(&f.window.control(246), &f.LabTip());

  EXPECT_EQ(f.ComTile(188).tag(), "1880000");
  EXPECT_EQ(f.ComKey(11).tag(), " 11012");
  EXPECT_EQ(f.ComTile(132).caption(), "22 ");

  // Every control lies inside the designed client area.
  float right = 0, bottom = 0;
  for (int k = 0; k < f.window.count(); ++k) {
    const Control& c = f.window.control(k);
    if (c.kind() == ControlKind::Timer) continue;
    right = std::max(right, c.left() + c.width());
    bottom = std::max(bottom, c.top() + c.height());
  }
  EXPECT_EQ(right, 18720);
  EXPECT_EQ(bottom, 10695);

  f.LabTip().setCaption("Rotate Right");
  f.Form_MouseMove(0, 0, 10, 10);
  EXPECT_EQ(f.LabTip().caption(), " ");
}

TEST(ScreenAdj, ScalesEveryControlAndNumbersTheGuidedOnes) {
  FakeServices sys;
  Form1 f(sys);
  f.ScaleX = 1.5f;
  f.ScaleY = 2.0f;
  f.ScaleMin = 1.5f;
  f.Timer1().setLeft(37);
  f.ScreenAdj();
  EXPECT_TRUE(sys.messages.empty());

  auto bounds = [](const Control& c) { return std::array<float, 4>{c.left(), c.top(), c.width(), c.height()}; };
  EXPECT_EQ(bounds(f.FlexBox()), (std::array<float, 4>{5220, 5040, 10125, 6750}));  // all but the height
  EXPECT_EQ(bounds(f.ListBoxSize()), (std::array<float, 4>{900, 13440, 2362.5f, 4740}));
  EXPECT_FLOAT_EQ(f.ComBT(5).left(), 8820);
  EXPECT_FLOAT_EQ(f.LabTip().height(), 3150);
  EXPECT_FLOAT_EQ(f.Timer1().left(), 37);
  EXPECT_EQ(f.Timer1().interval(), 2500);
  EXPECT_FALSE(f.Timer1().enabled());

  std::vector<int> expected = {221, 232, 231, 230, 229, 228, 227, 226, 225, 224, 223, 222, 220, 217, 216, 233, 6};
  expected.resize(41, 0);
  for (int e = 0; e <= 40; ++e) EXPECT_EQ(f.CtlByTab(e), expected[e]) << "entry " << e;
}

TEST(ScreenAdj, FontSizesAreRoundedThenScaled) {
  const struct {
    float scaleMin;
    float tile, grid, tip, value, caption, flip;  // designed 14.25, 14.25, 15.75, 20.25, 18, 12
  } cases[] = {
      {1.0f, 14, 14, 16, 20, 18, 12},
      {0.8f, 11, 11, 13, 16, 14, 10},
      {0.75f, 10, 10, 12, 15, 14, 9},  // 10.5 and 13.5 go to the even neighbour
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scaleMin);
    FakeServices sys;
    Form1 f(sys);
    f.ScaleX = f.ScaleY = 1.0f;
    f.ScaleMin = c.scaleMin;
    f.ScreenAdj();
    EXPECT_EQ(f.ComTile(0).font().size, c.tile);
    EXPECT_EQ(f.FlexBox().font().size, c.grid);
    EXPECT_EQ(f.LabTip().font().size, c.tip);
    EXPECT_EQ(f.LabTNo().font().size, c.value);
    EXPECT_EQ(f.LabT().font().size, c.caption);
    EXPECT_EQ(f.ComKey(6).font().size, c.flip);
    EXPECT_FLOAT_EQ(f.ComKey(6).left(), 120);
  }
}

TEST(ScreenAdj, AFaultyTagStopsTheWalkWithAMessage) {
  const struct {
    std::vector<const char*> tags;  // of controls added after LabTip
    std::string message;
    int stopsAt;  // position of the faulty control
  } cases[] = {
      {{"", "   000"}, "ConList Extra2470247-001 8", 247},
      {{"abc  7", "abc041", "abc042", "abc000"}, "ConList Extra2490249041" "15", 249},
  };
  for (const auto& c : cases) {
    FakeServices sys;
    Form1 f(sys);
    f.ScaleX = f.ScaleY = 2.0f;
    f.ScaleMin = 0.5f;
    for (size_t n = 0; n < c.tags.size(); ++n) {
      auto extra = std::make_unique<Control>(ControlKind::Label, "Extra" + std::to_string(247 + n), -1, c.tags[n]);
      extra->setBounds(100, 100, 100, 100);
      extra->setFont({"Arial", 30.0f, true});
      f.window.add(std::move(extra));
    }
    f.ScreenAdj();
    EXPECT_EQ(sys.messages, std::vector<std::string>{c.message});
    EXPECT_FLOAT_EQ(f.LabTip().left(), 240);
    for (int k = 247; k < f.window.count(); ++k) {
      const bool adjusted = k < c.stopsAt;
      EXPECT_FLOAT_EQ(f.window.control(k).left(), adjusted ? 200 : 100) << k;
      EXPECT_EQ(f.window.control(k).font().size, adjusted ? 15 : 30) << k;
    }
    if (c.stopsAt == 249) {
      EXPECT_EQ(f.CtlByTab(6), 247);
      EXPECT_EQ(f.CtlByTab(40), 248);
    }
    EXPECT_EQ(f.CtlByTab(14), 216);
  }
}
