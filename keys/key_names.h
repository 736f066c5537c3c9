// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "keys/key_codes.h"

// Names for the keys of the vocabulary, for text interfaces: the name a key's picture shows
// (its file name without "Key_" and ".png", so "Key_A.png" is "A" and "MS_UP.png" is
// "MS_UP"). Where two keys share a picture the later one carries a qualifier: the numpad
// digits and numpad Enter are "Num1".."Num0" and "NumEnter", the right-hand modifiers
// "RightCtrl", "RightShift" and "RightAlt", and the gamepad's Home button "PadHome".
// KeyCode 0 is "none".

inline constexpr const char* kNoKeyName = "none";

// The name of a KeyCode; empty when the vocabulary has no such key.
std::string KeyName(KeyCode code);
// The KeyCode of a name, compared without regard to case; nothing for an unknown name.
std::optional<KeyCode> KeyCodeOfName(std::string_view name);
// True for 0 and for every KeyCode of the vocabulary.
bool IsKnownKeyCode(KeyCode code);
