// The desktop services: titled message boxes with their answers, and the
// transcript of every spoken sentence.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "qt/desktop_services.h"

// Presses `press` in the next modal box, keeping its title and text in `shown`.
static void answer(QMessageBox::StandardButton press, QString* shown) {
  QTimer::singleShot(0, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    *shown = box->windowTitle() + ": " + box->text();
    box->button(press)->click();
  });
}

TEST(DesktopServicesTest, MessageBoxesAreTitledAndAnsweredSixOrSeven) {
  qtview::DesktopServices services;
  QString shown;
  answer(QMessageBox::Ok, &shown);
  services.messageBox("No PENTIPOS File");
  EXPECT_EQ(shown, "KARVELON: No PENTIPOS File");
  answer(QMessageBox::Yes, &shown);
  EXPECT_EQ(services.askYesNo("Watch the short video?"), 6);
  answer(QMessageBox::No, &shown);
  EXPECT_EQ(services.askYesNo("Watch the short video?"), 7);
}

// Muted by the test runner, as on a machine without sound: each sentence is
// written out as one line, then takes as long as speaking it would, while
// the window's events go on.
TEST(DesktopServicesTest, SentencesAreWrittenOutAndTakeTheirSpokenTime) {
  qtview::DesktopServices services;
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(20);
  QElapsedTimer clock;
  clock.start();
  testing::internal::CaptureStdout();
  services.speak("Tile does not fit");  // about 1.03 s of speech
  const qint64 spoken = clock.elapsed();
  qputenv("KARVELON_SILENT_WAIT_SCALE", "0");  // as the end-to-end tests hurry it
  qtview::DesktopServices hurried;
  qunsetenv("KARVELON_SILENT_WAIT_SCALE");
  clock.restart();
  hurried.speak(" Squares overlap");
  EXPECT_LT(clock.elapsed(), 300);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Tile does not fit\n Squares overlap\n");
  EXPECT_GT(spoken, 800);
  EXPECT_LT(spoken, 3000);
  EXPECT_GT(ticks, 20);
  // The engine, loaded with the first sentence, made it audio: 22050 a second.
  EXPECT_NEAR(qtview::EspeakVoice().synthesize("Tile does not fit").size() / 22050.0, 1.03, 0.1);
}

// Descriptions return at once, each written out; a newer one cuts the one
// being said short, and a sentence said to its end waits only for what is
// still being said, not for what a newer description replaced.
TEST(DesktopServicesTest, DescriptionsNeverHoldTheProgramUp) {
  qtview::DesktopServices services;
  QElapsedTimer clock;
  clock.start();
  testing::internal::CaptureStdout();
  const std::string cell = "Square 47, line 4, column 7: free";  // some 2 s of speech
  for (int i = 0; i < 10; ++i) services.describe(cell);
  const qint64 described = clock.elapsed();
  services.speak("Tile does not fit");
  const qint64 spoken = clock.elapsed();
  std::string expected;
  for (int i = 0; i < 10; ++i) expected += cell + "\n";
  EXPECT_EQ(testing::internal::GetCapturedStdout(), expected + "Tile does not fit\n");
  EXPECT_LT(described, 100);
  // The last description, then the sentence: nine more would take 20 s.
  EXPECT_GT(spoken, 1500);
  EXPECT_LT(spoken, 8000);
}
