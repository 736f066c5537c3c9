// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <string>

#include "config/controller_config.h"
#include "pages/page_controls.h"

// Stick dead zones: four sliders, each a byte of slot 36 (left stick) or 37 (right stick).
namespace pages {

// A slider value as its label shows it: the low byte read as signed, in decimal.
QString DeadZoneText(int sliderValue);

// Stores the four sliders into the record, on the known handheld models only.
void StoreDeadZones(const PageControls& controls, ControllerConfig& config,
                    const std::string& boardModel);

// Shows the dead zones of slots 36 and 37 on the sliders and their labels.
void ShowDeadZones(PageControls& controls, std::uint16_t left, std::uint16_t right);

}  // namespace pages
