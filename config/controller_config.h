// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

// The settings record: a mirror of the controller's key map, 128 numbered 16-bit slots.
// Slot n is the n-th little-endian word of the controller's key-map memory.

namespace slots {
// Control keys (keyboard-and-mouse mode).
inline constexpr int kWheelUp = 0;
inline constexpr int kWheelDown = 1;
inline constexpr int kHome = 2;
inline constexpr int kEnd = 3;
inline constexpr int kFaceA = 4;
inline constexpr int kFaceB = 5;
inline constexpr int kFaceX = 6;
inline constexpr int kFaceY = 7;
inline constexpr int kW = 8;
inline constexpr int kS = 9;
inline constexpr int kA = 10;
inline constexpr int kD = 11;
inline constexpr int kSpace = 12;
inline constexpr int kEnter = 13;
inline constexpr int kFirstControlKey = 0;
inline constexpr int kLastControlKey = 13;
// Rear buttons: four steps each.
inline constexpr int kFirstRearStep1 = 25;   // steps 25..28
inline constexpr int kSecondRearStep1 = 29;  // steps 29..32
inline constexpr int kLastRearStep = 32;
// Packed settings.
inline constexpr int kVibration = 33;
inline constexpr int kLedModeAndRed = 34;
inline constexpr int kLedGreenBlue = 35;
inline constexpr int kLeftStickDeadZones = 36;
inline constexpr int kRightStickDeadZones = 37;
// Step delays of the rear-button sequences; 43 and 47 carry a fixed value.
inline constexpr int kFirstRearDelay1 = 40;  // delays 40..42
inline constexpr int kFirstRearFixed = 43;
inline constexpr int kSecondRearDelay1 = 44;  // delays 44..46
inline constexpr int kSecondRearFixed = 47;
inline constexpr std::uint16_t kFixedDelayValue = 300;

inline constexpr int kCount = 128;   // slots held and read
inline constexpr int kWritten = 64;  // slots 0..63 are written back
}  // namespace slots

struct KeyMapEntry {
  std::uint16_t code = 0;
  std::uint8_t slotNumber = 0;
};

class ControllerConfig {
 public:
  std::array<KeyMapEntry, slots::kCount> entries{};

  // Slots outside 0..127 do not exist: reading one gives 0, writing one does nothing.
  std::uint16_t Code(int slot) const { return Holds(slot) ? entries[Index(slot)].code : 0; }
  void SetCode(int slot, std::uint16_t code) {
    if (Holds(slot)) entries[Index(slot)].code = code;
  }

  // Factory defaults for slots 0..63 (code and slotNumber); 64..127 are left alone.
  void LoadDefaults();

 private:
  static bool Holds(int slot) { return slot >= 0 && slot < slots::kCount; }
  static std::size_t Index(int slot) { return static_cast<std::size_t>(slot); }
};

// The factory default code of slot n (0..63); 0 outside that range.
std::uint16_t DefaultCode(int slot);

// Packed fields -------------------------------------------------------------

// LED mode byte (low byte of slot 34): bit 0 on/off, bits 4..7 the effect.
enum class LedEffect : std::uint8_t { kConstant = 0, kBreathing = 1, kRotating = 2 };
std::uint8_t LedModeByte(const ControllerConfig& config);
void SetLedModeByte(ControllerConfig& config, std::uint8_t mode);
bool LedIsOn(std::uint8_t mode);
std::uint8_t WithLedOn(std::uint8_t mode, bool on);  // changes bit 0 only
LedEffect LedEffectOf(std::uint8_t mode);            // bits 4..7 (unknown values as read)
std::uint8_t WithLedEffect(std::uint8_t mode,
                           LedEffect effect);  // clears bits 1..7, sets 0x10/0x20
// Colour 0xRRGGBB: red = high byte of slot 34, green = low byte of 35, blue = high byte of 35.
std::uint32_t LedColour(const ControllerConfig& config);
void SetLedColour(ControllerConfig& config, std::uint32_t rgb);  // mode byte untouched

// Dead zones (slots 36/37): low byte centre, high byte boundary, each a signed byte.
struct DeadZones {
  std::int8_t centre = 0;
  std::int8_t boundary = 0;
};
DeadZones DeadZonesOf(std::uint16_t code);
std::uint16_t PackDeadZones(int centre, int boundary);  // (centre & 0xFF) | (boundary << 8)

// The 64 words the controller takes in a write, by slot.
using SlotWords = std::array<std::uint16_t, slots::kWritten>;
SlotWords WrittenSlots(const ControllerConfig& config);
void PutWrittenSlots(ControllerConfig& config, const SlotWords& words);
