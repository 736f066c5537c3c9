// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "settings/setting_table.h"

// Which codes a key setting may hold: exactly what a capture on that setting's page could
// store. Keyboard keys go everywhere; the wheel only on the keyboard-and-mouse keys (the
// control-key page captures wheel turns); gamepad inputs only on rear-button steps (the
// rear-button page reads the gamepad). 0, no key, goes everywhere.
namespace settings {

enum class CodeClass { kNone, kKeyboard, kWheel, kGamepad, kUnknown };

// The class of a controller key code.
CodeClass ClassOfCode(std::uint16_t code);

// True when a key setting (control key or rear step) may hold `code`; false for every
// other kind of setting.
bool MayHoldCode(SettingKind kind, std::uint16_t code);

// Every code of a class, in ascending order (kNone gives {0}, kUnknown nothing).
std::vector<std::uint16_t> CodesOfClass(CodeClass codeClass);

}  // namespace settings
