// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "config/controller_config.h"
#include "context/program_context.h"
#include "link/debug_trace.h"
#include "keys/key_codes.h"
#include "names/control_names.h"
#include "pages/led_settings.h"

class PageControls;

// The keyboard-and-mouse page: the fourteen keys the stick and buttons send in that mode, the
// rumble options, and on the models that have them the LED and dead-zone groups. Which groups
// belong to the page, and some of their rules, follow the board model, asked afresh each time.
class ControlKeyPage {
 public:
  ControlKeyPage(PageControls& controls, ControllerConfig& config, const TranslationTable& table,
                 const ProgramContext& context);

  void Show(bool visible);
  // Shows the record: key pictures (each traced), rumble, LED colour and mode, dead zones.
  void Fill(const TraceSink& trace);
  // Factory keys, rumble, LED and dead zones, in the record and on screen.
  void Restore();

  void SetVibrationLevel(int level);
  void SetLedMode(pages::LedClick click);
  void PickLedColour(int index);
  void MarkColourSwatch(std::uint32_t colour);
  // A slider moved: its label shows the value, then all four sliders are stored.
  void OnDeadZoneMoved(const names::DeadZoneControl& deadZone);

 private:
  PageControls& controls_;
  ControllerConfig& config_;
  const TranslationTable& table_;
  const ProgramContext& context_;
  // The thirteen LED colours as 0xRRGGBB; swatch i shows entry i.
  std::vector<std::uint32_t> ledColourTable_;
};
