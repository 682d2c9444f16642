// The view over a small hand-built window: widgets follow their controls,
// the front-most control takes the click, clicks and pointer moves reach the
// handlers in the control's twips, and the timer ticks while enabled.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QListWidget>
#include <QTest>
#include <map>
#include <memory>
#include <vector>

#include "platform/grid.h"
#include "platform/list_box.h"
#include "platform/window.h"
#include "qt/control_view.h"
#include "qt/form_view.h"
#include "qt/units.h"

namespace {

using qtview::FormView;

struct Move {
  int16_t button, shift;
  float x, y;
};

constexpr int32_t kRed = 0x000000FF, kWhite = 0x00FFFFFF, kBlue = 0x00FF0000;

class FormViewTest : public testing::Test {
 protected:
  FormViewTest() {
    window.caption = "KARVELON";
    window.backColor = 0x00C0FFC0;
    window.setWidth(9000);  // 600 x 400 pixels at 15 twips a pixel
    window.setHeight(6000);

    front = &button("Front", 1500, 1500, 1500, 750, 0x0000FFFF);  // pixels 100,100 100x50
    back = &button("Back", 2250, 1500, 1500, 750, kBlue);         // pixels 150,100 100x50

    label = &window.add(std::make_unique<Control>(ControlKind::Label, "Lab", -1, ""));
    label->setBounds(1500, 3000, 3000, 1500);  // pixels 100,200 200x100
    label->setBackColor(kRed);
    label->setForeColor(kWhite);
    label->setFont({"Arial", 12, true});

    for (int i = 0; i < 2; ++i) {
      options[i] = &window.add(std::make_unique<OptionControl>("Opt", i, ""));
      options[i]->setBounds(6000, 300 + 450 * i, 2250, 450);  // pixels 400,20 / 400,50 150x30
      options[i]->setCaption(i == 0 ? "Five" : "Six");
      options[i]->setClickHandler([this, i] { optionClicks.push_back(i); });
    }
    options[0]->joinGroup(options[1]);

    list = &window.add(std::make_unique<ListBoxControl>("List", ""));
    list->setBounds(300, 4800, 1500, 1050);  // pixels 20,320 100x70
    list->setFont({"Arial", 10, false});
    list->setClickHandler([this] { listClicks.push_back(list->listIndex()); });
    list->setMouseMoveHandler([this](int16_t b, int16_t s, float x, float y) { listMoves.push_back({b, s, x, y}); });

    timer = &window.add(std::make_unique<TimerControl>("Timer", ""));

    blocker = &button("Blocker", 8250, 2100, 750, 450, 0x00808080);  // pixels 550,140, over the grid's corner

    grid = &window.add(std::make_unique<GridControl>("Grid", "", 2, 4));
    grid->setBounds(6750, 1500, 2000, 900);  // pixels 450,100 133x60
    for (int c = 0; c < 4; ++c) {
      grid->setColWidth(c, 500);  // 33 1/3 pixels: the edges fall between pixels
      for (int r = 0; r < 2; ++r) {
        grid->setRowHeight(r, 450);
        grid->setRow(r);
        grid->setCol(c);
        grid->setCellBackColor(kColumnColors[c]);
      }
    }
    grid->setClickHandler([this] { gridClicks.push_back({grid->row(), grid->col()}); });
    grid->setMouseMoveHandler([this](int16_t b, int16_t s, float x, float y) { gridMoves.push_back({b, s, x, y}); });

    view = std::make_unique<FormView>(window);
    view->setBackgroundMoveHandler([this](int16_t b, int16_t s, float x, float y) { formMoves.push_back({b, s, x, y}); });
    view->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
  }

  Control& button(const char* name, float l, float t, float w, float h, int32_t color) {
    Control& b = window.add(std::make_unique<Control>(ControlKind::CommandButton, name, -1, ""));
    b.setBounds(l, t, w, h);
    b.setBackColor(color);
    b.setFont({"Arial", 10, true});
    b.setClickHandler([this, &b] { clicks[b.name()]++; });
    b.setMouseMoveHandler([this, &b](int16_t bs, int16_t s, float x, float y) { moves[b.name()].push_back({bs, s, x, y}); });
    return b;
  }

  QWidget* widgetOf(const Control& c) const {
    for (int k = 0; k < window.count(); ++k) {
      if (&window.control(k) == &c) return view->controlView(k);
    }
    return nullptr;
  }

  void click(QPoint at) { QTest::mouseClick(view->windowHandle(), Qt::LeftButton, Qt::NoModifier, at); }
  QColor shown(QPoint at) const { return view->grab().toImage().pixelColor(at); }

  static constexpr int32_t kColumnColors[4] = {0x000000FF, 0x0000FF00, 0x00FF0000, 0x0000FFFF};

  FormWindow window;
  Control *front, *back, *label, *blocker;
  OptionControl* options[2];
  ListBoxControl* list;
  TimerControl* timer;
  GridControl* grid;
  std::unique_ptr<FormView> view;

  std::map<std::string, int> clicks;
  std::map<std::string, std::vector<Move>> moves;
  std::vector<int> optionClicks, listClicks;
  std::vector<std::pair<int, int>> gridClicks;
  std::vector<Move> listMoves, gridMoves, formMoves;
};

TEST_F(FormViewTest, WidgetsFollowTheirControls) {
  EXPECT_EQ(view->windowTitle(), "KARVELON");
  EXPECT_EQ(view->geometry(), QRect(0, 0, 600, 400));
  EXPECT_EQ(shown({5, 395}), QColor(192, 255, 192));  // the window's background
  EXPECT_EQ(view->controlView(6), nullptr);            // the timer has no widget

  QWidget* w = widgetOf(*back);
  EXPECT_EQ(w->geometry(), QRect(150, 100, 100, 50));
  back->setLeft(4500);
  back->setTop(4500);
  EXPECT_EQ(w->geometry(), QRect(300, 300, 100, 50));
  back->setWidth(750);
  back->setHeight(300);
  EXPECT_EQ(w->geometry(), QRect(300, 300, 50, 20));
  EXPECT_EQ(shown({310, 310}), QColor(0, 0, 255));

  back->setBackColor(0x0000FF00);
  EXPECT_EQ(shown({310, 310}), QColor(0, 255, 0));

  back->setVisible(false);
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(shown({310, 310}), QColor(192, 255, 192));
  back->setVisible(true);
  EXPECT_TRUE(w->isVisible());
}

TEST_F(FormViewTest, CaptionLineBreaksStartNewLines) {
  // White text on red: count the text pixels in the band of the second line.
  const int lineHeight = QFontMetrics(qtview::fontOf(label->font())).height();
  const auto textInSecondLine = [&] {
    const QImage image = widgetOf(*label)->grab().toImage();
    int count = 0;
    for (int y = 2 + lineHeight; y < 1 + 2 * lineHeight; ++y) {
      for (int x = 2; x < image.width() - 2; ++x) count += image.pixelColor(x, y).green() > 128;
    }
    return count;
  };
  label->setCaption("Click to");
  EXPECT_EQ(textInSecondLine(), 0);
  label->setCaption("Click to\r\nMove");
  EXPECT_GT(textInSecondLine(), 20);
}

TEST_F(FormViewTest, TheControlCreatedEarlierIsInFrontAndTakesTheClick) {
  const QPoint overlap(175, 125), backOnly(225, 125);
  EXPECT_EQ(shown(overlap), QColor(255, 255, 0));
  click(overlap);
  EXPECT_EQ(clicks["Front"], 1);
  EXPECT_EQ(clicks["Back"], 0);
  click(backOnly);
  EXPECT_EQ(clicks["Back"], 1);

  // A hidden control lets the click through to the one behind.
  front->setVisible(false);
  click(overlap);
  EXPECT_EQ(clicks["Front"], 1);
  EXPECT_EQ(clicks["Back"], 2);

  // A button over the grid covers its cell.
  click({560, 150});
  EXPECT_EQ(clicks["Blocker"], 1);
  EXPECT_TRUE(gridClicks.empty());
}

TEST_F(FormViewTest, OptionClickSelectsItAndRunsItsHandler) {
  click({500, 35});
  EXPECT_TRUE(options[0]->value());
  click({500, 65});
  EXPECT_TRUE(options[1]->value());
  EXPECT_FALSE(options[0]->value());
  click({500, 65});  // already selected: no second Click
  EXPECT_EQ(optionClicks, (std::vector<int>{0, 1}));
}

TEST_F(FormViewTest, ListShowsTheItemsAndAClickSetsListIndex) {
  auto* items = widgetOf(*list)->findChild<QListWidget*>();
  ASSERT_NE(items, nullptr);
  for (const char* item : {"6 by 10", "5 by 12", "5 by 10", "5 by  8", "5 by  5", "4 by 15"}) list->addItem(item);
  list->setListIndex(0);
  ASSERT_EQ(items->count(), 6);
  EXPECT_EQ(items->item(3)->text(), "5 by  8");
  EXPECT_EQ(items->currentRow(), 0);

  // Six items do not fit in 70 pixels: scroll to the fifth and click it.
  items->scrollToItem(items->item(4));
  const QRect r = items->visualItemRect(items->item(4));
  ASSERT_TRUE(items->viewport()->rect().contains(r.center()));
  const QPoint at = items->viewport()->mapTo(view.get(), r.center());
  click(at);
  EXPECT_EQ(list->listIndex(), 4);
  EXPECT_EQ(listClicks, (std::vector<int>{0, 4}));

  // A program that empties and refills the list is followed too.
  list->clear();
  list->addItem("7 by 12");
  EXPECT_EQ(items->count(), 1);
  EXPECT_EQ(items->currentRow(), -1);
  EXPECT_TRUE(items->selectedItems().isEmpty());

  QTest::mouseMove(view->windowHandle(), at);
  ASSERT_FALSE(listMoves.empty());
  EXPECT_FLOAT_EQ(listMoves.back().x, (at.x() - 20) * 15.0f);
  EXPECT_FLOAT_EQ(listMoves.back().y, (at.y() - 320) * 15.0f);
}

TEST_F(FormViewTest, GridClickNamesTheCellDrawnUnderThePointer) {
  const QPoint origin(450, 100);
  const QImage image = view->grab().toImage();
  std::map<QRgb, int> columnOf;
  for (int c = 0; c < 4; ++c) columnOf[qtview::colorOf(kColumnColors[c]).rgb()] = c;

  int checked = 0;
  for (int row = 0; row < 2; ++row) {
    const int y = 15 + 30 * row;
    for (int x = 0; x < 133; ++x) {
      const auto drawn = columnOf.find(image.pixel(origin + QPoint(x, y)));
      if (drawn == columnOf.end()) continue;  // a grid line, the border, the blocker
      gridClicks.clear();
      click(origin + QPoint(x, y));
      ASSERT_EQ(gridClicks.size(), 1u) << "x " << x;
      EXPECT_EQ(gridClicks[0], std::make_pair(row, drawn->second)) << "x " << x << " y " << y;
      ++checked;
    }
  }
  EXPECT_GT(checked, 200);  // nearly every pixel of both rows
}

TEST_F(FormViewTest, PointerMovesReachTheControlInItsOwnTwips) {
  QTest::mouseMove(view->windowHandle(), {130, 120});
  ASSERT_FALSE(moves["Front"].empty());
  const Move m = moves["Front"].back();
  EXPECT_FLOAT_EQ(m.x, 30 * 15.0f);
  EXPECT_FLOAT_EQ(m.y, 20 * 15.0f);
  EXPECT_EQ(m.button, 0);

  QTest::mouseMove(view->windowHandle(), {500, 130});
  ASSERT_FALSE(gridMoves.empty());
  EXPECT_FLOAT_EQ(gridMoves.back().x, 50 * 15.0f);
  EXPECT_FLOAT_EQ(gridMoves.back().y, 30 * 15.0f);

  // Over the background the window's own handler gets window twips, or
  // pixels while the program works in pixels.
  QTest::mouseMove(view->windowHandle(), {550, 350});
  ASSERT_FALSE(formMoves.empty());
  EXPECT_FLOAT_EQ(formMoves.back().x, 550 * 15.0f);
  EXPECT_FLOAT_EQ(formMoves.back().y, 350 * 15.0f);
  window.scaleMode = 3;
  QTest::mouseMove(view->windowHandle(), {551, 351});
  EXPECT_FLOAT_EQ(formMoves.back().x, 551.0f);
  EXPECT_EQ(moves["Front"].size(), 1u);
}

TEST_F(FormViewTest, TimerTicksOnlyWhileEnabledAndNeverInsideItself) {
  int ticks = 0, depth = 0, deepest = 0;
  timer->setTimerHandler([&] {
    ++ticks;
    ++depth;
    deepest = std::max(deepest, depth);
    QTest::qWait(30);  // pending events run here, the timer's among them
    --depth;
  });
  timer->setInterval(10);
  QTest::qWait(60);
  EXPECT_EQ(ticks, 0);

  timer->setEnabled(true);
  QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 2000);
  EXPECT_EQ(deepest, 1);

  timer->setEnabled(false);
  QTest::qWait(40);
  const int stopped = ticks;
  QTest::qWait(100);
  EXPECT_EQ(ticks, stopped);
}

TEST_F(FormViewTest, MaximisedWindowCoversTheScreen) {
  window.setWindowState(2);
  EXPECT_EQ(view->geometry(), QRect(0, 0, 1920, 1080));
  window.setWindowState(0);
  window.setLeft(1500);
  EXPECT_EQ(view->geometry(), QRect(100, 0, 600, 400));
}

TEST_F(FormViewTest, ClosingTheWindowRunsTheCloseHandlerOnce) {
  int closes = 0;
  view->setCloseHandler([&] {
    ++closes;
    view->close();  // the program unloads the window from inside its handler
  });
  view->close();
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(view->isVisible());
}

}  // namespace
