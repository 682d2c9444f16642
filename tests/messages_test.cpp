// Message lookup in OBJECTS.TXT and speaking a sentence.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "harness.h"

namespace {

// One 64-byte record: free columns 1-3, the code in 4-17, the text in 18-61,
// an unread column 62 and CR LF.
std::string record(const std::string& text, char column62 = ' ') {
  std::string r = "  x" + std::string(14, '0') + text;
  r.resize(61, ' ');
  return r + column62 + "\r\n";
}

std::string lookUp(Form1& f, int message) {
  f.ObjRecNo = message;
  f.GetObjMsg();
  EXPECT_EQ(f.ObjRecNo, message + 1);
  return f.MsgText;
}

TEST(MessageFile, ShippedMessagesByNumber) {
  Game g;
  const std::pair<int, std::string> cases[] = {
      {0, ""},
      {8, "The tile is already at the top of the box"},
      {9, "The tile is already at the bottom of the box"},
      {10, "The tile cannot move right into column"},
      {11, "The tile cannot move left of column"},
      {30, "Put the tile in the box before moving it"},
      {31, "Please select a tile first"},
      {32, "Some tile squares overlap"},
      {33, "The tile does not fit at line"},
      {35, "Well done, the puzzle is solved"},
      {36, ""},
      {5000, ""},  // beyond the end of the file
  };
  for (const auto& [message, text] : cases) {
    EXPECT_EQ(lookUp(g.f(), message), text) << message;
    ASSERT_EQ(g.f().ObjRecord.size(), 64u);
  }
  lookUp(g.f(), 33);
  EXPECT_EQ(g.f().ObjRecord.substr(0, 3), " 33");  // the record of message m is record m + 1
  EXPECT_EQ(g.f().ObjRecord.substr(62), "\r\n");
  EXPECT_TRUE(g.sys.messages.empty());
}

TEST(MessageFile, TextIsColumns18To61Trimmed) {
  TempDir dir;
  dir.copyShipped("PENTIPOS.TXT");
  dir.write("OBJECTS.TXT", record("   blanks at both ends   ") + record(std::string(44, 'x'), 'Z') +
                               record("inner  blanks kept") + record("") + "  x00000000000000tail");
  Game g(1920, 1080, dir.path());
  Form1& f = g.f();
  EXPECT_EQ(lookUp(f, 0), "blanks at both ends");
  EXPECT_EQ(lookUp(f, 1), std::string(44, 'x'));
  EXPECT_EQ(lookUp(f, 2), "inner  blanks kept");
  EXPECT_EQ(lookUp(f, 3), "");
  EXPECT_EQ(lookUp(f, 4), "tail");  // a last record cut short
  EXPECT_EQ(lookUp(f, 5), "");
  EXPECT_TRUE(g.sys.messages.empty());
}

// Without a readable message file the game goes on silently: the sentences
// are empty and the player is told once. The file is looked up anew on every
// message, so one that appears later is used.
TEST(MessageFile, MissingOrUnreadableFileIsReportedOnce) {
  for (bool asFolder : {false, true}) {
    SCOPED_TRACE(asFolder);
    TempDir dir;
    dir.copyShipped("PENTIPOS.TXT");
    if (asFolder) std::filesystem::create_directory(std::filesystem::path(dir.path()) / "OBJECTS.TXT");
    Game g(1920, 1080, dir.path());
    EXPECT_TRUE(g.sys.messages.empty());
    g.clickCell(0, 0);  // no tile selected
    g.clickKey(8);
    EXPECT_EQ(g.sys.spoken, (std::vector<std::string>{"", ""}));
    EXPECT_EQ(g.sys.messages.size(), 1u);
    g.clickTile(0);
    g.clickCell(0, 0);
    g.clickKey(11);  // refused at column 0: only the figures remain
    EXPECT_EQ(g.lastSpoken(), "  0");
    EXPECT_EQ(g.f().PlacedSquares, 5);
    EXPECT_EQ(g.sys.messages.size(), 1u);

    if (asFolder) std::filesystem::remove(std::filesystem::path(dir.path()) / "OBJECTS.TXT");
    dir.copyShipped("OBJECTS.TXT");
    g.clickKey(11);
    EXPECT_EQ(g.lastSpoken(), "The tile cannot move left of column  0");
  }
}

// Pending events run once before each sentence, which is passed unchanged.
TEST(Speech, SentenceIsSpokenAsItStands) {
  Game g;
  g.sys.onDoEvents = [&] { g.sys.spoken.push_back("(events)"); };
  for (const std::string text : {" a leading blank", "", "text "}) {
    g.f().MsgText = text;
    g.f().ComSpeak_Click();
  }
  g.clickKey(4);  // no tile selected
  EXPECT_EQ(g.sys.spoken, (std::vector<std::string>{"(events)", " a leading blank", "(events)", "", "(events)", "text ",
                                                    "(events)", "Please select a tile first"}));
}

TEST(Speech, SilentWhileTheSolveLoopRuns) {
  Game g;
  Form1& f = g.f();
  int events = 0;
  g.sys.onDoEvents = [&] { ++events; };
  f.TimerState = 1;
  f.MsgText = "not spoken";
  f.ComSpeak_Click();
  g.clickCell(0, 0);  // handlers ask to speak, but nothing is said
  g.clickTile(0);
  g.clickCell(5, 9);
  EXPECT_TRUE(g.sys.spoken.empty());
  EXPECT_EQ(events, 0);
  f.TimerState = 0;
  g.clickCell(5, 9);
  EXPECT_EQ(g.lastSpoken().substr(0, 29), "The tile does not fit at line");
}

}  // namespace
