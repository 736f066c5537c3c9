// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/edit_merge.h"

#include "settings/setting_table.h"

namespace settings {
namespace {

bool Differs(const ControllerConfig& a, const ControllerConfig& b, const Setting& setting) {
  const SettingBits bits = BitsOf(setting);
  for (int i = 0; i < bits.count; ++i) {
    const auto& part = bits.parts[static_cast<std::size_t>(i)];
    if ((a.Code(part.slot) & part.mask) != (b.Code(part.slot) & part.mask)) return true;
  }
  return false;
}

void Take(ControllerConfig& into, const ControllerConfig& from, const Setting& setting) {
  const SettingBits bits = BitsOf(setting);
  for (int i = 0; i < bits.count; ++i) {
    const auto& part = bits.parts[static_cast<std::size_t>(i)];
    const auto kept = static_cast<std::uint16_t>(into.Code(part.slot) & ~part.mask);
    into.SetCode(part.slot, static_cast<std::uint16_t>(kept | (from.Code(part.slot) & part.mask)));
  }
}

bool IsRearSetting(const Setting& setting) {
  return setting.kind == SettingKind::kRearStep || setting.kind == SettingKind::kStepDelay;
}

}  // namespace

ControllerConfig MergeEdits(const ControllerConfig& loaded, const ControllerConfig& edited,
                            const ControllerConfig& fresh) {
  ControllerConfig merged = fresh;
  bool rearButtonEdited[kRearButtons] = {false, false};
  for (const Setting& setting : Settings()) {
    if (!Differs(loaded, edited, setting)) continue;
    if (IsRearSetting(setting)) {
      rearButtonEdited[setting.button] = true;
    } else {
      Take(merged, edited, setting);
    }
  }
  for (const Setting& setting : Settings()) {
    if (IsRearSetting(setting) && rearButtonEdited[setting.button]) Take(merged, edited, setting);
  }
  return merged;
}

}  // namespace settings
