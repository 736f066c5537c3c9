// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/slot_checks.h"

#include <string>

#include "cli/named_settings.h"
#include "keys/key_names.h"

namespace {

constexpr std::uint8_t kLedReservedBits = 0x0E;

}  // namespace

std::vector<Message> CheckSlots(const SlotWords& words) {
  std::vector<Message> problems;
  for (int slot = 0; slot < slots::kWritten; ++slot) {
    const std::uint16_t word = words[static_cast<std::size_t>(slot)];
    if (const NamedSetting* key = KeySettingOfSlot(slot); key && !IsKnownKeyCode(word)) {
      problems.push_back(
          {MessageId::kSlotNotKey, {std::to_string(slot), key->name, HexText(word, 4)}});
    }
  }
  const std::uint16_t rumble = words[slots::kVibration];
  if (rumble > 2) {
    problems.push_back(
        {MessageId::kSlotBadRumble, {std::to_string(slots::kVibration), std::to_string(rumble)}});
  }
  const auto mode = static_cast<std::uint8_t>(words[slots::kLedModeAndRed] & 0xFF);
  if ((mode & kLedReservedBits) != 0 || static_cast<int>(LedEffectOf(mode)) > 2) {
    problems.push_back(
        {MessageId::kSlotBadLedMode, {std::to_string(slots::kLedModeAndRed), HexText(mode, 2)}});
  }
  return problems;
}
