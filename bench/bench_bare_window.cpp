// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt Widgets program can do at start: one empty top-level window of the demo's
// size, shown. The start-up benchmark runs it beside the demo as the yardstick.

#include <QApplication>
#include <QWidget>

#include "bench/startup_window_size.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Frameless like the demo's skinned window, so a window manager treats both alike.
  QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
  window.resize(kStartupWindowWidth, kStartupWindowHeight);
  window.show();
  return application.exec();
}
