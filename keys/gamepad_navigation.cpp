// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/gamepad_navigation.h"

#include <cstdlib>

#include "keynumbers/key_constants.h"

namespace {

// The one direction a state points to, -1 for none. The D-pad wins over the stick; on the
// stick the axis pushed further decides. Y is positive upward.
int DirectionOf(std::uint16_t buttons, int stickX, int stickY) {
  if ((buttons & padbutton::kDpadUp) != 0) return static_cast<int>(PadCommand::kUp);
  if ((buttons & padbutton::kDpadDown) != 0) return static_cast<int>(PadCommand::kDown);
  if ((buttons & padbutton::kDpadLeft) != 0) return static_cast<int>(PadCommand::kLeft);
  if ((buttons & padbutton::kDpadRight) != 0) return static_cast<int>(PadCommand::kRight);
  const int threshold = GamepadNavigation::kStickThreshold;
  if (std::abs(stickX) < threshold && std::abs(stickY) < threshold) return -1;
  if (std::abs(stickX) >= std::abs(stickY)) {
    return static_cast<int>(stickX < 0 ? PadCommand::kLeft : PadCommand::kRight);
  }
  return static_cast<int>(stickY > 0 ? PadCommand::kUp : PadCommand::kDown);
}

}  // namespace

void GamepadNavigation::Restart() {
  primed_ = false;
}

std::vector<PadCommand> GamepadNavigation::Next(const GamepadReadings& readings) {
  std::uint16_t buttons = 0;
  int stickX = 0;
  int stickY = 0;
  for (const auto& reading : readings) {
    if (!reading) continue;
    buttons = static_cast<std::uint16_t>(buttons | reading->buttons);
    const bool pushed =
        std::abs(reading->leftX) >= kStickThreshold || std::abs(reading->leftY) >= kStickThreshold;
    if (pushed && stickX == 0 && stickY == 0) {
      stickX = reading->leftX;
      stickY = reading->leftY;
    }
  }
  const int direction = DirectionOf(buttons, stickX, stickY);
  std::vector<PadCommand> commands;
  if (!primed_) {
    primed_ = true;
    buttons_ = buttons;
    direction_ = direction;
    heldPolls_ = 0;
    return commands;
  }
  const auto pressed = [&](std::uint16_t bit) {
    return (buttons & bit) != 0 && (buttons_ & bit) == 0;
  };
  if (direction != direction_) {
    heldPolls_ = 0;
    if (direction >= 0) commands.push_back(static_cast<PadCommand>(direction));
  } else if (direction >= 0) {
    ++heldPolls_;
    if (heldPolls_ >= kFirstRepeat && (heldPolls_ - kFirstRepeat) % kRepeat == 0) {
      commands.push_back(static_cast<PadCommand>(direction));
    }
  }
  if (pressed(padbutton::kA)) commands.push_back(PadCommand::kActivate);
  if (pressed(padbutton::kB)) commands.push_back(PadCommand::kBack);
  buttons_ = buttons;
  direction_ = direction;
  return commands;
}
