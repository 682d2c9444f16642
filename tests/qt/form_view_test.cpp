// The view over a small hand-built window: widgets follow their controls, the
// earlier-created control takes the click, clicks and pointer moves reach the
// handlers in twips, and the timer ticks only while enabled.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QTest>
#include <map>
#include <memory>

#include "platform/grid.h"
#include "platform/list_box.h"
#include "qt/control_view.h"
#include "qt/form_view.h"
#include "qt/list_view.h"
#include "qt/units.h"

namespace {

class FormViewTest : public testing::Test {
 protected:
  // 600 x 400 pixels at 15 twips a pixel; Front (yellow) and Back (blue) overlap.
  FormViewTest() {
    window.backColor = 0x00C0FFC0;
    window.setWidth(9000);
    window.setHeight(6000);
    front = &add(std::make_unique<Control>(ControlKind::CommandButton, "Front", -1, ""), 100, 100, 0x0000FFFF);
    back = &add(std::make_unique<Control>(ControlKind::CommandButton, "Back", -1, ""), 150, 100, 0x00FF0000);
    label = &add(std::make_unique<Control>(ControlKind::Label, "Lab", -1, ""), 100, 200, 0x000000FF);
    timer = &window.add(std::make_unique<TimerControl>("Timer", ""));
    grid = &add(std::make_unique<GridControl>("Grid", "", 2, 3), 450, 100, 0x00FFFFFF);
    for (int c = 0; c < 3; ++c) grid->setColWidth(c, 500);  // 33 1/3 pixels: edges fall between pixels
    grid->setCol(1);
    grid->setCellBackColor(0x00FF0000);  // cell (0, 1) blue, the others white
    list = &add(std::make_unique<ListBoxControl>("List", ""), 300, 200, 0x00FFFFFF);
    list->setHeight(1500);
    for (int i = 0; i < 12; ++i) list->addItem(std::to_string(i));
    view = std::make_unique<qtview::FormView>(window);
    view->setBackgroundMoveHandler([this](int16_t, int16_t, float x, float y) { moves[""] = {x, y}; });
    view->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
  }

  // A control of 100 x 50 pixels at a pixel position, recording its clicks and moves.
  template <class T>
  T& add(std::unique_ptr<T> made, int x, int y, int32_t color) {
    T& c = window.add(std::move(made));
    c.setBounds(x * 15.0f, y * 15.0f, 1500, 750);
    c.setBackColor(color);
    c.setClickHandler([this, &c] { clicks.push_back(c.name()); });
    c.setMouseMoveHandler([this, &c](int16_t, int16_t, float x, float y) { moves[c.name()] = {x, y}; });
    return c;
  }

  void click(QPoint at) { QTest::mouseClick(view->windowHandle(), Qt::LeftButton, Qt::NoModifier, at); }
  QColor shown(QPoint at) const { return view->grab().toImage().pixelColor(at); }

  FormWindow window;
  Control *front, *back, *label;
  TimerControl* timer;
  GridControl* grid;
  ListBoxControl* list;
  std::unique_ptr<qtview::FormView> view;
  std::vector<std::string> clicks;
  std::map<std::string, QPointF> moves;  // the last pointer move over each control
};

TEST_F(FormViewTest, WidgetsFollowTheirControls) {
  EXPECT_EQ(view->geometry(), QRect(0, 0, 600, 400));
  back->setBounds(4500, 4500, 750, 300);
  EXPECT_EQ(view->controlView(1)->geometry(), QRect(300, 300, 50, 20));
  EXPECT_EQ(shown({310, 310}), QColor(0, 0, 255));
  back->setBackColor(0x000000FF);
  EXPECT_EQ(shown({310, 310}), QColor(255, 0, 0));
  back->setVisible(false);
  EXPECT_EQ(shown({310, 310}), QColor(192, 255, 192));  // the window's background

  // The caption is drawn, and a CR LF starts a second line.
  const int line = QFontMetrics(qtview::fontOf(label->font())).height();
  const auto band = [&](int n) { return view->controlView(2)->grab().toImage().copy(2, 2 + n * line, 96, line - 1); };
  const QImage blank = band(1);
  label->setCaption("Click");
  EXPECT_NE(band(0), blank);
  label->setCaption("Click\r\nMove");
  EXPECT_NE(band(1), blank);
}

TEST_F(FormViewTest, ClicksAndMovesReachTheControlInFrontInItsOwnTwips) {
  const QPoint overlap(175, 125);  // the earlier-created Front is over Back here
  for (QPoint at : {QPoint(190, 120), QPoint(500, 130), QPoint(550, 350)}) QTest::mouseMove(view->windowHandle(), at);
  EXPECT_EQ(moves["Front"], QPointF(90 * 15, 20 * 15));
  EXPECT_EQ(moves["Grid"], QPointF(50 * 15, 30 * 15));
  EXPECT_EQ(moves[""], QPointF(550 * 15, 350 * 15));  // the background: window twips
  click(overlap);
  click({225, 125});
  front->setVisible(false);  // a hidden control lets the click through
  click(overlap);
  EXPECT_EQ(clicks, (std::vector<std::string>{"Front", "Back", "Back"}));
}

TEST_F(FormViewTest, GridClickSelectsTheCellUnderThePointer) {
  // Cells start at pixels 0, 33 and 67 (rounded twips) and rows at 0 and 16; a
  // pixel's centre decides, so each pixel selects the cell drawn there.
  const int cases[][4] = {{31, 14, 0, 0}, {33, 1, 0, 1}, {65, 14, 0, 1}, {67, 1, 0, 2}, {34, 16, 1, 1}};
  for (const auto& [x, y, row, col] : cases) {
    const QPoint at(450 + x, 100 + y);
    EXPECT_EQ(shown(at) == QColor(0, 0, 255), row == 0 && col == 1) << x << "," << y;
    clicks.clear();
    click(at);
    ASSERT_EQ(clicks, std::vector<std::string>{"Grid"}) << x << "," << y;
    EXPECT_EQ(std::make_pair(grid->row(), grid->col()), std::make_pair(row, col)) << x << "," << y;
  }
}

TEST_F(FormViewTest, TheListAnswersKeysAndClicksAndScrolls) {
  auto* items = static_cast<qtview::ListView*>(view->controlView(5));
  const int page = items->pageRows() - 1;
  // Key and the entry it leads to, kept in sight; at either end nothing changes.
  const std::pair<Qt::Key, int> keys[] = {
      {Qt::Key_Down, 0},    {Qt::Key_Down, 1},         {Qt::Key_PageDown, 1 + page}, {Qt::Key_End, 11},
      {Qt::Key_Down, 11},   {Qt::Key_PageUp, 11 - page}, {Qt::Key_Up, 10 - page},    {Qt::Key_Home, 0},
      {Qt::Key_Up, 0},      {Qt::Key_8, 0}};
  std::vector<std::string> expected;
  for (const auto& [key, entry] : keys) {
    if (entry != list->listIndex()) expected.push_back("List");
    QTest::keyClick(items, key);
    EXPECT_TRUE(list->listIndex() == entry && entry >= items->firstShown() && entry <= items->firstShown() + page)
        << key;
  }
  EXPECT_EQ(clicks, expected);
  // Two keys pressed while a handler lets events run wait, then go on from each other.
  window.gate.submit([&] {
    window.gate.pass([&] {
      QTest::keyClick(items, Qt::Key_Down);
      QTest::keyClick(items, Qt::Key_Down);
    });
    EXPECT_EQ(list->listIndex(), 0);
  });
  EXPECT_EQ(list->listIndex(), 2);
  // The scroll bar's lower arrow only scrolls; a click chooses the entry drawn there.
  for (int i = 0; i < 4; ++i) click({391, 291});
  EXPECT_EQ(items->firstShown(), 4);
  click({310, 205});
  EXPECT_EQ(list->listIndex(), 4);
  // Clicked, the list keeps the keys and a frame shows it; Escape gives them back to the window.
  ASSERT_TRUE(QTest::qWaitFor([&] { return items->hasFocus(); }, 2000));
  const QImage framed = items->grab().toImage();
  QTest::keyClick(items, Qt::Key_Escape);
  EXPECT_TRUE(view->hasFocus());
  EXPECT_NE(items->grab().toImage(), framed);
  items->setFocus();
  EXPECT_EQ(items->grab().toImage(), framed);
}

TEST_F(FormViewTest, TimerTicksOnlyWhileEnabledAndNeverInsideItself) {
  int ticks = 0, depth = 0, deepest = 0;
  timer->setTimerHandler([&] {
    ++ticks;
    deepest = std::max(deepest, ++depth);
    QTest::qWait(30);  // pending events run here, the timer's among them
    --depth;
  });
  timer->setInterval(10);
  QTest::qWait(60);
  EXPECT_EQ(ticks, 0);
  timer->setEnabled(true);
  ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 2000));
  EXPECT_EQ(deepest, 1);
  timer->setEnabled(false);
  const int stopped = ticks;
  QTest::qWait(100);
  EXPECT_EQ(ticks, stopped);
}

}  // namespace
