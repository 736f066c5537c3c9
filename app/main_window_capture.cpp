// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "keys/key_slots.h"
#include "pages/slot_capture.h"

// Keyboard and wheel capture. An unfocused window keeps the event (nothing is captured and
// nothing else sees it); otherwise the event goes on to the toolkit after the capture.
namespace {
KeyStroke StrokeOf(const ui::KeyEvent& key) {
  return KeyStroke{key.virtualKey, key.scanCode, key.extended};
}
}  // namespace

pages::CaptureTarget MainWindow::ArmedSlot() {
  return {*pageControls_, device_.config, keyTranslationTable_, selectedSlot_, device_.trace};
}

bool MainWindow::CaptureKeyUp(const ui::KeyEvent& key) {
  if (!hasFocus_) return true;
  pages::CaptureKeyRelease(ArmedSlot(), StrokeOf(key));
  ShowSlotName(selectedSlot_);
  return false;
}

bool MainWindow::CaptureSysKeyDown(const ui::KeyEvent& key) {
  if (!hasFocus_ || selectedSlot_ == static_cast<std::uint32_t>(kNoSlot)) return true;
  pages::CaptureSystemKey(ArmedSlot(), StrokeOf(key));
  ShowSlotName(selectedSlot_);
  return false;
}

bool MainWindow::CaptureWheel(const ui::WheelEvent& wheel) {
  if (!hasFocus_) return true;
  // The wheel is a key only on the control-key page.
  if (currentPage_ == Page::kControlKeys && selectedSlot_ != static_cast<std::uint32_t>(kNoSlot)) {
    pages::CaptureWheelTurn(ArmedSlot(), wheel.delta);
    ShowSlotName(selectedSlot_);
  }
  return false;
}
