// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/page_fill.h"

#include <array>

#include "names/control_names.h"
#include "pages/dead_zones.h"
#include "pages/delay_selectors.h"
#include "pages/led_settings.h"
#include "pages/rumble.h"
#include "pages/slot_editing.h"
#include "settings/setting_table.h"

namespace pages {
namespace {
// The control-key slots in the order the page fills them in: the stick's keys, Home/End, the
// wheel, the face buttons' keys, then Space and Enter.
constexpr std::array<int, 14> kControlKeyFillOrder{
    slots::kA,     slots::kD,       slots::kW,         slots::kS,     slots::kHome,
    slots::kEnd,   slots::kWheelUp, slots::kWheelDown, slots::kFaceX, slots::kFaceY,
    slots::kFaceB, slots::kFaceA,   slots::kSpace,     slots::kEnter};
// Settings of the control-key page besides its keys.
constexpr std::array<int, 5> kControlPageSettings{slots::kVibration, slots::kLedModeAndRed,
                                                  slots::kLedGreenBlue, slots::kLeftStickDeadZones,
                                                  slots::kRightStickDeadZones};

void ShowControlSettings(PageControls& controls, const ControllerConfig& config,
                         const ControlKeyPageContext& context) {
  SelectVibrationOption(controls, config.Code(slots::kVibration));
  MarkColourSwatch(controls, context.palette, LedColour(config));
  ShowLedMode(controls, LedModeByte(config), context.boardModel);
}
}  // namespace

void FillBackKeyPage(PageControls& controls, const ControllerConfig& config,
                     const TranslationTable& table, const TraceSink& trace) {
  for (const char* combo : names::kDelayCombos) {
    controls.SetAttribute(combo, QStringLiteral("enabled"), QStringLiteral("true"));
  }
  for (int step = 1; step <= kWindowSteps; ++step) {
    const int slot = settings::StepSlot(step);
    ShowSlotCode(controls, table, slot, config.Code(slot), trace);
  }
  for (std::size_t i = 0; i < names::kDelayCombos.size(); ++i) {
    const int slot = settings::DelaySelectorSlot(static_cast<int>(i) + 1);
    ShowStepDelay(controls, names::kDelayCombos[i], config.Code(slot));
  }
}

void FillControlKeyPage(PageControls& controls, const ControllerConfig& config,
                        const ControlKeyPageContext& context, const TraceSink& trace) {
  for (int slot : kControlKeyFillOrder) {
    ShowSlotCode(controls, context.table, slot, config.Code(slot), trace);
  }
  ShowControlSettings(controls, config, context);
  ShowDeadZones(controls, config.Code(slots::kLeftStickDeadZones),
                config.Code(slots::kRightStickDeadZones));
}

void RestoreBackKeyPage(PageControls& controls, ControllerConfig& config) {
  for (const char* combo : names::kDelayCombos) ShowStepDelay(controls, combo, 0);
  for (int step = 1; step <= kWindowSteps; ++step) {
    const int slot = settings::StepSlot(step);
    SetSlotPicture(controls, static_cast<std::uint32_t>(slot), QString::fromLatin1(kNoKeyImage));
    config.SetCode(slot, 0);
  }
  for (int combo = 1; combo <= static_cast<int>(names::kDelayCombos.size()); ++combo) {
    config.SetCode(settings::DelaySelectorSlot(combo), 0);
  }
}

void RestoreControlKeyPage(PageControls& controls, ControllerConfig& config,
                           const ControlKeyPageContext& context) {
  // The factory map holds exactly the values this page restores.
  for (int slot : kControlKeyFillOrder) {
    config.SetCode(slot, DefaultCode(slot));
    SetSlotPicture(controls, static_cast<std::uint32_t>(slot),
                   KeyImageName(ToUiKeyCode(context.table, config.Code(slot))));
  }
  for (int slot : kControlPageSettings) config.SetCode(slot, DefaultCode(slot));
  ShowControlSettings(controls, config, context);
  ShowDeadZones(controls, 0, 0);
}

}  // namespace pages
