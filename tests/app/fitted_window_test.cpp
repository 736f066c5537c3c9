// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a handheld screen too small for it at the system's scale: 1920x1200 at 200 %
// leaves 960x600 logical pixels for a 960x650 window. Run with QT_SCALE_FACTOR=2 on an
// offscreen screen of that size (see CMakeLists.txt).
#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

#include "tests/app/app_test_env.h"
#include "tests/support/pixel_difference.h"
#include "ui/paint_manager.h"
#include "ui/window_fit.h"

namespace {

TEST(FittedWindow, TheWholeWindowIsOnTheScreenSharpAndClickedWhereItIsDrawn) {
  AppTestEnv env;
  env.SetLanguage(kLangEnglishUs);
  auto window = env.MakeWindow();
  window->ShowWindow(true);
  QApplication::processEvents();
  QWidget* host = window->GetHost();
  ASSERT_EQ(host->devicePixelRatioF(), 2.0);
  const QRect available = host->screen()->availableGeometry();
  ASSERT_EQ(available.size(), QSize(960, 600));
  EXPECT_EQ(host->size(), QSize(886, 600));
  EXPECT_TRUE(available.contains(host->geometry()));

  // A tap where the skin draws the back-key button, (108,129) to (408,429) at 1x, opens its page.
  const qreal scale = 600.0 / 650.0;
  const QPoint tap(qRound(258 * scale), qRound(279 * scale));
  QWidget* target = host->childAt(tap);
  ASSERT_NE(target, nullptr);
  QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(host, tap));
  EXPECT_EQ(window->CurrentPage(), Page::kBackKeys);
  EXPECT_TRUE(env.boxes.empty());

  // The rear of the handheld lies where the whole skin scaled puts it, (240,85) and 480x390 at
  // 1x, drawn from its sharp picture: a shift by one pixel would differ along every edge.
  const QPixmap picture =
      window->GetManager().GetImage(Attr(*window, "BackKeyDevBkgImg", "bkimage"));
  ASSERT_EQ(picture.devicePixelRatio(), 2.0);
  const QRect logical = ui::ScaleSkinRect(QRect(240, 85, 480, 390), scale);
  const QRect device(logical.topLeft() * 2, logical.size() * 2);
  const QImage shot = host->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage drawn = shot.copy(device);
  QImage expected(device.size(), QImage::Format_RGB32);
  expected.fill(drawn.pixel(0, 0));  // the page's background shows through the picture
  {
    QPainter painter(&expected);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), device.size()), picture.toImage());
  }
  const int pixels = device.width() * device.height();
  EXPECT_LE(DifferingPixels(drawn, expected), pixels / 500) << "of " << pixels;
  window->ShowWindow(false);
}

}  // namespace
