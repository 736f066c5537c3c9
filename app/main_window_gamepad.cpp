#include "app/main_window.h"
#include "keys/gamepad_capture.h"
#include "keys/gamepad_source.h"
#include "keys/gamepad_tick.h"
#include "pages/delay_selectors.h"
#include "pages/slot_editing.h"

namespace {
constexpr UINT_PTR kGamepadTimerId = 0;
constexpr UINT kGamepadTimerPeriodMs = 10;
}  // namespace

void MainWindow::UpdateGamepadTick() {
  const bool wanted = GamepadTickWanted(deviceStarted, hasFocus, currentPage);
  if (wanted == gamepadTickRunning) return;
  if (wanted) {
    gamepadTickRunning = SetTimer(kGamepadTimerId, kGamepadTimerPeriodMs);
  } else {
    KillTimer(kGamepadTimerId);
    gamepadTickRunning = false;
  }
}

// Every tick captures whatever is held, with no memory of the last one: a held input keeps
// rewriting the armed slot, and a key typed meanwhile is overwritten on the next tick.
LRESULT MainWindow::PollGamepad(UINT, WPARAM, LPARAM, bool& bHandled) {
  if (hasFocus == 0) return 0;
  bHandled = false;
  if (currentPage != 1) return 0;

  const GamepadReadings readings = gamepads != nullptr ? gamepads->Read() : GamepadReadings{};
  for (const auto& reading : readings) {
    if (!reading) continue;
    ControllerConfig& config = device_.config;
    for (const GamepadCapture& capture : GamepadCaptures(*reading, KeyTranslationTable)) {
      pages::CaptureIntoSlot(*pageControls_, config, selectedSlot, capture.code, capture.picture);
    }
  }
  pages::UpdateDelaySelectors(*pageControls_);
  return 0;
}
