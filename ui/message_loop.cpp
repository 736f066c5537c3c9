// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "ui/paint_manager.h"

namespace {

bool g_loopRunning = false;
bool g_quitPending = false;
int g_quitCode = 0;

}  // namespace

void PostQuitMessage(int exitCode) {
  if (g_loopRunning) {
    QCoreApplication::exit(exitCode);
    return;
  }
  // Posted before the loop runs (during window creation): the loop ends as soon as it starts.
  g_quitPending = true;
  g_quitCode = exitCode;
}

int CPaintManagerUI::MessageLoop() {
  if (qApp == nullptr) return 0;
  // Only the quit message ends the loop, not the closing of a window.
  QApplication::setQuitOnLastWindowClosed(false);
  if (g_quitPending) {
    g_quitPending = false;
    // Let the window that was just shown reach the screen once.
    QCoreApplication::processEvents();
    return g_quitCode;
  }
  g_loopRunning = true;
  const int code = QApplication::exec();
  g_loopRunning = false;
  g_quitPending = false;
  return code;
}
