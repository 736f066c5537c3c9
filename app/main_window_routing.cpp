// SPDX-License-Identifier: GPL-3.0-or-later
#include <QWidget>

#include "app/main_window.h"
#include "keynumbers/key_constants.h"

#include "ui/paint_manager.h"

// Where the toolkit's events go in this window. Key presses other than system keys are left to
// the toolkit: keys are captured on release.
bool MainWindow::OnKeyUp(const ui::KeyEvent& key) {
  // While the key picker is open, Escape closes it and is no key to capture.
  if (picker_ != nullptr && key.virtualKey == vk::kEscape) {
    picker_->close();
    return true;
  }
  return CaptureKeyUp(key);
}

bool MainWindow::OnSysKeyDown(const ui::KeyEvent& key) {
  return CaptureSysKeyDown(key);
}

bool MainWindow::OnWheel(const ui::WheelEvent& wheel) {
  return CaptureWheel(wheel);
}

bool MainWindow::OnTick() {
  return PollGamepad();
}

bool MainWindow::OnCloseRequest() {
  // Closing ends the program; nothing is saved on the way out.
  PostQuitMessage(0);
  return true;
}

bool MainWindow::OnFocusLost() {
  SetFocus(false);
  return true;
}

bool MainWindow::OnFocusGained() {
  SetFocus(true);
  return true;
}

void MainWindow::SetFocus(bool hasFocus) {
  hasFocus_ = hasFocus;
  UpdateGamepadTick();
}
