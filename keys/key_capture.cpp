// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/key_capture.h"

#include "keynumbers/key_constants.h"

namespace {
CapturedKey Sided(UiKeyCode code, const char* picture) {
  return CapturedKey{code, QString::fromLatin1(picture), true};
}
}  // namespace

CapturedKey KeyReleased(const KeyStroke& key) {
  switch (key.virtualKey) {
    case vk::kControl:
      return Sided(key.extended ? ownkey::kRightCtrl : ownkey::kLeftCtrl, "Ctrl.png");
    case vk::kShift:
      // The two Shift keys differ by scan code, not by the extended flag.
      return Sided(key.scanCode == scancode::kRightShift ? ownkey::kRightShift : ownkey::kLeftShift,
                   "Shift.png");
    case vk::kReturn:
      return Sided(key.extended ? ownkey::kNumpadEnter : ownkey::kMainEnter, "Enter.png");
    default:
      return CapturedKey{key.virtualKey, KeyImageName(key.virtualKey), false};
  }
}

std::optional<CapturedKey> SystemKeyPressed(const KeyStroke& key) {
  if (key.virtualKey == vk::kMenu) {
    return Sided(key.extended ? ownkey::kRightAlt : ownkey::kLeftAlt, "Alt.png");
  }
  if (key.virtualKey == vk::kF10) return Sided(vk::kF10, "F10.png");
  return std::nullopt;
}

CapturedKey WheelTurned(int delta) {
  return delta > 0 ? Sided(ownkey::kWheelUp, "MS_UP.png")
                   : Sided(ownkey::kWheelDown, "MS_DOWN.png");
}
