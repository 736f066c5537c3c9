// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/controller_config.h"
#include "pages/page_controls.h"

// Rumble strength: three options, one slot.
namespace pages {
void SetVibrationLevel(ControllerConfig& config, int level);
// Selects the option of a level; a level the settings core does not allow leaves none selected.
void SelectVibrationOption(PageControls& controls, int level);
}  // namespace pages
