// KARVELON: the polyomino tiling puzzle on the desktop.
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <string>
#include <system_error>
#include <unistd.h>

#include "app/form1.h"
#include "qt/accessible.h"
#include "qt/app_icon.h"
#include "qt/desktop_services.h"
#include "qt/form_view.h"

namespace {

// Qt warns at every start when XDG_RUNTIME_DIR is unset (root shells, CI):
// give it a private folder of our own instead.
void provideRuntimeDir() {
  if (std::getenv("XDG_RUNTIME_DIR")) return;
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("karvelon-runtime-" + std::to_string(getuid()));
  std::error_code ec;
  fs::create_directories(dir, ec);
  fs::permissions(dir, fs::perms::owner_all, fs::perm_options::replace, ec);
  if (!ec) setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
}

}  // namespace

int main(int argc, char** argv) {
  // Painting a large window allocates big short-lived buffers. With glibc's
  // sliding threshold they soon come from the heap, whose freed pages stay
  // resident: the program grew by megabytes over a few thousand clicks while
  // its live heap stayed flat. A fixed threshold keeps them mapped apart and
  // returned on free.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  provideRuntimeDir();
  QApplication app(argc, argv);
  QApplication::setWindowIcon(qtview::appIcon());  // the message boxes too
  qtview::DesktopServices services;
  Form1 form(services);
  qtview::installAccessibility(form);
  qtview::FormView view(form.window);
  view.setBackgroundMoveHandler(
      [&form](int16_t button, int16_t shift, float x, float y) { form.Form_MouseMove(button, shift, x, y); });
  view.setCloseHandler([&form] { form.Form_Unload(); });
  view.setPlayHandlers({
      [&form](Control& source, float x, float y) { return form.TileDrag_Start(source, x, y); },
      [&form](float x, float y) { form.TileDrag_Move(x, y); },
      [&form](float x, float y) { form.TileDrag_Drop(x, y); },
      [&form](int16_t notches, float x, float y) { form.Form_MouseWheel(notches, x, y); },
      [&form](int16_t shift, float x, float y) { form.Form_RightClick(shift, x, y); },
      [&form](int16_t code, int16_t shift) { form.Form_KeyDown(code, shift); },
  });
  services.setWindow(&view);

  form.window.gate.submit([&form] { form.Form_Load(); });
  // Start-up may end the program (no piece file) before the loop would run.
  if (services.unloaded()) return 0;
  return app.exec();
}
