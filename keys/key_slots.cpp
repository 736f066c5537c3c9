// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/key_slots.h"

#include "config/controller_config.h"
#include "names/control_names.h"
#include "settings/setting_table.h"

namespace {

constexpr std::array<SlotButton, 14> kControlKeyButtons{{
    {slots::kWheelUp, names::kWheelUpKey},
    {slots::kWheelDown, names::kWheelDownKey},
    {slots::kHome, names::kHomeKey},
    {slots::kEnd, names::kEndKey},
    {slots::kFaceA, names::kFaceAKey},
    {slots::kFaceB, names::kFaceBKey},
    {slots::kFaceX, names::kFaceXKey},
    {slots::kFaceY, names::kFaceYKey},
    {slots::kW, names::kStickUpKey},
    {slots::kS, names::kStickDownKey},
    {slots::kA, names::kStickLeftKey},
    {slots::kD, names::kStickRightKey},
    {slots::kSpace, names::kSelectKey},
    {slots::kEnter, names::kStartKey},
}};
static_assert(kControlKeyButtons.size() + names::kStepButtons.size() == 22);

std::array<SlotButton, 22> BuildSlotButtons() {
  std::array<SlotButton, 22> table{};
  std::size_t next = 0;
  for (const SlotButton& button : kControlKeyButtons) table[next++] = button;
  // The step buttons number the rear steps as the settings core does: the first button's
  // four, then the second's.
  for (std::size_t i = 0; i < names::kStepButtons.size(); ++i) {
    table[next++] = {settings::StepSlot(static_cast<int>(i) + 1), names::kStepButtons[i]};
  }
  return table;
}

}  // namespace

const std::array<SlotButton, 22>& SlotButtons() {
  static const std::array<SlotButton, 22> table = BuildSlotButtons();
  return table;
}

const char* SlotButtonName(int slot) {
  for (const auto& entry : SlotButtons()) {
    if (entry.slot == slot) return entry.buttonName;
  }
  return nullptr;
}
