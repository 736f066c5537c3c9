// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "config/controller_config.h"
#include "keys/key_codes.h"
#include "pages/page_controls.h"
#include "pages/slot_capture.h"

// The key picker: every code a capture could store on a page, offered by touch. Picking an
// entry replays the capture of that key, so the record, the picture and the trace lines are
// the ones the physical key would have given.
namespace pages {

enum class PickerPage { kBackKeys, kControlKeys };

// Entries are grouped the way a keyboard is; the wheel belongs to the control-key page and the
// gamepad to the rear-button page, as their captures do. The last group holds only code 0,
// "none", which empties the slot.
struct PickerGroup {
  const char* title;  // English, for readers of the code and of traces
  std::vector<KeyCode> codes;
};
std::vector<PickerGroup> PickerGroups(PickerPage page);

// Stores `code` in the armed slot exactly as capturing its key would (a key released, Alt or
// F10 pressed, a wheel turn, a gamepad input). Code 0 empties the slot instead; on a rear
// button it also empties the later steps and the delays after the emptied steps, so a
// sequence never has a hole. Nothing happens with no slot armed.
void PickKey(const CaptureTarget& target, KeyCode code);

}  // namespace pages
