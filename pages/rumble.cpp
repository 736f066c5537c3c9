// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/rumble.h"

#include "names/control_names.h"
#include "settings/setting_values.h"

namespace pages {

// One option per rumble level the settings core allows, level 0 first.
static_assert(names::kVibrationOptions.size() == settings::kMaxRumble + 1);

void SetVibrationLevel(ControllerConfig& config, int level) {
  config.SetCode(slots::kVibration, static_cast<std::uint16_t>(level));
}

void SelectVibrationOption(PageControls& controls, int level) {
  const QString selected = QStringLiteral("selected");
  for (const char* option : names::kVibrationOptions) {
    controls.SetAttribute(option, selected, QStringLiteral("false"));
  }
  if (level >= 0 && level < static_cast<int>(names::kVibrationOptions.size())) {
    controls.SetAttribute(names::kVibrationOptions[static_cast<std::size_t>(level)], selected,
                          QStringLiteral("true"));
  }
}

}  // namespace pages
