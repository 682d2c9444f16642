// The guided video, the pointer's glide and the solve loop, with the timer
// cranked by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>

#include "harness.h"

namespace {

// Ticks until the video has ended or waits for the player.
void crank(Game& g) {
  for (int ticks = 0; g.f().Timer1().enabled() && ticks < 20000; ++ticks) g.tick();
}

// The control under the pointer the video moved, or null.
Control* underPointer(Form1& f) {
  const int k = f.window.controlAt(f.PointerX * f.TwipsPerPixel, f.PointerY * f.TwipsPerPixel);
  return k < 0 ? nullptr : &f.window.control(k);
}

// A game whose information video is the given script (CR LF added).
struct ScriptGame {
  TempDir dir;
  std::unique_ptr<Game> game;
  explicit ScriptGame(const std::vector<std::string>& lines) {
    dir.copyShipped("PENTIPOS.TXT");
    dir.copyShipped("OBJECTS.TXT");
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    dir.write("VIDINFO5.TXT", text);
    game = std::make_unique<Game>(1920, 1080, dir.path());
  }
  void start(int soundAnswer) {
    game->sys.yesNoAnswers = {soundAnswer};
    game->clickKey(3);
  }
};

// The pointer ends on the control the record names (the sign rule: one
// record serves a control array), which the click reached.
TEST(Video, EveryActionLetterSaysWhereThePointerGoesAndClicksThere) {
  // Line, sentence, and what the click did.
  const std::tuple<std::string, std::string, std::function<bool(Form1&)>> cases[] = {
      {"M   46BY2", "Move the Mouse to  Select Box Tile and Click",
       [](Form1& f) { return underPointer(f) == &f.ComBT(2); }},
      {"M   44OY1", "Move the Mouse to Set Tile Size 6 Squares and Click",
       [](Form1& f) { return f.SqVariant == 1 && underPointer(f) == &f.OptSq(1); }},
      {"M   42KY4", "Move the Mouse to Rotate Right and Click",
       [](Form1& f) { return f.LastKey == 5 && underPointer(f) == &f.ComKey(4); }},
      {"M   47MY 13", "Move the Mouse to Information Label and Click",
       [](Form1& f) {
         return f.LabTip().caption() == "This label\r\nprovides\r\nInformation" && underPointer(f) == &f.LabTip();
       }},
      {"M   45LY3", "Move the Mouse to ListBox and Scroll down to 5 by  8 and Click",
       [](Form1& f) { return f.BoxSize == "5 by  8" && underPointer(f) == &f.ListBoxSize(); }},
      {"M   41SY 12", "Move the Mouse to Box square 12 and Click", [](Form1& f) { return f.AnchorSq == 12; }},
      {"M   41SY12x", "Move the Mouse to Box square12x and Click", [](Form1& f) { return f.AnchorSq == 12; }},
      {"M   40TY  2", "Move the Mouse to Tile   2 and Click", [](Form1& f) { return f.TileNo == 2 && f.TileSelected; }},
      {"M   42KN1", "Move the Mouse to Reset Tile and You Click",
       [](Form1& f) { return f.TileSelected && f.VideoState == 7 && underPointer(f) == &f.ComKey(1); }},
  };
  for (const auto& [line, sentence, clicked] : cases) {
    SCOPED_TRACE(line);
    ScriptGame s({"M   40TY1", line, "."});
    s.start(6);
    Form1& f = s.game->f();
    crank(*s.game);
    EXPECT_EQ(s.game->sys.spoken.at(1), sentence);
    EXPECT_TRUE(clicked(f));
    EXPECT_TRUE(s.game->sys.messages.empty()) << s.game->sys.messages.front();
  }
}

TEST(Video, GlidesInSixtyPixelStepsAtItsPaceAndWaitsForTheRightClicks) {
  ScriptGame s({"S  First line", "M   40TN0", "S  After the wait", "M   42KY1", "."});
  Game& g = *s.game;
  Form1& f = g.f();
  s.start(6);
  EXPECT_EQ(f.Timer1().interval(), 500);
  g.tick();
  g.tick();
  EXPECT_EQ(f.Timer1().interval(), 80);  // from the first "M" line on
  const float tx = f.TargetX, ty = f.TargetY;
  EXPECT_GT(f.StepTotal, 10);
  for (int n = 1; n <= f.StepTotal; ++n) {
    g.tick();
    EXPECT_EQ(g.sys.pointer.back(), std::make_pair(roundInt32(n * f.StepX), roundInt32(n * f.StepY)));
    EXPECT_LT(std::hypot(f.StepX, f.StepY), 75.0);
  }
  g.tick();
  EXPECT_EQ(g.sys.pointer.back(), std::make_pair(roundInt32(tx), roundInt32(ty)));
  f.ComBT(0).playerClick();
  f.LabTip().playerClick();
  EXPECT_FALSE(f.Timer1().enabled());  // still waiting
  g.clickTile(5);
  g.tick();
  EXPECT_EQ(g.lastSpoken(), "After the wait");
  // Each of the player's other controls lets it go on as well: a cell, the
  // list, the option, every action key but the video's own.
  std::vector<std::function<void()>> resumers = {[&] { g.clickCell(1, 1); }, [&] { g.selectSize("5 by 10"); },
                                                 [&] { g.selectSquares(1); }};
  for (int key : {0, 1, 4, 5, 6, 7, 8, 9, 10, 11}) resumers.push_back([&g, key] { g.clickKey(key); });
  for (const auto& resume : resumers) {
    f.ClickFlag = "N";
    f.Timer1().setEnabled(false);
    resume();
    EXPECT_TRUE(f.Timer1().enabled() && f.TimerState == 7) << &resume - &resumers[0];
  }
}

TEST(Video, TheSoundAnswerChoosesTheLinesSpoken) {
  const std::vector<std::string> script = {"S  Always? No", "SY Always", "M   40TY1", "MY  40TY2", ".", "S  never read"};
  for (const auto& [answer, spoken] :
       {std::pair{6, std::vector<std::string>{"Always? No", "Always", "Move the Mouse to Tile 1 and Click",
                                              "Move the Mouse to Tile 2 and Click"}},
        {7, {"Always", "Move the Mouse to Tile 2 and Click"}}}) {
    ScriptGame s(script);
    s.game->f().FlexBox().setRow(0);
    s.game->clickTile(0);
    s.game->clickCell(0, 0);  // starting a video clears the box first
    s.start(answer);
    EXPECT_EQ(s.game->f().PlacedSquares, 0);
    EXPECT_EQ(s.game->sys.questions.back(), "Do you want to hear the sound\r\nafter the start of the Video?");
    s.game->sys.spoken.clear();
    crank(*s.game);
    EXPECT_EQ(s.game->sys.spoken, spoken);
    EXPECT_EQ(s.game->f().VideoState, 0);
  }
}

// A missing script, one without a "." line, "M" lines naming no control or
// an element its array does not have all end cleanly, with at most the one
// message box of a control number past the table.
TEST(Video, FaultyScriptsEndCleanly) {
  const std::tuple<std::vector<std::string>, std::vector<std::string>> cases[] = {
      {{"S  only line"}, {}},                       // no "." line
      {{"M   47MY 60", "."}, {}},                   // beyond the last control: the pointer stays
      {{"M   48KY4", "."}, {"NFmt=48NObjx=45"}},    // a control number past the table
      {{"M   40OY7", "."}, {}},                     // OptSq(7) does not exist: nothing is clicked
      {{"M   42KY15", "M   46BY9", "M   45LY12", "M   40TY 99", "M   40TY-1", "M   41SY516", "."}, {}},
      {{"M  4e4KY1", "M   40TY9e3", "."}, {}},  // numbers too large: damaged lines, skipped
  };
  for (const auto& [lines, boxes] : cases) {
    SCOPED_TRACE(lines[0]);
    ScriptGame s(lines);
    std::ifstream shipped(std::string(KARVELON_DATA_DIR) + "/OBJECTS.TXT", std::ios::binary);
    const std::string objects((std::istreambuf_iterator<char>(shipped)), std::istreambuf_iterator<char>());
    s.dir.write("OBJECTS.TXT", objects.substr(0, 48 * 64) + " 48   045" + std::string(53, ' ') + "\r\n");
    s.start(7);
    crank(*s.game);
    std::vector<std::string> seen = s.game->sys.messages;
    ASSERT_EQ(seen.size(), boxes.size());
    for (size_t i = 0; i < seen.size(); ++i) EXPECT_NE(seen[i].find(boxes[i]), std::string::npos) << seen[i];
    if (boxes.empty() || boxes[0][0] == 'N') {
      EXPECT_EQ(s.game->f().VideoState, 0);
    }
    EXPECT_FALSE(s.game->f().Timer1().enabled());
  }
  ScriptGame missing({});
  std::filesystem::remove(missing.dir.path() + "/VIDINFO5.TXT");
  missing.start(6);
  crank(*missing.game);
  EXPECT_EQ(missing.game->f().VideoState + missing.game->sys.messages.size(), 0u);
}

// A step of the video or of the solve loop that fails (a box without
// columns, a tile number past the last) ends it for good before the error
// is shown once; then the game speaks, records steps and starts a video as
// at rest.
TEST(Video, AFailedStepEndsTheVideoOrTheLoopAndLeavesTheGameWhole) {
  for (const bool loop : {false, true}) {
    SCOPED_TRACE(loop ? "solve loop" : "video");
    ScriptGame s({"S  Look.", "M   41SY 3", "M   41SY 3", "."});
    Game& g = *s.game;
    Form1& f = g.f();
    if (loop) {
      g.sys.yesNoAnswers = {7};
      g.clickKey(2);
      f.SolveTile = 40;
    } else {
      s.start(6);
      g.tick();
      f.BoxColumns = 0;
    }
    for (int n = 0; n < 50; ++n) g.tick();
    f.BoxColumns = 10;
    EXPECT_EQ(g.sys.messages.size(), 1u);
    EXPECT_EQ(std::make_tuple(f.Timer1().enabled(), f.VideoState, f.TimerState, f.window.subtitle()),
              std::make_tuple(false, 0, 0, std::string()));
    g.clickCell(0, 0);  // no tile selected: said aloud
    f.LoadMessage(31);
    EXPECT_EQ(g.lastSpoken(), f.MsgText);
    g.clickTile(0);
    g.clickCell(0, 0);
    f.EditUndo();
    EXPECT_EQ(g.lastSpoken(), "Undone: Set tile 0");
    s.start(6);
    EXPECT_EQ(f.VideoState, 7);
  }
}

TEST(Video, WatchVideoStopsItEvenDuringASentenceAndStartsItAgainLater) {
  ScriptGame s({"S  One", "S  Two", "S  Three", "."});
  Game& g = *s.game;
  Form1& f = g.f();
  g.sys.onDoEvents = [&] {
    if (g.lastSpoken() == "One") g.clickKey(3);  // arrives while "One" is spoken
  };
  s.start(6);
  crank(g);
  EXPECT_EQ(g.sys.spoken, std::vector<std::string>{"One"});
  EXPECT_EQ(f.VideoState + f.TimerState, 0);
  EXPECT_EQ(f.window.subtitle(), "");
  g.sys.onDoEvents = nullptr;
  g.sys.yesNoAnswers = {6};
  g.clickKey(3);
  crank(g);
  EXPECT_EQ(g.lastSpoken(), "Three");
  // "Solve Puzzle" answered Yes while a video runs stops it, and nothing starts.
  s.start(6);
  g.sys.yesNoAnswers = {6};
  g.clickKey(2);
  EXPECT_EQ(f.VideoState + f.TimerState, 0);
  EXPECT_EQ(f.VideoPath, s.dir.path() + "/VIDINFO5.TXT");
}

// Where the platform keeps the pointer, the window draws it and the control
// under it hears of it; a caption shows the sentence while the video runs.
TEST(Video, DrawnPointerAndCaptionsWithoutThePlatformsHelp) {
  ScriptGame s({"S  Watch the label.", "M   42KY4", "."});
  Game& g = *s.game;
  Form1& f = g.f();
  g.sys.pointerMovable = false;
  s.start(6);
  g.tick();
  EXPECT_EQ(f.window.subtitle(), "Watch the label.");
  while (f.TimerState != 8) g.tick();
  while (f.TimerState == 8) g.tick();
  EXPECT_TRUE(f.window.pointerShown());
  EXPECT_EQ(f.window.controlAt(f.window.pointerX() * 15.0f, f.window.pointerY() * 15.0f), 229);
  EXPECT_EQ(f.LabTip().caption(), "Click to\r\nRotate Right\r\n 4");
  crank(g);
  EXPECT_FALSE(f.window.pointerShown());
  EXPECT_EQ(f.window.subtitle(), "");
}

// Box squares as targets are checked on every box and screen by the start-up tests.
TEST(Pointer, WorkedExampleAndAShortMoveInOneJump) {
  Game g;
  Form1& f = g.f();
  f.TwipsPerPixel = 15;
  f.PointerX = f.PointerY = 0;
  f.ComKey(4).setBounds(1500, 3000, 1200, 600);
  f.ScriptMsgNo = 42;
  f.ActionIndex = 4;
  f.ActionLetter = "K";
  f.SetMouse();
  EXPECT_EQ(std::make_tuple(f.TargetX, f.TargetY, f.StepTotal, f.StepX, f.StepY),
            std::make_tuple(140.0f, 220.0f, int16_t{4}, 35, 55));
  f.PointerX = f.TargetX - 12;
  f.PointerY = f.TargetY + 16;
  f.SetMouse();
  EXPECT_EQ(f.StepTotal, 0);  // 20 pixels: one jump
}

// "Solve Puzzle" answered No, at rest, while the tour waits for the player,
// or while a short solving video plays: a running video ends for good, and
// the loop takes tile after tile silently on a cleared box and stops after
// the last; after it nothing of the video comes back. H or C while either
// runs only says that it must wait.
TEST(SolveLoop, TakesTileAfterTileSilentlyAndEndsARunningVideoForGood) {
  for (const std::string running : {"", "tour", "short video"}) {
    SCOPED_TRACE(running);
    ScriptGame s({"S  Your turn.", "M   40TN7", "S  Well done.", "M   42KY0", "."});
    s.dir.copyShipped("VID50610.TXT");
    Game& g = *s.game;
    Form1& f = g.f();
    if (running == "tour") {
      s.start(6);
      crank(g);  // waits at tile 7
      g.press('H');
      g.press('H');
      EXPECT_EQ(g.lastSpoken(), "Hints are ready when the video has ended");
      EXPECT_TRUE(g.sys.background.empty() && !f.Timer1().enabled() && f.PlacedSquares == 0);
    } else if (running == "short video") {
      g.sys.yesNoAnswers = {6, 7};
      g.clickKey(2);
      for (int n = 0; n < 60; ++n) g.tick();  // some tiles set
      ASSERT_NE(f.VideoState, 0);
    } else {
      g.clickTile(15);
      g.clickCell(0, 0);
    }
    g.sys.yesNoAnswers = {7};
    g.clickKey(2);
    EXPECT_EQ(g.sys.questions.back(), "Do you want to a short video\r\nor longer Solve Loop?");
    EXPECT_EQ(std::make_tuple(f.VideoState, f.TimerState, f.Timer1().interval(), f.window.subtitle(), f.PlacedSquares),
              std::make_tuple(0, 1, 20, std::string(), 0));
    EXPECT_EQ(f.VideoPath, s.dir.path() + "/VIDINFO5.TXT");
    g.press('H');
    EXPECT_EQ(g.lastSpoken(), "Hints are ready when the solve loop has ended");
    g.press('C');
    EXPECT_EQ(g.lastSpoken(), "Counts are ready when the solve loop has ended");
    EXPECT_TRUE(g.sys.background.empty());
    const auto said = g.sys.spoken.size();
    for (int t = 0; t <= f.LastTile; ++t) {
      g.tick();
      EXPECT_TRUE(f.TileAnchor(t) != -1 && f.SolveTile == t + 1) << t;
    }
    EXPECT_EQ(f.PlacedSquares, 60);  // every tile set, some over others
    const auto moved = g.sys.pointer.size();
    for (int n = 0; n < 100; ++n) g.tick();
    EXPECT_EQ(std::make_tuple(f.Timer1().enabled(), f.VideoState, f.TimerState, g.sys.spoken.size(), g.sys.pointer.size(),
                              f.PlacedSquares),
              std::make_tuple(false, 0, 0, said, moved, 60));
    EXPECT_EQ(checkBookkeeping(f), "");
  }
  // A tile that fits only turned: the loop tries the orientations in turn.
  Game g;
  g.selectSize("3 by 20");
  g.sys.yesNoAnswers = {7};
  g.clickKey(2);
  crank(g);
  for (int t = 0; t <= g.f().LastTile; ++t) EXPECT_NE(g.f().TileAnchor(t), -1) << t;
}

// The short solving videos are played on their own boxes by the solver's tests.
TEST(Video, EveryShippedInformationVideoPlaysToItsEnd) {
  for (const auto& entry : std::filesystem::directory_iterator(KARVELON_DATA_DIR)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("VIDINFO", 0) != 0) continue;
    SCOPED_TRACE(name);
    Game g;
    Form1& f = g.f();
    if (name[name.size() - 5] == '6') g.selectSquares(1);
    f.VideoPath = entry.path().string();
    g.sys.yesNoAnswers = {6};
    g.clickKey(3);
    for (int waits = 0; waits < 50 && f.VideoState != 0; ++waits) {
      crank(g);  // then a click of the player where the pointer has come to
      if (f.VideoState != 0) underPointer(f)->playerClick();
    }
    EXPECT_EQ(f.VideoState + f.TimerState, 0);
    EXPECT_TRUE(g.sys.messages.empty()) << g.sys.messages.front();
    EXPECT_GE(g.sys.spoken.size(), 20u);
    // Every narration line is said whole and in order: the player reads 60 characters of it.
    std::ifstream script(entry.path());
    auto said = g.sys.spoken.begin();
    for (std::string line; std::getline(script, line);) {
      if (!line.starts_with("S")) continue;
      line = line.substr(3, line.find_last_not_of("\r ") - 2);
      said = std::find(said, g.sys.spoken.end(), line);
      ASSERT_NE(said, g.sys.spoken.end()) << "not said in order: " << line;
    }
  }
}

}  // namespace
