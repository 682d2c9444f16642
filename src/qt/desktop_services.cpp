#include "qt/desktop_services.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QFontMetrics>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QThreadPool>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <iostream>
#include <mutex>

#include "qt/units.h"

namespace qtview {

namespace {

const char* const kTitle = "KARVELON";

QSize screenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().size() : QSize(0, 0);
}

bool muted() {
  const char* mute = std::getenv("KARVELON_MUTE");
  return mute && std::string(mute) == "1";
}

// End-to-end tests hurry the silent wait; anything but a factor from 0 to 1
// leaves it as long as speaking.
double silentWaitScale() {
  const char* scale = std::getenv("KARVELON_SILENT_WAIT_SCALE");
  const double factor = scale ? std::strtod(scale, nullptr) : 1.0;
  return factor >= 0 && factor <= 1 ? factor : 1.0;
}

}  // namespace

DesktopServices::DesktopServices() : speaker_(muted(), silentWaitScale()) {}

std::string DesktopServices::executableDir() { return QCoreApplication::applicationDirPath().toStdString(); }

float DesktopServices::screenWidthTwips() {
  return static_cast<float>(screenSize().width() * screenTwipsPerPixel());
}

float DesktopServices::screenHeightTwips() {
  return static_cast<float>(screenSize().height() * screenTwipsPerPixel());
}

float DesktopServices::textWidth(const std::string& text, const ControlFont& font, int scaleMode) {
  const int pixels = QFontMetrics(fontOf(font)).horizontalAdvance(textOf(text));
  return scaleMode == 3 ? static_cast<float>(pixels) : static_cast<float>(pixels * screenTwipsPerPixel());
}

QWidget* DesktopServices::dialogParent() const { return window_ && window_->isVisible() ? window_.data() : nullptr; }

void DesktopServices::messageBox(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, kTitle, textOf(text), QMessageBox::Ok, dialogParent());
  box.exec();
}

int DesktopServices::askYesNo(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, kTitle, textOf(text), QMessageBox::Yes | QMessageBox::No, dialogParent());
  return box.exec() == QMessageBox::Yes ? 6 : 7;
}

void DesktopServices::speak(const std::string& text) {
  std::cout << text << std::endl;
  QEventLoop loop;
  std::mutex m;
  std::condition_variable wake;
  bool said = false;
  const int number = speaker_.say(text, [&] {
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    std::lock_guard lock(m);
    said = true;
    wake.notify_all();
  });
  // The window paints and takes input meanwhile; the program holds the
  // player's input until the sentence has ended. Quitting the program ends
  // the loop early and cuts the sentence short.
  loop.exec();
  std::unique_lock lock(m);
  if (!said) speaker_.cutShort(number);
  wake.wait(lock, [&] { return said; });
}

void DesktopServices::describe(const std::string& text) {
  std::cout << text << std::endl;
  speaker_.describe(text);
}

std::string DesktopServices::setting(const std::string& name) {
  return QSettings("karvelon", "karvelon").value(QString::fromStdString(name)).toString().toStdString();
}

void DesktopServices::keepSetting(const std::string& name, const std::string& value) {
  QSettings("karvelon", "karvelon").setValue(QString::fromStdString(name), QString::fromStdString(value));
}

void DesktopServices::doEvents() { QCoreApplication::processEvents(); }

void DesktopServices::randomize() {
  random_.seed(static_cast<std::mt19937::result_type>(std::chrono::steady_clock::now().time_since_epoch().count() ^
                                                      std::chrono::system_clock::now().time_since_epoch().count()));
}

// 24 random bits scaled by 2^-24: every value a float holds exactly, never 1.
float DesktopServices::rnd() { return static_cast<float>(random_() >> 8) / 16777216.0f; }

void DesktopServices::showWindow() {
  if (window_) window_->show();
}

// Before the event loop runs the caller sees unloaded() and does not enter
// it; inside it, quitting ends the loop.
void DesktopServices::unloadWindow() {
  if (unloaded_) return;
  unloaded_ = true;
  if (window_) window_->close();
  QCoreApplication::quit();
}

// Only X11 lets a program place the pointer; elsewhere (Wayland, the
// offscreen platform) the window draws the guided pointer itself.
bool DesktopServices::setCursorPos(int clientX, int clientY) {
  if (!window_ || QGuiApplication::platformName() != "xcb") return false;
  QCursor::setPos(window_->mapToGlobal(QPoint(clientX, clientY)));
  return true;
}

void DesktopServices::runInBackground(std::function<void()> work, std::function<void()> done) {
  QThreadPool::globalInstance()->start([work = std::move(work), done = std::move(done)] {
    work();
    QMetaObject::invokeMethod(qApp, done, Qt::QueuedConnection);
  });
}

}  // namespace qtview
