// The whole game on the view, offscreen: start-up as the program runs it,
// then the player's clicks and pointer moves through the real handlers.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>
#include <iostream>
#include <string>
#include <vector>

#include "app/form1.h"
#include "qt/control_view.h"
#include "qt/desktop_services.h"
#include "qt/form_view.h"
#include "qt/units.h"

namespace {

// The real desktop services with the shipped data and message boxes recorded.
class GameServices : public qtview::DesktopServices {
 public:
  std::string executableDir() override { return KARVELON_DATA_DIR; }
  void messageBox(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

class GameViewTest : public testing::Test {
 protected:
  void start() {
    view = std::make_unique<qtview::FormView>(form.window);
    view->setBackgroundMoveHandler([this](int16_t b, int16_t s, float x, float y) { form.Form_MouseMove(b, s, x, y); });
    services.setWindow(view.get());
    form.Form_Load();
    QCoreApplication::processEvents();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
  }

  QWidget* widgetOf(const Control& c) const {
    for (int k = 0; k < form.window.count(); ++k) {
      if (&form.window.control(k) == &c) return view->controlView(k);
    }
    return nullptr;
  }
  QPoint centreOf(const Control& c) const { return widgetOf(c)->geometry().center(); }
  void click(QPoint at) { QTest::mouseClick(view->windowHandle(), Qt::LeftButton, Qt::NoModifier, at); }

  // The window point of the middle of a box cell, from the grid's twips.
  QPoint cellCentre(int row, int col) {
    GridControl& g = form.FlexBox();
    const double tpp = view->twipsPerPixel();
    const double x = g.left() + g.colWidth(0) * (col + 0.5), y = g.top() + g.rowHeight(0) * (row + 0.5);
    return QPoint(static_cast<int>(x / tpp), static_cast<int>(y / tpp));
  }

  GameServices services;
  Form1 form{services};
  std::unique_ptr<qtview::FormView> view;
};

TEST_F(GameViewTest, StartsOverTheWholeScreenWithTheFirstBox) {
  start();
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(view->geometry(), QRect(0, 0, 1920, 1080));
  EXPECT_TRUE(view->isVisible());
  EXPECT_FALSE(services.unloaded());

  // Every visible control has a widget where its twips say, and the hidden
  // ones are hidden; the box grid stands where the first box was set up.
  const double tpp = view->twipsPerPixel();
  for (int k = 0; k < form.window.count(); ++k) {
    const Control& c = form.window.control(k);
    if (c.kind() == ControlKind::Timer) continue;
    const QWidget* w = view->controlView(k);
    ASSERT_NE(w, nullptr) << c.name();
    EXPECT_EQ(w->isVisible(), c.visible()) << c.name() << " " << c.index();
    EXPECT_EQ(w->geometry(), qtview::pixelRect(c.left(), c.top(), c.width(), c.height(), tpp))
        << c.name() << " " << c.index();
  }
  EXPECT_TRUE(widgetOf(form.FlexBox())->isVisible());
  EXPECT_GT(widgetOf(form.FlexBox())->width(), 100);
}

TEST_F(GameViewTest, PlayerPlacesATileByClickingPaletteThenBox) {
  start();
  ASSERT_TRUE(form.OptSq(0).value());
  click(centreOf(form.ComTile(0)));
  ASSERT_TRUE(form.TileSelected);
  EXPECT_EQ(form.CurTile, 0);
  EXPECT_TRUE(widgetOf(form.ComBT(0))->isVisible());

  // Hovering the box names the square under the pointer.
  QTest::mouseMove(view->windowHandle(), cellCentre(1, 2));
  const std::string tip = form.LabTip().caption();
  EXPECT_NE(tip.find("Sq=" + formatRight(form.BoxColumns + 2, 3)), std::string::npos) << tip;

  // Clicking that square anchors the tile there; its first button now
  // covers the cell on the screen.
  click(cellCentre(1, 2));
  EXPECT_EQ(form.AnchorSq, form.BoxColumns * 1 + 2);
  EXPECT_EQ(form.TileAnchor(0), form.AnchorSq);
  EXPECT_TRUE(widgetOf(form.ComTile(form.CurBtn(0)))->geometry().contains(cellCentre(1, 2)) ||
              widgetOf(form.ComBT(0))->geometry().contains(cellCentre(1, 2)));
}

TEST_F(GameViewTest, ChoosingTheSixSquareTilesAndAnotherBox) {
  start();
  click(centreOf(form.OptSq(1)));
  EXPECT_EQ(form.TileSquares, 6);
  EXPECT_TRUE(widgetOf(form.ComTile(209))->isVisible());

  auto* items = widgetOf(form.ListBoxSize())->findChild<QListWidget*>();
  ASSERT_NE(items, nullptr);
  ASSERT_EQ(items->count(), form.ListBoxSize().listCount());
  const QPoint second = items->viewport()->mapTo(view.get(), items->visualItemRect(items->item(1)).center());
  click(second);
  EXPECT_EQ(form.ListBoxSize().listIndex(), 1);
  EXPECT_EQ(form.BoxSize, form.ListBoxSize().list(1));
  EXPECT_EQ(form.FlexBox().rows(), form.BoxLines + 1);
}

}  // namespace
