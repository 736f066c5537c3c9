// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "keys/key_codes.h"

// What assistive technology says for a key slot: which slot and what it holds, in the window's
// language. A rear-button step reads "L4 step 1: Esc"; a control key its function, then its key
// ("W: W"). Keys go by the names padctl prints, 0 by "none", a code without a name by its
// number ("0x53").
namespace pages {

// Empty for a slot that has no button.
QString SlotAccessibleName(int slot, KeyCode code, bool chinese);

// Which slot it is, the part of the name before what it holds: "L4 step 2", "W", "Wheel up".
// Empty for a slot that has no button.
QString SlotTitle(int slot, bool chinese);

}  // namespace pages
