// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Keyboard keys as the window's key events report them, derived from the Linux
// evdev key code. The evdev code names the physical key, so the result does not change with
// the keyboard layout or Num Lock, and it tells left from right modifiers.
namespace ui {

struct KeyTranslation {
  std::uint32_t vk = 0;        // virtual-key code, 0 for a key without one
  std::uint32_t scanCode = 0;  // set-1 scan code
  bool extended = false;  // right Ctrl/Alt, keypad Enter and slash, navigation block, Windows keys
};

KeyTranslation TranslateEvdevKey(unsigned evdevCode);

// For key events that carry no native scan code: the key as Qt names it (left-hand modifiers
// and main-block keys assumed, keypad keys when `keypad` is set), with the scan code of that key.
KeyTranslation TranslateQtKey(int qtKey, bool keypad);

}  // namespace ui
