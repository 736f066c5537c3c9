// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>

// Everything the program needs to know of one gamepad at one moment. The button word holds
// the bits named in keynumbers/key_constants.h (padbutton::).
// Triggers run 0..255; stick positions are signed 16-bit with Y positive upward.
struct GamepadState {
  std::uint16_t buttons = 0;
  std::uint8_t leftTrigger = 0;
  std::uint8_t rightTrigger = 0;
  std::int16_t leftX = 0;
  std::int16_t leftY = 0;
  std::int16_t rightX = 0;
  std::int16_t rightY = 0;
};

inline constexpr int kGamepadCount = 4;

// Index 0..3; an index without a usable controller holds nothing ("not answering").
using GamepadReadings = std::array<std::optional<GamepadState>, kGamepadCount>;

// Where the window gets its gamepads from. Read is called only while the window can use the
// result, so a source does its work there and nowhere else.
class GamepadSource {
 public:
  virtual ~GamepadSource() = default;
  virtual GamepadReadings Read() = 0;
  // Whether a Read could find any pad, told without setting anything up: the window asks
  // before reading on pages that poll only for a pad, so that a machine without one never
  // loads a gamepad library there.
  virtual bool MayHavePads() { return true; }
};
