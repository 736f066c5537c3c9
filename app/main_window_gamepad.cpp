#include "app/main_window.h"
#include "keys/gamepad_capture.h"
#include "keys/gamepad_source.h"
#include "keys/gamepad_tick.h"
#include "pages/delay_selectors.h"
#include "pages/slot_editing.h"

namespace {
constexpr int kGamepadTickPeriodMs = 10;
}  // namespace

void MainWindow::UpdateGamepadTick() {
  const bool wanted = GamepadTickWanted(deviceStarted, hasFocus, currentPage);
  if (wanted == gamepadTickRunning) return;
  if (wanted) {
    gamepadTickRunning = StartTick(kGamepadTickPeriodMs);
  } else {
    StopTick();
    gamepadTickRunning = false;
  }
}

// Every tick captures whatever is held, with no memory of the last one: a held input keeps
// rewriting the armed slot, and a key typed meanwhile is overwritten on the next tick.
bool MainWindow::PollGamepad() {
  if (hasFocus == 0) return true;
  if (currentPage != 1) return false;

  const GamepadReadings readings = gamepads != nullptr ? gamepads->Read() : GamepadReadings{};
  for (const auto& reading : readings) {
    if (!reading) continue;
    ControllerConfig& config = device_.config;
    for (const GamepadCapture& capture : GamepadCaptures(*reading, KeyTranslationTable)) {
      pages::CaptureIntoSlot(*pageControls_, config, selectedSlot, capture.code, capture.picture);
    }
  }
  pages::UpdateDelaySelectors(*pageControls_);
  return false;
}
