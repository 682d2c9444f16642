// Message lookup in OBJECTS.TXT and speaking a sentence.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "harness.h"

// Message m is record m + 1, which begins with the number; beyond the end of
// the file the record and the text are blank.
TEST(MessageFile, ShippedMessagesByNumber) {
  Game g;
  Form1& f = g.f();
  const std::tuple<int, std::string, std::string> cases[] = {
      {0, "  0", ""}, {35, " 35", "Well done, the puzzle is solved"}, {5000, "   ", ""}};
  for (const auto& [message, number, text] : cases) {
    f.ObjRecNo = message;
    f.GetObjMsg();
    EXPECT_EQ(f.ObjRecNo, message + 1);
    EXPECT_EQ(f.MsgText, text) << message;
    EXPECT_EQ(f.ObjRecord.substr(0, 3), number);
  }
  EXPECT_TRUE(g.sys.messages.empty());
}

// Without the file the sentences are empty and the player is told once; a
// file that appears later is used.
TEST(MessageFile, MissingFileIsReportedOnce) {
  TempDir dir;
  dir.copyShipped("PENTIPOS.TXT");
  Game g(1920, 1080, dir.path());
  g.f().MsgText = "left over";
  g.clickCell(0, 0);  // no tile selected
  g.clickTile(0);
  g.clickCell(0, 0);
  g.clickKey(11);  // refused at column 0: only the figures remain
  EXPECT_EQ(g.sys.spoken, (std::vector<std::string>{"", "  0"}));
  EXPECT_EQ(g.sys.messages.size(), 1u);
  dir.copyShipped("OBJECTS.TXT");
  g.clickKey(11);
  EXPECT_EQ(g.lastSpoken(), "The tile cannot move left of column  0");
}

// Silent while the solve loop runs: a refusal says nothing and lets no
// events run. (A click that arrives while a sentence is spoken waits for its
// end: the tile tests' reset.)
TEST(Speech, SilentInTheSolveLoop) {
  Game g;
  int events = 0;
  g.sys.onDoEvents = [&] { ++events; };
  g.f().TimerState = 1;
  g.clickCell(0, 0);
  EXPECT_EQ(events + g.sys.spoken.size(), 0u);
}
