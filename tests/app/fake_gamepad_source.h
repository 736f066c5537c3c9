// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keys/gamepad_source.h"

// Answers every read with exactly the readings a test put in, and counts the reads.
class FakeGamepadSource : public GamepadSource {
 public:
  GamepadReadings Read() override {
    ++reads;
    return readings;
  }
  GamepadReadings readings;
  int reads = 0;
};
