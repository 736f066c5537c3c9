// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/key_slots.h"

const std::array<SlotButton, 22>& SlotButtons() {
  return names::kSlotButtons;
}

const char* SlotButtonName(int slot) {
  for (const auto& entry : names::kSlotButtons) {
    if (entry.slot == slot) return entry.buttonName;
  }
  return nullptr;
}
