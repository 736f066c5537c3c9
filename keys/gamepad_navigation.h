// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "keys/gamepad_source.h"

// What a gamepad asks of the window when it is not being captured into a slot: the D-pad and
// the left stick move like the arrow keys, A activates like Enter, B goes back like Escape.
enum class PadCommand { kUp, kDown, kLeft, kRight, kActivate, kBack };

// Turns the readings of successive polls into commands. A and B count when they go down; a
// direction counts when it starts and again while it is held, first after kFirstRepeat polls
// and then every kRepeat polls. Every answering pad counts: their buttons together, the first
// pushed stick. Counted in polls, not in time, so it behaves the same on a slow machine.
class GamepadNavigation {
 public:
  // At the window's 10 ms poll: the first repeat after 0.4 s, then eight a second.
  static constexpr int kFirstRepeat = 40;
  static constexpr int kRepeat = 12;
  // A stick counts as a direction from half of its travel.
  static constexpr int kStickThreshold = 16384;

  // The commands of one poll. The first poll after Restart gives none: what is held then was
  // pressed for something else (a capture, another window).
  std::vector<PadCommand> Next(const GamepadReadings& readings);
  void Restart();

 private:
  bool primed_ = false;
  std::uint16_t buttons_ = 0;
  int direction_ = -1;  // the held direction's PadCommand, -1 for none
  int heldPolls_ = 0;
};
