// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/back_key_page.h"

#include "keys/gamepad_capture.h"
#include "keys/key_slots.h"
#include "names/control_names.h"
#include "pages/delay_selectors.h"
#include "pages/page_controls.h"
#include "pages/page_fill.h"
#include "pages/slot_editing.h"
#include "settings/setting_table.h"

void BackKeyPage::Show(bool visible) {
  for (const char* step : names::kStepButtons) controls_.SetVisible(step, visible);
  for (const char* combo : names::kDelayCombos) controls_.SetVisible(combo, visible);
  for (const char* control :
       {names::kBackKeyPicture, names::kLeftKeyGroup, names::kRightKeyGroup}) {
    controls_.SetVisible(control, visible);
  }
}

void BackKeyPage::Fill(const TraceSink& trace) {
  pages::FillBackKeyPage(controls_, config_, table_, trace);
}

void BackKeyPage::Restore() {
  pages::RestoreBackKeyPage(controls_, config_);
}

std::uint32_t BackKeyPage::SlotToArm(int step) const {
  if (!pages::StepMayBeArmed(step, pages::StepPictures(controls_))) return kNoSlot;
  return static_cast<std::uint32_t>(settings::StepSlot(step));
}

void BackKeyPage::StoreStepDelay(int combo) {
  const auto index = static_cast<std::size_t>(combo - 1);
  if (index >= names::kDelayCombos.size()) return;
  config_.SetCode(settings::DelaySelectorSlot(combo),
                  pages::DelayFromText(controls_.GetText(names::kDelayCombos[index])));
}

// Every tick captures whatever is held, with no memory of the last one: a held input keeps
// rewriting the armed slot, and a key typed meanwhile is overwritten on the next tick.
bool BackKeyPage::TakeGamepadInputs(const GamepadReadings& readings, std::uint32_t slot) {
  bool captured = false;
  for (const auto& reading : readings) {
    if (!reading) continue;
    for (const GamepadCapture& capture : GamepadCaptures(*reading, table_)) {
      pages::CaptureIntoSlot(controls_, config_, slot, capture.code, capture.picture);
      captured = true;
    }
  }
  pages::UpdateDelaySelectors(controls_);
  return captured;
}
