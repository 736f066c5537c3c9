#pragma once

#include <array>
#include <cstdint>
#include <optional>

// Everything the program needs to know of one gamepad at one moment. Button bits:
// 0x0001 up, 0x0002 down, 0x0004 left, 0x0008 right, 0x0010 Start, 0x0020 Back, 0x0040 L3,
// 0x0080 R3, 0x0100 L1, 0x0200 R1, 0x0400 Home, 0x1000 A, 0x2000 B, 0x4000 X, 0x8000 Y.
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
};
