// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

#include "keys/gamepad_source.h"
#include "keys/key_codes.h"

// One input found active on a gamepad: the code a key slot stores for it and its picture.
struct GamepadCapture {
  KeyCode code;
  QString picture;
};

// The inputs one gamepad state captures, in the order they are applied to a slot (the last
// one wins): the button word (only when exactly one known button is down), the left stick,
// the right stick, the left trigger, the right trigger. A stick yields at most one direction
// and its X axis decides before Y. Inputs are looked up in `table` by their window code; one
// the table has no controller code for yields nothing.
std::vector<GamepadCapture> GamepadCaptures(const GamepadState& state,
                                            const TranslationTable& table);
