// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/controller_config.h"
#include "link/debug_trace.h"
#include "keys/key_codes.h"
#include "pages/page_controls.h"

// Copies the settings record into a page's controls, and brings a page back to factory
// values (in the record only: Save sends them).
namespace pages {

// The LED palette and the board model a control-key page is shown for.
struct ControlKeyPageContext {
  const TranslationTable& table;
  const std::vector<std::uint32_t>& palette;
  const std::string& boardModel;
};

// Back-key page: delay combos enabled, step pictures, delays. Each key shown is traced to
// `trace`.
void FillBackKeyPage(PageControls& controls, const ControllerConfig& config,
                     const TranslationTable& table, const TraceSink& trace);
// Control-key page: key pictures, rumble, LED colour and mode, dead zones; keys traced alike.
void FillControlKeyPage(PageControls& controls, const ControllerConfig& config,
                        const ControlKeyPageContext& context, const TraceSink& trace);

// Empties every step and delay of both rear buttons.
void RestoreBackKeyPage(PageControls& controls, ControllerConfig& config);
// Factory keys, rumble, LED and dead zones, whether or not the model shows those groups.
void RestoreControlKeyPage(PageControls& controls, ControllerConfig& config,
                           const ControlKeyPageContext& context);

}  // namespace pages
