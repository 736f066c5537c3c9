#include "app/main_window.h"

#include "ui/paint_manager.h"

// Where the toolkit's events go in this window. Key presses other than system keys are left to
// the toolkit: keys are captured on release.
bool MainWindow::OnKeyUp(const ui::KeyEvent& key) {
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
