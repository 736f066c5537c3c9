// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "config/controller_config.h"
#include "link/debug_trace.h"
#include "keys/key_codes.h"
#include "pages/page_controls.h"

// Key slots on the pages: arming, the rear-button step rule, delays and slot pictures.
namespace pages {

// Gives every key button the plain look, then the button of `slot` (if it has one) the
// pressed look. kNoSlot leaves them all plain.
void ShowArmedSlot(PageControls& controls, std::uint32_t slot);

// Shows a picture on a slot's button: the background picture, then the hover frame. Slots
// without a button are ignored.
void SetSlotPicture(PageControls& controls, std::uint32_t slot, const QString& picture);

// Shows a stored code on its slot's button (and traces the window code it stands for).
void ShowSlotCode(PageControls& controls, const TranslationTable& table, int slot,
                  std::uint16_t code, const TraceSink& trace);

// Rear-button steps are numbered 1..8 as the settings core numbers them for the window
// (settings::StepSlot gives the slot a step arms).
inline constexpr int kWindowSteps = 8;
// The pictures the eight step buttons show now, step 1 first.
std::array<QString, kWindowSteps> StepPictures(const PageControls& controls);
// A step may be armed once every earlier step of the same rear button shows a key.
bool StepMayBeArmed(int step, const std::array<QString, kWindowSteps>& stepPictures);

// A delay item's text as a number: leading blanks, a sign, then decimal digits up to the first
// other character; no digits gives 0. Saturates at the 32-bit range, then keeps the low 16 bits.
std::uint16_t DelayFromText(const QString& text);

// Stores a captured code in the armed slot and shows its picture. A code of 0 (an input the
// controller has no code for) changes nothing, so the screen never disagrees with the record.
void CaptureIntoSlot(PageControls& controls, ControllerConfig& config, std::uint32_t slot,
                     KeyCode code, const QString& picture);

}  // namespace pages
