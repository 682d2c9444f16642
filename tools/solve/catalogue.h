// The game's own pieces and boxes, read by the game's code: a Form1 on
// headless services reads PENTIPOS.TXT and sets every box up through its
// handlers, so the solver never disagrees with the game about a shape, a
// box, a grey square or a pattern.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/form1.h"
#include "tiling/solver.h"

namespace solve {

// Services for a window nobody sees: no screen, no sound. Sentences and
// message boxes are kept for whoever wants to check them.
class HeadlessServices : public Services {
 public:
  explicit HeadlessServices(std::string dir) : dir_(std::move(dir)) {}

  std::vector<std::string> spoken;
  std::vector<std::string> messages;

  std::string executableDir() override { return dir_; }
  float screenWidthTwips() override;
  float screenHeightTwips() override;
  float textWidth(const std::string& text, const ControlFont&, int scaleMode) override;
  void messageBox(const std::string& text) override { messages.push_back(text); }
  int askYesNo(const std::string& text) override;
  void speak(const std::string& text) override { spoken.push_back(text); }
  void describe(const std::string& text) override { spoken.push_back(text); }
  std::string setting(const std::string&) override { return ""; }
  void keepSetting(const std::string&, const std::string&) override {}
  void doEvents() override {}
  void randomize() override {}
  float rnd() override { return 0; }
  void showWindow() override {}
  void unloadWindow() override {}
  bool setCursorPos(int, int) override { return true; }
  void runInBackground(std::function<void()> work, std::function<void()> done) override {
    work();
    done();
  }

 private:
  std::string dir_;
};

// One box of the game, set up as the game sets it up.
struct GameBox {
  int squares = 5;      // squares per tile
  int entry = 0;        // slot of the size list
  std::string pattern;  // pattern code of the "8 by  8" and "8 by 10" boxes, else empty
  std::string size;     // the list's text, such as "8 by  8"
  std::string video;    // file name of the short solving video
  tiling::Problem problem;        // the box's grey squares blocked; every tile of the set
  std::vector<bool> underButton;  // squares whose centre a button covers: a click there misses the grid
};

class Catalogue {
 public:
  // Reads PENTIPOS.TXT (and OBJECTS.TXT for the game's messages) from dir;
  // throws std::runtime_error with the game's message when it cannot.
  explicit Catalogue(const std::string& dir);

  Form1& form() { return *form_; }
  HeadlessServices& services() { return services_; }

  // The entries of the size list for 5 or 6 squares per tile.
  std::vector<std::string> sizes(int squares);
  // The pattern codes of a box: one empty code for a box without patterns.
  std::vector<std::string> patterns(int squares, int entry);
  // Sets the box up in the form, the pattern's grey squares drawn; throws
  // std::invalid_argument for an entry or pattern the game does not offer.
  GameBox box(int squares, int entry, const std::string& pattern = "");
  // Every box of both square counts, each pattern of a box on its own.
  std::vector<GameBox> everyBox();
  // Clears the box set up last, as "Clear Puzzle" does.
  void clear() { form_->ComClear_Click(); }
  // The tiles of a square count, each as its first orientation.
  std::vector<tiling::Piece> tiles(int squares);

 private:
  void selectSquares(int squares);

  HeadlessServices services_;
  std::unique_ptr<Form1> form_;
};

}  // namespace solve
