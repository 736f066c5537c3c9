// SPDX-License-Identifier: GPL-3.0-or-later
// The rule that keeps a skin window whole on a screen too small for it at the system's scale.
#include <gtest/gtest.h>

#include "ui/window_fit.h"

namespace {

TEST(WindowFit, ShrinksOnlyWhenTheSkinDoesNotFitAndNeverGrows) {
  const QSize skin(960, 650);
  // Logical areas of handheld screens: 1280x800 at 1.25 (and 2560x1600 at 2.5), 1920x1080 at
  // 1.5, 1920x1200 at 2.
  const ui::WindowFit at125 = ui::FitWindow(skin, QSize(1024, 640));
  EXPECT_DOUBLE_EQ(at125.contentScale, 640.0 / 650.0);
  EXPECT_EQ(at125.windowSize, QSize(945, 640));
  const ui::WindowFit at150 = ui::FitWindow(skin, QSize(1280, 720));
  EXPECT_DOUBLE_EQ(at150.contentScale, 1.0);
  EXPECT_EQ(at150.windowSize, QSize(960, 650));
  const ui::WindowFit at200 = ui::FitWindow(skin, QSize(960, 600));
  EXPECT_DOUBLE_EQ(at200.contentScale, 600.0 / 650.0);
  EXPECT_EQ(at200.windowSize, QSize(886, 600));
  // Too narrow rather than too low: the width decides.
  const ui::WindowFit narrow = ui::FitWindow(skin, QSize(800, 1000));
  EXPECT_DOUBLE_EQ(narrow.contentScale, 800.0 / 960.0);
  EXPECT_EQ(narrow.windowSize, QSize(800, 541));
  // A big screen never makes the window bigger than the skin.
  EXPECT_EQ(ui::FitWindow(skin, QSize(3840, 2160)).windowSize, QSize(960, 650));
  // Nothing to fit into, or nothing to fit: the skin's own size.
  EXPECT_EQ(ui::FitWindow(skin, QSize()).windowSize, QSize(960, 650));
  EXPECT_DOUBLE_EQ(ui::FitWindow(skin, QSize(0, 600)).contentScale, 1.0);
  EXPECT_EQ(ui::FitWindow(QSize(), QSize(800, 600)).windowSize, QSize());
}

TEST(WindowFit, SkinRectanglesScaleByTheirEdgesWithoutGaps) {
  EXPECT_EQ(ui::ScaleSkinRect(QRect(10, 20, 30, 40), 1.0), QRect(10, 20, 30, 40));
  EXPECT_EQ(ui::ScaleSkinRect(QRect(10, 20, 30, 40), 0.5), QRect(5, 10, 15, 20));
  // Two neighbours of three skin pixels each at half size: one ends where the other starts.
  const QRect first = ui::ScaleSkinRect(QRect(0, 0, 3, 1), 0.5);
  const QRect second = ui::ScaleSkinRect(QRect(3, 0, 3, 1), 0.5);
  EXPECT_EQ(first.x() + first.width(), second.x());
  EXPECT_EQ(second.x() + second.width(), 3);
}

}  // namespace
