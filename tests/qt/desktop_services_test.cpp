// The desktop services: screen and text measures in twips, titled message
// boxes with their answers, the spoken-sentence transcript, random numbers,
// the event pass, the pointer and the end of the program.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <set>
#include <string>
#include <vector>

#include "qt/desktop_services.h"

namespace {

using qtview::DesktopServices;

TEST(DesktopServicesTest, ScreenAndTextAreMeasuredInTwipsOrPixels) {
  DesktopServices services;
  EXPECT_FLOAT_EQ(services.screenWidthTwips(), 1920 * 15.0f);
  EXPECT_FLOAT_EQ(services.screenHeightTwips(), 1080 * 15.0f);

  // Start-up divides the two widths of one blank to find the twips per pixel.
  const ControlFont small{"Arial", 8, false};
  const float pixels = services.textWidth(" ", small, 3);
  ASSERT_GT(pixels, 0);
  EXPECT_FLOAT_EQ(services.textWidth(" ", small, 1) / pixels, 15.0f);

  const ControlFont big{"Arial", 20, true};
  EXPECT_GT(services.textWidth("Box Square", big, 3), services.textWidth("Box Square", small, 3));
  EXPECT_GT(services.textWidth("Box Square", big, 3), services.textWidth("Box", big, 3));
}

// Answers the next modal box by pressing the button of `role`, noting what it showed.
struct BoxAnswer {
  QString title, text;
  std::vector<QMessageBox::StandardButton> buttons;
  QMessageBox::Icon icon = QMessageBox::Information;

  explicit BoxAnswer(QMessageBox::StandardButton press) {
    QTimer::singleShot(0, [this, press] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      for (QAbstractButton* b : box->buttons()) buttons.push_back(box->standardButton(b));
      box->button(press)->click();
    });
  }
};

TEST(DesktopServicesTest, MessageBoxesAreTitledAndAnswered) {
  DesktopServices services;
  BoxAnswer ok(QMessageBox::Ok);
  services.messageBox("No PENTIPOS File");
  EXPECT_EQ(ok.title, "KARVELON");
  EXPECT_EQ(ok.text, "No PENTIPOS File");
  EXPECT_EQ(ok.icon, QMessageBox::NoIcon);
  EXPECT_EQ(ok.buttons, std::vector<QMessageBox::StandardButton>{QMessageBox::Ok});

  BoxAnswer yes(QMessageBox::Yes);
  EXPECT_EQ(services.askYesNo("Watch the short video?"), 6);
  EXPECT_EQ(yes.buttons.size(), 2u);
  BoxAnswer no(QMessageBox::No);
  EXPECT_EQ(services.askYesNo("Watch the short video?"), 7);
  EXPECT_EQ(no.title, "KARVELON");
}

TEST(DesktopServicesTest, EverySentenceIsWrittenAsOneLineExactlyAsSpoken) {
  DesktopServices services;  // muted by the test runner: transcript only
  testing::internal::CaptureStdout();
  services.speak("Tile does not fit");
  services.speak(" Squares overlap");
  services.speak("");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Tile does not fit\n Squares overlap\n\n");
}

TEST(DesktopServicesTest, RandomNumbersLieInTheUnitRangeAndDependOnTheSeed) {
  DesktopServices services;
  services.randomize();
  std::vector<float> first;
  double sum = 0;
  for (int i = 0; i < 20000; ++i) {
    const float r = services.rnd();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    if (i < 8) first.push_back(r);
    sum += r;
  }
  EXPECT_NEAR(sum / 20000, 0.5, 0.02);

  services.randomize();
  std::vector<float> second;
  for (int i = 0; i < 8; ++i) second.push_back(services.rnd());
  EXPECT_NE(first, second);
}

TEST(DesktopServicesTest, EventPassRunsPendingEvents) {
  DesktopServices services;
  bool ran = false;
  QTimer::singleShot(0, [&] { ran = true; });
  services.doEvents();
  EXPECT_TRUE(ran);
}

TEST(DesktopServicesTest, PointerIsPlacedInWindowPixels) {
  DesktopServices services;
  QWidget window;
  window.setGeometry(200, 100, 400, 300);
  services.setWindow(&window);
  services.showWindow();
  ASSERT_TRUE(window.isVisible());
  services.setCursorPos(35, 55);
  EXPECT_EQ(QCursor::pos(), QPoint(235, 155));
}

TEST(DesktopServicesTest, UnloadingClosesTheWindowOnce) {
  DesktopServices services;
  QWidget window;
  int closes = 0;
  struct Counter : QObject {
    int* count;
    explicit Counter(int* c) : count(c) {}
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Close) ++*count;
      return false;
    }
  } counter(&closes);
  window.installEventFilter(&counter);
  services.setWindow(&window);
  services.showWindow();
  EXPECT_FALSE(services.unloaded());

  services.unloadWindow();
  services.unloadWindow();
  EXPECT_TRUE(services.unloaded());
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(closes, 1);
}

}  // namespace
