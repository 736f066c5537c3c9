// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/delay_selectors.h"

#include "keys/key_codes.h"
#include "names/control_names.h"
#include "pages/slot_editing.h"

namespace pages {
namespace {
// Step (1..8) whose picture governs each selector, in selector order.
constexpr std::array<int, 6> kGoverningStep{1, 2, 3, 5, 6, 7};
// The skin's items of a delay selector: "0", then "100".
constexpr int kSkinItems = 2;
constexpr std::uint16_t kSecondItemDelay = 100;
}  // namespace

void ShowStepDelay(PageControls& controls, const char* selector, std::uint16_t delay) {
  controls.KeepItems(selector, kSkinItems);
  if (delay == 0 || delay == kSecondItemDelay) {
    controls.SelectItem(selector, delay == 0 ? 0 : 1);
    return;
  }
  controls.AddItem(selector, QString::number(delay));
  controls.SelectItem(selector, kSkinItems);
}

void UpdateDelaySelectors(PageControls& controls) {
  const std::array<QString, 8> pictures = StepPictures(controls);
  for (std::size_t i = 0; i < names::kDelayCombos.size(); ++i) {
    const bool holdsKey = !IsNoKeyImage(pictures[static_cast<std::size_t>(kGoverningStep[i] - 1)]);
    controls.SetAttribute(names::kDelayCombos[i], QStringLiteral("enabled"),
                          holdsKey ? QStringLiteral("true") : QStringLiteral("false"));
  }
}

}  // namespace pages
