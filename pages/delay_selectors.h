// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "pages/page_controls.h"

namespace pages {

// A delay only means something after a step that holds a key: each of the six delay
// selectors of the rear-button page is enabled exactly when its step button (steps 1, 2, 3,
// 5, 6, 7; the last step of each chain has none) shows anything but "no key". All six
// pictures are read before any selector changes.
void UpdateDelaySelectors(PageControls& controls);

// Shows a stored delay in its selector. The skin offers two items, 0 and 100; any other value
// (padctl can store one) gets a third item reading that number, so the page shows what the
// controller holds and Save keeps it unless the user picks another item. A value of 0 or 100
// takes such an item away again.
void ShowStepDelay(PageControls& controls, const char* selector, std::uint16_t delay);

}  // namespace pages
