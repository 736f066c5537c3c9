// SPDX-License-Identifier: GPL-3.0-or-later
// The entry of every test program that needs Qt's application object (widgets, fonts,
// pictures). Without a platform chosen by the caller the tests run without a screen.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
