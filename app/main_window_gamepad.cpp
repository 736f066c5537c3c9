// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "keys/gamepad_source.h"

namespace {
constexpr int kGamepadTickPeriodMs = 10;
}  // namespace

// The gamepad poll can only change anything while the rear-button page is shown and the
// window has the keyboard; at every other time its periodic tick would only wake the
// processor, so it runs exactly then (and never before the controller started).
void MainWindow::UpdateGamepadTick() {
  const bool wanted = deviceStarted_ && hasFocus_ && currentPage_ == Page::kBackKeys;
  if (wanted == gamepadTickRunning_) return;
  if (wanted) {
    gamepadTickRunning_ = StartTick(kGamepadTickPeriodMs);
  } else {
    StopTick();
    gamepadTickRunning_ = false;
  }
}

bool MainWindow::PollGamepad() {
  if (!hasFocus_) return true;
  if (currentPage_ != Page::kBackKeys) return false;
  const GamepadReadings readings = gamepads_ != nullptr ? gamepads_->Read() : GamepadReadings{};
  // The slot's spoken name changes only when a tick stored something; most ticks store nothing.
  if (backKeyPage_.TakeGamepadInputs(readings, selectedSlot_)) ShowSlotName(selectedSlot_);
  return false;
}
