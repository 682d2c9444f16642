// The services of the real desktop: Qt for the screen, text measures, message
// boxes, the event pass and the pointer; espeak-ng for speech.
#pragma once

#include <QPointer>
#include <QWidget>
#include <random>
#include <string>

#include "platform/services.h"
#include "qt/espeak_voice.h"

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
  // a transcript for players without sound and for tests.
  void speak(const std::string& text) override;
  void doEvents() override;
  void randomize() override;
  float rnd() override;
  void showWindow() override;
  void unloadWindow() override;
  bool setCursorPos(int clientX, int clientY) override;

 private:
  QWidget* dialogParent() const;

  QPointer<QWidget> window_;
  bool unloaded_ = false;
  bool mute_;
  EspeakVoice voice_;
  std::mt19937 random_;
};

}  // namespace qtview
