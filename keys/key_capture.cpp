#include "keys/key_capture.h"

namespace {
constexpr std::intptr_t kExtendedKey = std::intptr_t{1} << 24;
// Bit 4 of the scan code: set for the right Shift key (0x36), clear for the left (0x2A).
constexpr std::intptr_t kRightShiftScanBit = std::intptr_t{1} << 20;

constexpr std::uint32_t kVkShift = 0x10, kVkControl = 0x11, kVkAlt = 0x12, kVkReturn = 0x0D,
                        kVkF10 = 0x79;
constexpr UiKeyCode kNumpadEnter = 0xFFDB, kMainEnter = 0xFFDC, kRightShift = 0xFFF7,
                    kLeftShift = 0xFFF8, kRightCtrl = 0xFFF9, kLeftCtrl = 0xFFFA,
                    kRightAlt = 0xFFFB, kLeftAlt = 0xFFFC, kWheelUp = 0xFFFD, kWheelDown = 0xFFFE;

CapturedKey Sided(UiKeyCode code, const char* picture) {
  return CapturedKey{code, QString::fromLatin1(picture), true};
}
}  // namespace

CapturedKey KeyReleased(std::uint32_t vk, std::intptr_t flags) {
  const bool extended = (flags & kExtendedKey) != 0;
  switch (vk) {
    case kVkControl:
      return Sided(extended ? kRightCtrl : kLeftCtrl, "Ctrl.png");
    case kVkShift:
      return Sided((flags & kRightShiftScanBit) != 0 ? kRightShift : kLeftShift, "Shift.png");
    case kVkReturn:
      return Sided(extended ? kNumpadEnter : kMainEnter, "Enter.png");
    default:
      return CapturedKey{vk, KeyImageName(vk), false};
  }
}

std::optional<CapturedKey> SystemKeyPressed(std::uint32_t vk, std::intptr_t flags) {
  if (vk == kVkAlt) return Sided((flags & kExtendedKey) != 0 ? kRightAlt : kLeftAlt, "Alt.png");
  if (vk == kVkF10) return Sided(vk, "F10.png");
  return std::nullopt;
}

CapturedKey WheelTurned(std::uintptr_t wParam) {
  // The whole parameter read as a signed 32-bit number: its sign is the delta's.
  const auto value = static_cast<std::int32_t>(static_cast<std::uint32_t>(wParam));
  return value > 0 ? Sided(kWheelUp, "MS_UP.png") : Sided(kWheelDown, "MS_DOWN.png");
}
