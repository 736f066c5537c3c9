// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "keys/key_codes.h"

// Which key a keyboard or wheel event stands for. Left and right modifiers, and the two Enter
// keys, share a virtual-key code; the event's scan code and extended flag tell them apart.
struct CapturedKey {
  UiKeyCode uiKeyCode = 0;
  QString picture;
  // True for the keys told apart by side: their picture is fixed and they are captured even
  // with nothing to show for the side.
  bool sided = false;
};

// The fields of a keyboard event that capture reads.
struct KeyStroke {
  std::uint32_t virtualKey = 0;
  std::uint32_t scanCode = 0;  // set-1 scan code, without the extended prefix
  bool extended = false;       // right Ctrl and Alt, keypad Enter, the navigation block...
};

// A released key.
CapturedKey KeyReleased(const KeyStroke& key);
// A pressed system key: Alt or F10; any other key gives nothing.
std::optional<CapturedKey> SystemKeyPressed(const KeyStroke& key);
// A wheel turn by a signed delta: away from the user (positive) is wheel up, anything else down.
CapturedKey WheelTurned(int delta);
