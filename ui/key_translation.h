#pragma once

#include "ui/win_types.h"

// Keyboard keys as the classic desktop message layer reports them, derived from the Linux
// evdev key code. The evdev code names the physical key, so the result does not change with
// the keyboard layout or Num Lock, and it tells left from right modifiers.
namespace ui {

struct KeyTranslation {
  UINT vk = 0;            // virtual-key code, 0 for a key without one
  UINT scanCode = 0;      // set-1 scan code
  bool extended = false;  // right Ctrl/Alt, keypad Enter and slash, navigation block, Windows keys
};

KeyTranslation TranslateEvdevKey(unsigned evdevCode);

// For key events that carry no native scan code: the key as Qt names it (left-hand modifiers
// and main-block keys assumed, keypad keys when `keypad` is set), with the scan code of that key.
KeyTranslation TranslateQtKey(int qtKey, bool keypad);

struct KeyMessageFlags {
  KeyTranslation key;
  bool keyUp = false;
  bool wasDown = false;  // previous state: set on auto-repeat and always on release
  bool altDown = false;  // context code of system-key messages
};
// lParam of a key message: repeat count 1, scan code in bits 16..23, extended flag in bit 24,
// context code in bit 29, previous state in bit 30, transition state in bit 31.
LPARAM BuildKeyLParam(const KeyMessageFlags& flags);

}  // namespace ui
