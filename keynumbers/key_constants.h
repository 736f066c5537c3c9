// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The numbers keys are known by on the window side, in one place: virtual-key codes, the
// program's own codes for inputs that have none, set-1 scan codes and gamepad button bits.
// Header-only and free of dependencies: the toolkit delivers these numbers and keys/ names them,
// and neither has to include the other.

// Virtual-key codes beyond letters and digits (which are their upper-case ASCII).
namespace vk {
inline constexpr std::uint32_t kBack = 0x08, kTab = 0x09, kReturn = 0x0D, kShift = 0x10,
                               kControl = 0x11, kMenu = 0x12, kPause = 0x13, kCapital = 0x14,
                               kEscape = 0x1B, kSpace = 0x20, kPrior = 0x21, kNext = 0x22,
                               kEnd = 0x23, kHome = 0x24, kLeft = 0x25, kUp = 0x26, kRight = 0x27,
                               kDown = 0x28, kSnapshot = 0x2C, kInsert = 0x2D, kDelete = 0x2E,
                               kLWin = 0x5B, kRWin = 0x5C, kApps = 0x5D, kNumpad0 = 0x60,
                               kMultiply = 0x6A, kAdd = 0x6B, kSubtract = 0x6D, kDecimal = 0x6E,
                               kDivide = 0x6F, kF1 = 0x70, kF10 = 0x79, kF12 = 0x7B,
                               kNumLock = 0x90, kScroll = 0x91, kOem1 = 0xBA, kOemPlus = 0xBB,
                               kOemComma = 0xBC, kOemMinus = 0xBD, kOemPeriod = 0xBE, kOem2 = 0xBF,
                               kOem3 = 0xC0, kOem4 = 0xDB, kOem5 = 0xDC, kOem6 = 0xDD, kOem7 = 0xDE;
}  // namespace vk

// The program's own window-side codes 0xFFDB..0xFFFE: the sides of the modifiers, the two
// Enter keys, the wheel and the gamepad inputs, none of which has a virtual-key code of its own.
namespace ownkey {
inline constexpr std::uint32_t kNumpadEnter = 0xFFDB, kMainEnter = 0xFFDC;
inline constexpr std::uint32_t kRightStickRight = 0xFFDD, kRightStickLeft = 0xFFDE,
                               kRightStickDown = 0xFFDF, kRightStickUp = 0xFFE0;
inline constexpr std::uint32_t kRightTrigger = 0xFFE1, kLeftTrigger = 0xFFE2,
                               kRightShoulder = 0xFFE3, kLeftShoulder = 0xFFE4;
inline constexpr std::uint32_t kPadHome = 0xFFE5, kPadBack = 0xFFE6, kPadStart = 0xFFE7,
                               kRightThumb = 0xFFE8, kLeftThumb = 0xFFE9;
inline constexpr std::uint32_t kLeftStickRight = 0xFFEA, kLeftStickLeft = 0xFFEB,
                               kLeftStickDown = 0xFFEC, kLeftStickUp = 0xFFED;
// 0xFFF0 is deliberately unused.
inline constexpr std::uint32_t kPadY = 0xFFEE, kPadX = 0xFFEF, kPadB = 0xFFF1, kPadA = 0xFFF2;
inline constexpr std::uint32_t kDpadRight = 0xFFF3, kDpadLeft = 0xFFF4, kDpadDown = 0xFFF5,
                               kDpadUp = 0xFFF6;
inline constexpr std::uint32_t kRightShift = 0xFFF7, kLeftShift = 0xFFF8, kRightCtrl = 0xFFF9,
                               kLeftCtrl = 0xFFFA, kRightAlt = 0xFFFB, kLeftAlt = 0xFFFC;
inline constexpr std::uint32_t kWheelUp = 0xFFFD, kWheelDown = 0xFFFE;
}  // namespace ownkey

// Set-1 scan codes of the keys whose side matters. Right Ctrl, right Alt and keypad Enter share
// their scan code with the left or main key and differ only by the extended flag; the two
// Shift keys have scan codes of their own.
namespace scancode {
inline constexpr std::uint32_t kEnter = 0x1C, kLeftCtrl = 0x1D, kLeftShift = 0x2A,
                               kRightShift = 0x36, kLeftAlt = 0x38;
// Added to a scan code to name the extended key of that code (0x11D is right Ctrl).
inline constexpr std::uint32_t kExtendedBit = 0x100;
}  // namespace scancode

// Bits of a gamepad's button word; a word counts as an input only when it is exactly one bit.
namespace padbutton {
inline constexpr std::uint16_t kDpadUp = 0x0001, kDpadDown = 0x0002, kDpadLeft = 0x0004,
                               kDpadRight = 0x0008, kStart = 0x0010, kBack = 0x0020,
                               kLeftThumb = 0x0040, kRightThumb = 0x0080, kLeftShoulder = 0x0100,
                               kRightShoulder = 0x0200, kHome = 0x0400, kA = 0x1000, kB = 0x2000,
                               kX = 0x4000, kY = 0x8000;
}  // namespace padbutton
