#include "app/main_window.h"
#include "keys/key_slots.h"
#include "pages/slot_capture.h"

// Keyboard and wheel capture. An unfocused window keeps the message (nothing is captured and
// nothing else sees it); otherwise the message goes on to the toolkit after the capture.
namespace {
constexpr std::uint32_t kControlKeyPage = 2;
}  // namespace

pages::CaptureTarget MainWindow::ArmedSlot() {
  return {*pageControls_, device_.config, KeyTranslationTable, selectedSlot, device_.trace};
}

LRESULT MainWindow::CaptureKeyUp(UINT, WPARAM wParam, LPARAM lParam, bool& bHandled) {
  if (hasFocus == 0) return 0;
  pages::CaptureKeyRelease(ArmedSlot(), static_cast<std::uint32_t>(wParam), lParam);
  bHandled = false;
  return 0;
}

LRESULT MainWindow::CaptureSysKeyDown(UINT, WPARAM wParam, LPARAM lParam, bool& bHandled) {
  if (hasFocus == 0 || selectedSlot == kNoSlot) return 0;
  pages::CaptureSystemKey(ArmedSlot(), static_cast<std::uint32_t>(wParam), lParam);
  bHandled = false;
  return 0;
}

LRESULT MainWindow::CaptureWheel(UINT, WPARAM wParam, LPARAM, bool& bHandled) {
  if (hasFocus == 0) return 0;
  // The wheel is a key only on the control-key page.
  if (currentPage == kControlKeyPage && selectedSlot != kNoSlot) {
    pages::CaptureWheelTurn(ArmedSlot(), wParam);
  }
  bHandled = false;
  return 0;
}
