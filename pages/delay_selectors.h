#pragma once

#include "pages/page_controls.h"

namespace pages {

// A delay only means something after a step that holds a key: each of the six delay
// selectors of the rear-button page is enabled exactly when its step button (steps 1, 2, 3,
// 5, 6, 7; the last step of each chain has none) shows anything but "no key". All six
// pictures are read before any selector changes.
void UpdateDelaySelectors(PageControls& controls);

}  // namespace pages
