// A bare Qt window to hold the game's memory against: Qt's default size, or
// covering the screen as the game's window does (--full-screen).
#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("bare");
  if (argc > 1 && std::strcmp(argv[1], "--full-screen") == 0) window.setGeometry(window.screen()->geometry());
  window.show();
  return app.exec();
}
