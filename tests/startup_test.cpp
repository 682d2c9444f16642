// Start-up on different screens and piece files, the control collection as
// designed, the scaling of every control and the control-number table.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "harness.h"

TEST(StartUp, ScalesToEveryScreenAndSetsUpTheFirstBox) {
  // 14280 x 1.5625 = 22312.5 and 600 x 1.5625 = 937.5 go to the even neighbour.
  const struct {
    int w, h;
    float sx, sy;
    std::array<int, 9> at;  // BTLeft, BTTop, BtnH5, BtnW5, BtnH6, BtnW6, ComTile(0) Left and Top, ComTile(6) Left
  } screens[] = {
      {1264, 761, 1.0f, 1.0f, {2880, 120, 600, 600, 480, 480, 14280, 120, 18240}},
      {1975, 761, 1.5625f, 1.0f, {4500, 120, 600, 938, 480, 750, 22312, 120, 28500}},
      {1024, 768, 15360 / 18960.0f, 11520 / 11415.0f, {2333, 121, 606, 486, 484, 389, 11569, 121, 14777}},
  };
  for (const auto& s : screens) {
    SCOPED_TRACE(std::to_string(s.w) + "x" + std::to_string(s.h));
    Game g(s.w, s.h);
    Form1& f = g.f();
    EXPECT_FLOAT_EQ(f.ScaleX, s.sx);
    EXPECT_FLOAT_EQ(f.ScaleY, s.sy);
    EXPECT_EQ(f.ScaleMin, std::min(f.ScaleX, f.ScaleY));
    EXPECT_EQ((std::array<int, 9>{f.BTLeft, f.BTTop, f.BtnH5, f.BtnW5, f.BtnH6, f.BtnW6, f.PalLeft(1, 0),
                                  f.PalTop(1, 0), f.PalLeft(1, 6)}), s.at);
    for (int k = 0; k < f.window.count(); ++k) {
      const Control& c = f.window.control(k);
      if (c.kind() == ControlKind::Timer || !c.visible()) continue;
      EXPECT_TRUE(c.left() >= 0 && c.top() >= 0 && c.left() + c.width() <= s.w * 15.0f &&
                  c.top() + c.height() <= s.h * 15.0f) << c.name() << c.index();
    }
    EXPECT_TRUE(g.sys.messages.empty() && g.sys.shown == 1 && !g.sys.unloaded);
    EXPECT_TRUE(f.OptSq(0).value() && f.ListBoxSize().listIndex() == 0);
    EXPECT_EQ(f.BoxSize, "6 by 10");
  }
}

// Common screens, also at Qt's scale factor 2 (half the pixels): a 32:9
// screen once overflowed the grid's width on the widest boxes.
TEST(StartUp, EveryBoxSetsUpInsideTheWindowOnEveryScreenAndScale) {
  for (const auto& [w, h] : {std::pair{800, 600}, {1024, 768}, {1366, 768}, {1920, 1080}, {2560, 1440}, {3840, 2160},
                             {5120, 1440}}) {
    for (int scale : {1, 2}) {
      Game g(w / scale, h / scale);
      Form1& f = g.f();
      for (int variant : {0, 1}) {
        g.selectSquares(variant);
        for (int i = 0; i < f.ListBoxSize().listCount(); ++i) {
          f.ListBoxSize().playerSelect(i);
          const GridControl& grid = f.FlexBox();
          SCOPED_TRACE(std::to_string(w / scale) + "x" + std::to_string(h / scale) + " " + f.ListBoxSize().list(i));
          EXPECT_EQ(formatRight(grid.rows() - 1, 1) + " by " + formatRight(grid.cols() - 1, 2), f.ListBoxSize().list(i));
          EXPECT_TRUE(grid.visible() && grid.left() >= 0 && grid.top() >= 0 &&
                      grid.left() + grid.width() <= f.window.width() && grid.top() + grid.height() <= f.window.height());
          f.ActionIndex = f.BoxSquares - 1;  // a video's pointer aims at the middle of the last square
          f.ActionLetter = "S";
          ASSERT_NO_THROW(f.SetMouse());
          EXPECT_TRUE(f.AnchorRow == grid.rows() - 2 && f.AnchorCol == grid.cols() - 2);
          EXPECT_NEAR(f.TargetX * f.TwipsPerPixel, grid.left() + f.CellWidth * (grid.cols() - 1.5f), 0.1f);
          EXPECT_NEAR(f.TargetY * f.TwipsPerPixel, grid.top() + f.CellHeight * (grid.rows() - 1.5f), 0.1f);
        }
      }
      EXPECT_EQ(g.sys.messages, std::vector<std::string>{});
    }
  }
}

// Each case: file content (none: no file), the message shown, 8 by 8 patterns
// left, and the sizes listed for 5 and then 6 squares.
TEST(StartUp, PieceFilesThatCannotBeReadEndTheProgramAndAnEmptyOneKeepsTheBuiltInSizes) {
  const std::string builtIn =
      "5 by 12|5 by 10|5 by  8|5 by  5|4 by 15|12 by 15|10 by 12|9 by 14|8 by 12|7 by 12|6 by  6|";
  const std::tuple<const char*, std::string, int, std::string> cases[] = {
      {nullptr, "No PENTIPOS File", 0, ""},
      {"B00006 10 4425 3825 720\r\nB01706 10 4425 3825 720\r\n", "Error in CText B01706 10 4425 3825 720", 0, ""},
      {"", "", 0, "6 by 10|" + builtIn},
      // The first list click of a run only sets a flag: one set-up, one pattern drawn.
      {"B00008 08 5865 2610 720\r\n", "", 18, "8 by  8|" + builtIn},
      // A square count without sizes selects nothing; the other one still works.
      {"B00000 00\r\nB00100 00\r\nB00200 00\r\nB00300 00\r\nB00400 00\r\nB00500 00\r\n", "", 0,
       builtIn.substr(builtIn.find("12 by"))},
  };
  for (const auto& [content, message, pool, sizes] : cases) {
    SCOPED_TRACE(message + sizes);
    TempDir dir;
    if (content) dir.write("PENTIPOS.TXT", content);
    Game g(1264, 761, dir.path());
    EXPECT_EQ(g.sys.messages, message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message});
    EXPECT_TRUE(g.sys.shown == 1 && g.sys.unloaded == !message.empty());
    EXPECT_EQ(g.f().Pool88Count, pool);
    std::string listed;
    for (int variant : {0, 1}) {
      if (!g.sys.unloaded) g.selectSquares(variant);
      EXPECT_EQ(g.f().ListBoxSize().listIndex(), g.f().ListBoxSize().listCount() ? 0 : -1);
      for (int i = 0; i < g.f().ListBoxSize().listCount(); ++i) listed += g.f().ListBoxSize().list(i) + "|";
    }
    EXPECT_EQ(listed, sizes);
  }
}

TEST(Window, ControlsInDesignOrderAreScaledAndTheGuidedOnesNumbered) {
  FakeServices sys;
  Form1 f(sys);
  // An earlier control is in front: the block over the box, the palette's
  // buttons over the box once placed (the table below pins the others).
  ASSERT_EQ(f.window.count(), 247);
  EXPECT_EQ(&f.window.control(0), &f.ComBlock());
  for (int i = 0; i <= 209; ++i) EXPECT_EQ(&f.window.control(216 - i), &f.ComTile(i));
  EXPECT_EQ(f.ComTile(188).tag(), "1880000");

  f.ScaleX = 1.5f;
  f.ScaleY = 2.0f;
  f.ScaleMin = 0.75f;  // fonts follow the smaller factor alone
  f.ScreenAdj();
  EXPECT_TRUE(sys.messages.empty());
  const Control& grid = f.FlexBox();  // all but the height scaled
  EXPECT_EQ((std::array<float, 4>{grid.left(), grid.top(), grid.width(), grid.height()}),
            (std::array<float, 4>{5220, 5040, 10125, 6750}));
  // Designed 14.25, 15.75 and 12 are rounded first: 14 x 0.75 = 10.5 goes to the even 10.
  EXPECT_EQ(f.ComTile(0).font().size, 10);
  EXPECT_EQ(f.LabTip().font().size, 12);
  EXPECT_EQ(f.ComKey(6).font().size, 9);
  // The keys (ComKey(0) first, then 11 down to 1), list, options, palette, box, display.
  std::vector<int> expected = {221, 232, 231, 230, 229, 228, 227, 226, 225, 224, 223, 222, 220, 217, 216, 233, 6};
  expected.resize(41, 0);
  for (int e = 0; e <= 40; ++e) EXPECT_EQ(f.CtlByTab(e), expected[e]) << "entry " << e;
}

TEST(Window, AControlWithAnEmptyTagStopsTheScalingWithAMessage) {
  FakeServices sys;
  Form1 f(sys);
  f.ScaleX = f.ScaleY = 2.0f;
  f.ScaleMin = 0.5f;
  auto extra = std::make_unique<Control>(ControlKind::Label, "Extra", -1, "");
  extra->setBounds(100, 100, 100, 100);
  f.window.add(std::move(extra));
  f.ScreenAdj();
  EXPECT_EQ(sys.messages, std::vector<std::string>{"ConList Extra0247-001 8"});
  EXPECT_FLOAT_EQ(f.LabTip().left(), 240);  // the controls before it are scaled
  EXPECT_FLOAT_EQ(f.window.control(247).left(), 100);
}
