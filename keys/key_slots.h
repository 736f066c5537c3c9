#pragma once

#include <array>

// The key slots that have a button, and the skin name of that button. Slots 0..13 are the
// control keys, 25..32 the four steps of each rear button; every other slot has none.
struct SlotButton {
  int slot;
  const char* buttonName;
};

inline constexpr int kNoSlot = 0xFFFF;

const std::array<SlotButton, 22>& SlotButtons();

// The button of a slot, or nullptr when the slot has no button (kNoSlot included).
const char* SlotButtonName(int slot);
