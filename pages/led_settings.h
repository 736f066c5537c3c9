// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/controller_config.h"
#include "pages/page_controls.h"

// The LED group of the control-key page: on/off, effect and colour.
namespace pages {

// What a click on an LED option means.
enum class LedClick { kOnOff = 0, kRotating = 1, kConstant = 2, kBreathing = 3 };

// Slot 34 after a click: on/off toggles bit 0 and keeps the effect; an effect clears bits 1..7
// and sets its own (the red byte and bit 0 stay).
std::uint16_t LedCodeAfterClick(std::uint16_t code, LedClick click);

// Applies a click on an LED option to the record and to the other LED controls. The model
// decides whether the colour group follows the effect.
void SetLedMode(PageControls& controls, ControllerConfig& config, LedClick click,
                const std::string& boardModel);

// Shows a stored LED mode byte in the options (and the colour group on the LED model).
void ShowLedMode(PageControls& controls, std::uint8_t modeByte, const std::string& boardModel);

// Marks swatch `index` as chosen, unmarks the others, and stores its colour.
void PickLedColour(PageControls& controls, ControllerConfig& config,
                   const std::vector<std::uint32_t>& palette, int index);

// Outlines the swatch of a stored colour and takes the outline off every other swatch; a colour
// outside the palette leaves none outlined.
void MarkColourSwatch(PageControls& controls, const std::vector<std::uint32_t>& palette,
                      std::uint32_t colour);

}  // namespace pages
