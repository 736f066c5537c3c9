// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/control_key_page.h"

#include <string>

#include "keys/key_slots.h"
#include "models/model_layout.h"
#include "pages/dead_zones.h"
#include "pages/page_controls.h"
#include "pages/page_fill.h"
#include "pages/rumble.h"

namespace {
constexpr std::uint32_t kLedColours[] = {0xFF0000, 0xFF3300, 0xFF6600, 0xFF9900, 0xFFFF00,
                                         0x99FF00, 0x00FF00, 0x00FFFF, 0x0000FF, 0x6600FF,
                                         0xFF00FF, 0xFF0066, 0xFFFFFF};
}  // namespace

ControlKeyPage::ControlKeyPage(PageControls& controls, ControllerConfig& config,
                               const TranslationTable& table, const ProgramContext& context)
    : controls_(controls),
      config_(config),
      table_(table),
      context_(context),
      ledColourTable_(std::begin(kLedColours), std::end(kLedColours)) {}

void ControlKeyPage::Show(bool visible) {
  for (const SlotButton& button : SlotButtons()) {
    if (button.slot <= slots::kLastControlKey) controls_.SetVisible(button.buttonName, visible);
  }
  controls_.SetVisible(names::kControlKeyPicture, visible);
  controls_.SetVisible(names::kVibrationGroup, visible);

  // The optional groups follow the handheld; on a model we do not know they keep
  // whatever visibility they had.
  const std::string model = context_.BoardModel();
  if (ShowsLedGroups(model)) {
    controls_.SetVisible(names::kLedColourGroup, visible);
    controls_.SetVisible(names::kLedModeGroup, visible);
  }
  if (ShowsDeadZoneGroup(model)) controls_.SetVisible(names::kDeadZoneGroup, visible);
}

void ControlKeyPage::Fill(const TraceSink& trace) {
  const std::string model = context_.BoardModel();
  pages::FillControlKeyPage(controls_, config_, {table_, ledColourTable_, model}, trace);
}

void ControlKeyPage::Restore() {
  const std::string model = context_.BoardModel();
  pages::RestoreControlKeyPage(controls_, config_, {table_, ledColourTable_, model});
}

void ControlKeyPage::SetVibrationLevel(int level) {
  pages::SetVibrationLevel(config_, level);
}

void ControlKeyPage::SetLedMode(pages::LedClick click) {
  pages::SetLedMode(controls_, config_, click, context_.BoardModel());
}

void ControlKeyPage::PickLedColour(int index) {
  pages::PickLedColour(controls_, config_, ledColourTable_, index);
}

void ControlKeyPage::MarkColourSwatch(std::uint32_t colour) {
  pages::MarkColourSwatch(controls_, ledColourTable_, colour);
}

void ControlKeyPage::OnDeadZoneMoved(const names::DeadZoneControl& deadZone) {
  controls_.SetText(deadZone.valueLabel, pages::DeadZoneText(controls_.GetValue(deadZone.slider)));
  pages::StoreDeadZones(controls_, config_, context_.BoardModel());
}
