// Runs the Qt tests offscreen on a fixed 1920 x 1080 screen at 96 DPI without
// window frames, the same on every machine, display or not.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
  std::string dir = (std::filesystem::temp_directory_path() / "karvelon-qt-tests-XXXXXX").string();
  if (mkdtemp(dir.data()) == nullptr) return 1;  // private, as Qt wants its runtime directory
  const std::string config = dir + "/screen.json";
  std::ofstream(config) << R"({"windowFrameMargins":false,"screens":[{"name":"s","x":0,"y":0,)"
                           R"("width":1920,"height":1080,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})";
  setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).c_str(), 1);
  setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
  setenv("XDG_CONFIG_HOME", dir.c_str(), 1);  // the player's settings stay untouched
  setenv("KARVELON_MUTE", "1", 1);  // the transcript is enough here
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  std::filesystem::remove_all(dir);
  return result;
}
