// The desktop services: titled message boxes with their answers, and the
// transcript of every spoken sentence.
#include <gtest/gtest.h>

#include <QApplication>
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

TEST(DesktopServicesTest, EverySentenceIsWrittenAsOneLineExactlyAsSpoken) {
  qtview::DesktopServices services;  // muted by the test runner: transcript only
  testing::internal::CaptureStdout();
  services.speak("Tile does not fit");
  services.speak(" Squares overlap");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Tile does not fit\n Squares overlap\n");
}
