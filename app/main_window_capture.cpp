#include "app/main_window.h"
#include "keys/key_slots.h"
#include "pages/slot_capture.h"

// Keyboard and wheel capture. An unfocused window keeps the event (nothing is captured and
// nothing else sees it); otherwise the event goes on to the toolkit after the capture.
namespace {
constexpr std::uint32_t kControlKeyPage = 2;

KeyStroke StrokeOf(const ui::KeyEvent& key) {
  return KeyStroke{key.virtualKey, key.scanCode, key.extended};
}
}  // namespace

pages::CaptureTarget MainWindow::ArmedSlot() {
  return {*pageControls_, device_.config, KeyTranslationTable, selectedSlot, device_.trace};
}

bool MainWindow::CaptureKeyUp(const ui::KeyEvent& key) {
  if (hasFocus == 0) return true;
  pages::CaptureKeyRelease(ArmedSlot(), StrokeOf(key));
  return false;
}

bool MainWindow::CaptureSysKeyDown(const ui::KeyEvent& key) {
  if (hasFocus == 0 || selectedSlot == kNoSlot) return true;
  pages::CaptureSystemKey(ArmedSlot(), StrokeOf(key));
  return false;
}

bool MainWindow::CaptureWheel(const ui::WheelEvent& wheel) {
  if (hasFocus == 0) return true;
  // The wheel is a key only on the control-key page.
  if (currentPage == kControlKeyPage && selectedSlot != kNoSlot) {
    pages::CaptureWheelTurn(ArmedSlot(), wheel.delta);
  }
  return false;
}
