// SPDX-License-Identifier: GPL-3.0-or-later
#include <QWidget>

#include "app/main_window.h"
#include "keynumbers/key_constants.h"
#include "keys/key_slots.h"

#include "ui/paint_manager.h"

namespace {
// The keys the open picker uses for itself.
bool IsPickerKey(std::uint32_t virtualKey) {
  switch (virtualKey) {
    case vk::kLeft:
    case vk::kRight:
    case vk::kUp:
    case vk::kDown:
    case vk::kTab:
    case vk::kReturn:
    case vk::kSpace:
      return true;
    default:
      return false;
  }
}
}  // namespace

// Where the toolkit's events go in this window. Keys are captured on release; presses other
// than system keys are left to the toolkit (which moves the focus), except while a slot is
// armed: then every key belongs to the capture.
bool MainWindow::OnKeyDown(const ui::KeyEvent&) {
  // The open picker takes its keys from Qt, not from the toolkit's navigation.
  if (picker_ != nullptr) return false;
  return selectedSlot_ != static_cast<std::uint32_t>(kNoSlot);
}

bool MainWindow::OnKeyUp(const ui::KeyEvent& key) {
  // While the key picker is open, Escape closes it and is no key to capture.
  if (picker_ != nullptr && key.virtualKey == vk::kEscape) {
    picker_->close();
    return true;
  }
  if (picker_ != nullptr) {
    if (IsPickerKey(key.virtualKey)) return false;  // to the picker
    // A picker opened without the pointer armed nothing for the keyboard to fill.
    if (pickerByNavigation_) return true;
    return CaptureKeyUp(key);
  }
  if (selectedSlot_ != static_cast<std::uint32_t>(kNoSlot)) {
    // Captured, and nothing else: Enter stored in a slot presses no button.
    CaptureKeyUp(key);
    return true;
  }
  if (hasFocus_ && key.pressSeen) {
    if (key.virtualKey == vk::kEscape && currentPage_ != Page::kMainMenu) {
      BackToMainMenu();
      return true;
    }
    if ((key.virtualKey == vk::kReturn || key.virtualKey == vk::kSpace) &&
        OpenPickerForFocusedSlot()) {
      return true;
    }
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
  // Pads may have come or gone meanwhile: look again when the focus is back.
  padProbed_ = false;
  UpdateGamepadTick();
}
