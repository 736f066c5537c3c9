// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The key slots that have a button, and the skin name of that button: the fourteen control
// keys, then the rear buttons' steps in the order of their step buttons.
struct SlotButton {
  int slot;
  const char* buttonName;
};

inline constexpr int kNoSlot = 0xFFFF;

const std::array<SlotButton, 22>& SlotButtons();

// The button of a slot, or nullptr when the slot has no button (kNoSlot included).
const char* SlotButtonName(int slot);
