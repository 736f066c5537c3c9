#include "pages/delay_selectors.h"

#include "keys/key_codes.h"
#include "names/control_names.h"
#include "pages/slot_editing.h"

namespace pages {
namespace {
// Step (1..8) whose picture governs each selector, in selector order.
constexpr std::array<int, 6> kGoverningStep{1, 2, 3, 5, 6, 7};
}  // namespace

void UpdateDelaySelectors(PageControls& controls) {
  const std::array<QString, 8> pictures = StepPictures(controls);
  for (std::size_t i = 0; i < names::kDelayCombos.size(); ++i) {
    const bool holdsKey = !IsNoKeyImage(pictures[static_cast<std::size_t>(kGoverningStep[i] - 1)]);
    controls.SetAttribute(names::kDelayCombos[i], QStringLiteral("enabled"),
                          holdsKey ? QStringLiteral("true") : QStringLiteral("false"));
  }
}

}  // namespace pages
