// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "names/control_names.h"

// The key slots that have a button, and the skin name of that button (the table itself is
// part of the control-name registry).
using SlotButton = names::SlotButton;

inline constexpr int kNoSlot = 0xFFFF;

const std::array<SlotButton, 22>& SlotButtons();

// The button of a slot, or nullptr when the slot has no button (kNoSlot included).
const char* SlotButtonName(int slot);
