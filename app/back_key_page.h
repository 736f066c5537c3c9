// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "config/controller_config.h"
#include "link/debug_trace.h"
#include "keys/gamepad_source.h"
#include "keys/key_codes.h"

class PageControls;

// The rear-button page: four steps per rear button with a delay after each of the first three,
// the handheld's picture and the two groups that frame the steps.
class BackKeyPage {
 public:
  BackKeyPage(PageControls& controls, ControllerConfig& config, const TranslationTable& table)
      : controls_(controls), config_(config), table_(table) {}

  void Show(bool visible);
  // Shows the record: delay selectors enabled, step pictures (each traced), delays.
  void Fill(const TraceSink& trace);
  // Empties every step and delay of both rear buttons, in the record and on screen.
  void Restore();

  // The slot step `step` (1..8) arms, or kNoSlot while an earlier step of its rear button
  // shows no key.
  std::uint32_t SlotToArm(int step) const;
  // Stores the delay chosen in selector `combo` (1..6).
  void StoreStepDelay(int combo);
  // Captures what the gamepads hold into `slot`, then lets each delay selector follow its step.
  // True when some input was captured.
  bool TakeGamepadInputs(const GamepadReadings& readings, std::uint32_t slot);

 private:
  PageControls& controls_;
  ControllerConfig& config_;
  const TranslationTable& table_;
};
