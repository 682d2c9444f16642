// The services of the real desktop: Qt for the screen, text measures, message
// boxes, the event pass, the pointer and the settings; espeak-ng for speech.
#pragma once

#include <QPointer>
#include <QWidget>
#include <random>
#include <string>

#include "platform/services.h"
#include "qt/speaker.h"

namespace qtview {

class DesktopServices : public Services {
 public:
  DesktopServices();

  // The window shown, unloaded, and parent of the message boxes.
  void setWindow(QWidget* window) { window_ = window; }
  // True once the program has unloaded its window: it must end.
  bool unloaded() const { return unloaded_; }

  std::string executableDir() override;
  float screenWidthTwips() override;
  float screenHeightTwips() override;
  float textWidth(const std::string& text, const ControlFont& font, int scaleMode) override;
  void messageBox(const std::string& text) override;
  int askYesNo(const std::string& text) override;
  // Writes the sentence to standard output, one line, before speaking it:
  // a transcript for players without sound and for tests. Returns when it
  // has been spoken (after the end of a description being spoken), or,
  // without sound, after as long as speaking would take; the window goes
  // on painting meanwhile.
  void speak(const std::string& text) override;
  // Written out the same way, then spoken while the program goes on.
  void describe(const std::string& text) override;
  // In the user's settings of this program (QSettings).
  std::string setting(const std::string& name) override;
  void keepSetting(const std::string& name, const std::string& value) override;
  void doEvents() override;
  void randomize() override;
  float rnd() override;
  void showWindow() override;
  void unloadWindow() override;
  bool setCursorPos(int clientX, int clientY) override;
  // On a thread of Qt's pool; `done` is posted to the window's thread. The
  // application waits for the pool's threads before it ends.
  void runInBackground(std::function<void()> work, std::function<void()> done) override;

 private:
  QWidget* dialogParent() const;

  QPointer<QWidget> window_;
  bool unloaded_ = false;
  Speaker speaker_;
  std::mt19937 random_;
};

}  // namespace qtview
