// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/controller_config.h"

namespace {

// Factory key map of slots 0..63 as the controller ships it.
constexpr std::array<std::uint16_t, slots::kWritten> kDefaultCodes = {
    0x00E8, 0x00E9, 0x004A, 0x004D, 0x0051, 0x004F, 0x0050, 0x0052,  // 0..7
    0x001A, 0x0016, 0x0004, 0x0007, 0x002C, 0x0028, 0x0000, 0x0000,  // 8..15
    0x0000, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x0000, 0x0000, 0x0000,  // 16..23
    0x0000, 0x0029, 0x0000, 0x0000, 0x0000, 0x00E0, 0x00E2, 0x004C,  // 24..31
    0x0000, 0x0001, 0xFF00, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000,  // 32..39
    0x0000, 0x0000, 0x0000, 0x012C, 0x0000, 0x0000, 0x0000, 0x012C,  // 40..47
    0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000,  // 48..55
    0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000,  // 56..63
};

constexpr std::uint8_t LowByte(std::uint16_t v) {
  return static_cast<std::uint8_t>(v & 0xFF);
}
constexpr std::uint8_t HighByte(std::uint16_t v) {
  return static_cast<std::uint8_t>(v >> 8);
}
constexpr std::uint16_t Word(std::uint8_t low, std::uint8_t high) {
  return static_cast<std::uint16_t>(low | (high << 8));
}

}  // namespace

std::uint16_t DefaultCode(int slot) {
  if (slot < 0 || slot >= slots::kWritten) return 0;
  return kDefaultCodes[static_cast<std::size_t>(slot)];
}

void ControllerConfig::LoadDefaults() {
  for (int n = 0; n < slots::kWritten; ++n) {
    entries[static_cast<std::size_t>(n)].slotNumber = static_cast<std::uint8_t>(n);
    entries[static_cast<std::size_t>(n)].code = DefaultCode(n);
  }
}

std::uint8_t LedModeByte(const ControllerConfig& config) {
  return LowByte(config.Code(slots::kLedModeAndRed));
}

void SetLedModeByte(ControllerConfig& config, std::uint8_t mode) {
  const std::uint16_t old = config.Code(slots::kLedModeAndRed);
  config.SetCode(slots::kLedModeAndRed, Word(mode, HighByte(old)));
}

bool LedIsOn(std::uint8_t mode) {
  return (mode & 0x01) != 0;
}

std::uint8_t WithLedOn(std::uint8_t mode, bool on) {
  return static_cast<std::uint8_t>(on ? (mode | 0x01) : (mode & ~0x01));
}

LedEffect LedEffectOf(std::uint8_t mode) {
  return static_cast<LedEffect>(mode >> 4);
}

std::uint8_t WithLedEffect(std::uint8_t mode, LedEffect effect) {
  const auto kept = static_cast<std::uint8_t>(mode & 0x01);
  switch (effect) {
    case LedEffect::kBreathing:
      return static_cast<std::uint8_t>(kept | 0x10);
    case LedEffect::kRotating:
      return static_cast<std::uint8_t>(kept | 0x20);
    case LedEffect::kConstant:
      break;
  }
  return kept;
}

std::uint32_t LedColour(const ControllerConfig& config) {
  const std::uint16_t modeAndRed = config.Code(slots::kLedModeAndRed);
  const std::uint16_t greenBlue = config.Code(slots::kLedGreenBlue);
  return (static_cast<std::uint32_t>(HighByte(modeAndRed)) << 16) |
         (static_cast<std::uint32_t>(LowByte(greenBlue)) << 8) |
         static_cast<std::uint32_t>(HighByte(greenBlue));
}

void SetLedColour(ControllerConfig& config, std::uint32_t rgb) {
  const auto red = static_cast<std::uint8_t>((rgb >> 16) & 0xFF);
  const auto green = static_cast<std::uint8_t>((rgb >> 8) & 0xFF);
  const auto blue = static_cast<std::uint8_t>(rgb & 0xFF);
  config.SetCode(slots::kLedModeAndRed, Word(LedModeByte(config), red));
  config.SetCode(slots::kLedGreenBlue, Word(green, blue));
}

DeadZones DeadZonesOf(std::uint16_t code) {
  DeadZones zones;
  zones.centre = static_cast<std::int8_t>(LowByte(code));
  zones.boundary = static_cast<std::int8_t>(HighByte(code));
  return zones;
}

std::uint16_t PackDeadZones(int centre, int boundary) {
  // Each value is stored as its two's-complement byte, so -5 becomes 0xFB.
  return Word(static_cast<std::uint8_t>(centre & 0xFF), static_cast<std::uint8_t>(boundary & 0xFF));
}

SlotWords WrittenSlots(const ControllerConfig& config) {
  SlotWords words{};
  for (int slot = 0; slot < slots::kWritten; ++slot) {
    words[static_cast<std::size_t>(slot)] = config.Code(slot);
  }
  return words;
}

void PutWrittenSlots(ControllerConfig& config, const SlotWords& words) {
  for (int slot = 0; slot < slots::kWritten; ++slot) {
    config.SetCode(slot, words[static_cast<std::size_t>(slot)]);
  }
}
