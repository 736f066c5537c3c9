// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/delay_selectors.h"

#include <algorithm>

#include "keys/key_codes.h"
#include "keys/key_slots.h"
#include "names/control_names.h"
#include "settings/setting_table.h"
#include "settings/setting_values.h"

namespace pages {
namespace {
// The skin's items of a delay selector are the delay choices, in order.
constexpr int kSkinItems = static_cast<int>(settings::kDelayChoices.size());

// The button of the step a selector's delay follows (delay n of a button follows its step n).
const char* GoverningStepButton(int selector) {
  const int delaySlot = settings::DelaySelectorSlot(selector);
  for (const settings::Setting& setting : settings::Settings()) {
    if (setting.kind == settings::SettingKind::kStepDelay && setting.slot == delaySlot) {
      return SlotButtonName(settings::RearStepSlot(setting.button, setting.index));
    }
  }
  return nullptr;
}
}  // namespace

void ShowStepDelay(PageControls& controls, const char* selector, std::uint16_t delay) {
  controls.KeepItems(selector, kSkinItems);
  const auto* choice =
      std::find(settings::kDelayChoices.begin(), settings::kDelayChoices.end(), delay);
  if (choice != settings::kDelayChoices.end()) {
    controls.SelectItem(selector, static_cast<int>(choice - settings::kDelayChoices.begin()));
    return;
  }
  controls.AddItem(selector, QString::number(delay));
  controls.SelectItem(selector, kSkinItems);
}

void UpdateDelaySelectors(PageControls& controls) {
  // Every picture is read before any selector changes.
  std::array<QString, names::kDelayCombos.size()> pictures;
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    pictures[i] = controls.GetBkImage(GoverningStepButton(static_cast<int>(i) + 1));
  }
  for (std::size_t i = 0; i < names::kDelayCombos.size(); ++i) {
    const bool holdsKey = !IsNoKeyImage(pictures[i]);
    controls.SetAttribute(names::kDelayCombos[i], QStringLiteral("enabled"),
                          holdsKey ? QStringLiteral("true") : QStringLiteral("false"));
  }
}

}  // namespace pages
