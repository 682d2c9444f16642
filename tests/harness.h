// Headless harness: a Form1 on the window model with recording fakes.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "app/form1.h"

class FakeServices : public Services {
 public:
  std::string dir = KARVELON_DATA_DIR;
  int screenWidthPixels = 1920;
  int screenHeightPixels = 1080;
  static constexpr float kTwipsPerPixel = 15;

  std::vector<std::string> messages;   // message boxes, in order
  std::vector<std::string> questions;  // Yes/No questions, in order
  std::vector<std::string> spoken;     // sentences, descriptions among them, in order
  std::vector<std::string> described;  // descriptions alone
  std::map<std::string, std::string> settings;  // kept for the next start
  std::vector<int> yesNoAnswers;       // answers handed out in order; 7 when none is left
  int shown = 0;
  bool unloaded = false;
  std::function<void()> onDoEvents;   // a test may run "pending events" here
  std::mt19937 random{12345};

  std::string executableDir() override { return dir; }
  float screenWidthTwips() override { return screenWidthPixels * kTwipsPerPixel; }
  float screenHeightTwips() override { return screenHeightPixels * kTwipsPerPixel; }
  float textWidth(const std::string& text, const ControlFont&, int scaleMode) override {
    const float pixels = 5.0f * static_cast<float>(text.size());
    return scaleMode == 3 ? pixels : pixels * kTwipsPerPixel;
  }
  void messageBox(const std::string& text) override { messages.push_back(text); }
  int askYesNo(const std::string& text) override {
    questions.push_back(text);
    if (yesNoAnswers.empty()) return 7;
    const int answer = yesNoAnswers.front();
    yesNoAnswers.erase(yesNoAnswers.begin());
    return answer;
  }
  void speak(const std::string& text) override { spoken.push_back(text); }
  void describe(const std::string& text) override {
    spoken.push_back(text);
    described.push_back(text);
  }
  std::string setting(const std::string& name) override { return settings[name]; }
  void keepSetting(const std::string& name, const std::string& value) override { settings[name] = value; }
  void doEvents() override {
    if (onDoEvents) onDoEvents();
  }
  void randomize() override {}
  float rnd() override { return std::uniform_real_distribution<float>(0.0f, 1.0f)(random); }
  void showWindow() override { ++shown; }
  void unloadWindow() override { unloaded = true; }
  // Where the program put the system pointer; a test may make the platform
  // refuse, as Wayland does.
  std::vector<std::pair<int, int>> pointer;
  bool pointerMovable = true;
  bool setCursorPos(int x, int y) override {
    if (!pointerMovable) return false;
    pointer.emplace_back(x, y);
    return true;
  }
  // Work for the background waits here until the test finishes it.
  std::vector<std::pair<std::function<void()>, std::function<void()>>> background;
  void runInBackground(std::function<void()> work, std::function<void()> done) override {
    background.emplace_back(std::move(work), std::move(done));
  }
  void finishBackground() {
    for (auto& [work, done] : std::exchange(background, {})) {
      work();
      done();
    }
  }
};

// A temporary folder for data files written by a test; removed afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::string& path() const { return path_; }
  // Writes a file exactly as given.
  void write(const std::string& name, const std::string& content) const;
  void copyShipped(const std::string& name) const;

 private:
  std::string path_;
};

// A started game: fake services plus a Form1 that has run Form_Load.
struct Game {
  FakeServices sys;
  std::unique_ptr<Form1> form;

  explicit Game(int widthPixels = 1920, int heightPixels = 1080, const std::string& dir = KARVELON_DATA_DIR);
  Form1& f() { return *form; }

  // The player's actions, as the view delivers them.
  void selectSquares(int variant);           // option button click
  void selectSize(const std::string& text);  // list click on the entry with this text
  void clickCell(int line, int column);      // grid click
  void clickTile(int button) { f().ComTile(button).playerClick(); }
  void clickKey(int index) { f().ComKey(index).playerClick(); }
  // A key pressed on the window, as the view delivers it.
  void press(int16_t code, int16_t shift = 0) {
    f().window.gate.submit([&] { f().Form_KeyDown(code, shift); });
  }
  // One tick of Timer1, as the window's timer delivers it.
  void tick() { f().Timer1().tick(); }
  std::string lastSpoken() const { return sys.spoken.empty() ? "" : sys.spoken.back(); }
};

// Checks the occupancy invariants against where the buttons stand; returns
// an empty text when they hold, else what is wrong.
std::string checkBookkeeping(Form1& f);
// Tiles in their shapes wholly in the box or home, and each one visible.
std::string checkTiles(Form1& f);
