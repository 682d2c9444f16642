// The whole game on the view, offscreen: start-up as the program runs it,
// then a palette click and a box click through the real handlers.
#include <gtest/gtest.h>

#include <QTest>

#include "app/form1.h"
#include "qt/desktop_services.h"
#include "qt/form_view.h"

namespace {

// The real desktop services with the shipped data; a message box is a failure.
struct GameServices : qtview::DesktopServices {
  std::string executableDir() override { return KARVELON_DATA_DIR; }
  void messageBox(const std::string& text) override { ADD_FAILURE() << "message box: " << text; }
};

TEST(GameViewTest, StartsOverTheScreenAndPlacesATileByPaletteThenBoxClick) {
  GameServices services;
  Form1 form{services};
  qtview::FormView view(form.window);
  services.setWindow(&view);
  form.Form_Load();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  EXPECT_EQ(view.geometry(), QRect(0, 0, 1920, 1080));

  // Window points from the controls' twips.
  const auto click = [&](double x, double y) {
    const QPoint at(static_cast<int>(x / view.twipsPerPixel()), static_cast<int>(y / view.twipsPerPixel()));
    QTest::mouseClick(view.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
  };
  const Control& tile = form.ComTile(0);
  click(tile.left() + tile.width() / 2, tile.top() + tile.height() / 2);

  GridControl& box = form.FlexBox();
  click(box.left() + box.colWidth(0) * 2.5, box.top() + box.rowHeight(0) * 1.5);
  EXPECT_EQ(form.TileAnchor(0), form.BoxColumns + 2);  // row 1, column 2
}

}  // namespace
