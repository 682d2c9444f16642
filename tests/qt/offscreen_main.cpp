// Runs the Qt tests on the offscreen platform: a 1920 x 1080 screen at 96 DPI
// without window frames, the same on every machine, display or not.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("karvelon-qt-tests-" + std::to_string(getpid()));
  fs::create_directories(dir);
  fs::permissions(dir, fs::perms::owner_all, fs::perm_options::replace);
  const fs::path config = dir / "screen.json";
  std::ofstream(config) << R"({"windowFrameMargins":false,"screens":[{"name":"s","x":0,"y":0,)"
                           R"("width":1920,"height":1080,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})";
  setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.string()).c_str(), 1);
  setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
  setenv("KARVELON_MUTE", "1", 1);  // the transcript is enough here

  int result = 0;
  {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    result = RUN_ALL_TESTS();
  }
  fs::remove_all(dir);
  return result;
}
