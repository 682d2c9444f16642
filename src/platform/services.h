// What the logic needs from the desktop beyond the window model. The Qt build
// supplies real implementations; tests supply recording fakes.
#pragma once

#include <functional>
#include <string>

#include "platform/control.h"

class Services {
 public:
  virtual ~Services() = default;

  // Folder of the executable, without a trailing separator.
  virtual std::string executableDir() = 0;

  // Screen size and text measurement.
  virtual float screenWidthTwips() = 0;
  virtual float screenHeightTwips() = 0;
  // Width of text in the given font, in twips (scaleMode 1) or pixels (3).
  virtual float textWidth(const std::string& text, const ControlFont& font, int scaleMode) = 0;

  // Message boxes titled with the program's name: OK only; Yes/No gives 6 or 7.
  virtual void messageBox(const std::string& text) = 0;
  virtual int askYesNo(const std::string& text) = 0;

  // Speaks a sentence and returns when it has been spoken.
  virtual void speak(const std::string& text) = 0;
  // Speaks a description and returns at once: a newer description cuts it
  // short, and a sentence spoken with speak() waits for its end.
  virtual void describe(const std::string& text) = 0;

  // The player's choices, kept for the next start; "" when none was kept.
  virtual std::string setting(const std::string& name) = 0;
  virtual void keepSetting(const std::string& name, const std::string& value) = 0;

  // Lets the window handle its pending events once.
  virtual void doEvents() = 0;

  // Pseudo-random numbers in [0, 1), seeded from the clock by randomize().
  virtual void randomize() = 0;
  virtual float rnd() = 0;

  // The window's life: shown once loaded, unloaded to end the program.
  virtual void showWindow() = 0;
  virtual void unloadWindow() = 0;

  // Places the system pointer at a point of the window's client area, pixels;
  // false where the platform does not let a program move it.
  virtual bool setCursorPos(int clientX, int clientY) = 0;

  // Runs `work` away from the window's thread, then `done` on it, between
  // two events. `work` must touch nothing that the window's thread uses.
  virtual void runInBackground(std::function<void()> work, std::function<void()> done) = 0;
};
