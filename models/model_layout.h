// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

// What each known handheld changes in the skin: the main-menu button pictures, the device
// pictures of both pages and the places of the fourteen control-key buttons on them.
struct AttributeSetting {
  const char* control;
  const char* attribute;
  const char* value;
};

struct ModelLayout {
  std::array<AttributeSetting, 8> pictures;
  std::array<AttributeSetting, 14> positions;
};

// The layout number (1..3) of a board model, 0 when the model is not one we know. The
// comparison is exact: no case folding, no trimming.
int LayoutNumberOf(const std::string& boardModel);
// The layout of a number 1..3; nullptr for any other number.
const ModelLayout* LayoutFor(int layoutNumber);

// Which optional groups belong to the control-key page on a model.
bool ShowsLedGroups(const std::string& boardModel);
bool ShowsDeadZoneGroup(const std::string& boardModel);
// The rear buttons are titled L4/R4 on this model.
bool UsesRearButtonTitles(const std::string& boardModel);
