// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/key_translation.h"

#include <Qt>
#include <array>

#include "keynumbers/key_constants.h"

namespace ui {
namespace {

// Virtual-key codes of evdev codes 1..88, where the evdev code equals the set-1 scan code.
constexpr std::array<std::uint32_t, 89> kMainBlock = {
    0,  // 0: reserved
    vk::kEscape,
    '1',
    '2',
    '3',
    '4',
    '5',
    '6',
    '7',
    '8',
    '9',
    '0',  // 1..11
    vk::kOemMinus,
    vk::kOemPlus,
    vk::kBack,
    vk::kTab,  // 12..15
    'Q',
    'W',
    'E',
    'R',
    'T',
    'Y',
    'U',
    'I',
    'O',
    'P',  // 16..25
    vk::kOem4,
    vk::kOem6,
    vk::kReturn,
    vk::kControl,  // 26..29
    'A',
    'S',
    'D',
    'F',
    'G',
    'H',
    'J',
    'K',
    'L',  // 30..38
    vk::kOem1,
    vk::kOem7,
    vk::kOem3,
    vk::kShift,
    vk::kOem5,  // 39..43
    'Z',
    'X',
    'C',
    'V',
    'B',
    'N',
    'M',  // 44..50
    vk::kOemComma,
    vk::kOemPeriod,
    vk::kOem2,
    vk::kShift,
    vk::kMultiply,  // 51..55
    vk::kMenu,
    vk::kSpace,
    vk::kCapital,  // 56..58
    0x70,
    0x71,
    0x72,
    0x73,
    0x74,
    0x75,
    0x76,
    0x77,
    0x78,
    0x79,  // 59..68: F1..F10
    vk::kNumLock,
    vk::kScroll,  // 69, 70
    0x67,
    0x68,
    0x69,
    vk::kSubtract,  // 71..74: keypad 7 8 9 -
    0x64,
    0x65,
    0x66,
    vk::kAdd,  // 75..78: keypad 4 5 6 +
    0x61,
    0x62,
    0x63,
    0x60,
    vk::kDecimal,  // 79..83: keypad 1 2 3 0 .
    0,
    0,     // 84, 85
    0xE2,  // 86: key left of Z
    0x7A,
    0x7B,  // 87, 88: F11, F12
};

struct SpecialKey {
  unsigned evdev;
  KeyTranslation key;
};

// Keys outside the main block: most are "extended" keys that share a scan code with a main
// block key and differ only by the extended flag.
constexpr std::array<SpecialKey, 24> kSpecialKeys = {{
    {96, {vk::kReturn, 0x1C, true}},    // keypad Enter
    {97, {vk::kControl, 0x1D, true}},   // right Ctrl
    {98, {vk::kDivide, 0x35, true}},    // keypad /
    {99, {vk::kSnapshot, 0x37, true}},  // Print Screen
    {100, {vk::kMenu, 0x38, true}},     // right Alt
    {102, {vk::kHome, 0x47, true}},    {103, {vk::kUp, 0x48, true}},
    {104, {vk::kPrior, 0x49, true}},   {105, {vk::kLeft, 0x4B, true}},
    {106, {vk::kRight, 0x4D, true}},   {107, {vk::kEnd, 0x4F, true}},
    {108, {vk::kDown, 0x50, true}},    {109, {vk::kNext, 0x51, true}},
    {110, {vk::kInsert, 0x52, true}},  {111, {vk::kDelete, 0x53, true}},
    {119, {vk::kPause, 0x45, false}},  // Pause shares Num Lock's scan code without the flag
    {125, {vk::kLWin, 0x5B, true}},    {126, {vk::kRWin, 0x5C, true}},
    {127, {vk::kApps, 0x5D, true}},    {183, {0x7C, 0x64, false}},  // F13
    {184, {0x7D, 0x65, false}},                                     // F14
    {185, {0x7E, 0x66, false}},                                     // F15
    {186, {0x7F, 0x67, false}},                                     // F16
    {187, {0x80, 0x68, false}},                                     // F17
}};

}  // namespace

KeyTranslation TranslateEvdevKey(unsigned evdevCode) {
  if (evdevCode == 69) return {vk::kNumLock, 0x45, true};  // Num Lock is reported as extended
  if (evdevCode < kMainBlock.size()) {
    const std::uint32_t code = kMainBlock[evdevCode];
    if (code == 0) return {};
    return {code, evdevCode, false};
  }
  for (const SpecialKey& special : kSpecialKeys) {
    if (special.evdev == evdevCode) return special.key;
  }
  return {};
}

namespace {

struct QtKeyRow {
  int qtKey;
  std::uint32_t vk;
  bool extended;
};

constexpr std::array<QtKeyRow, 37> kQtKeys = {{
    {Qt::Key_Escape, vk::kEscape, false},     {Qt::Key_Tab, vk::kTab, false},
    {Qt::Key_Backtab, vk::kTab, false},       {Qt::Key_Backspace, vk::kBack, false},
    {Qt::Key_Return, vk::kReturn, false},     {Qt::Key_Enter, vk::kReturn, true},
    {Qt::Key_Insert, vk::kInsert, true},      {Qt::Key_Delete, vk::kDelete, true},
    {Qt::Key_Pause, vk::kPause, false},       {Qt::Key_Print, vk::kSnapshot, true},
    {Qt::Key_Home, vk::kHome, true},          {Qt::Key_End, vk::kEnd, true},
    {Qt::Key_Left, vk::kLeft, true},          {Qt::Key_Up, vk::kUp, true},
    {Qt::Key_Right, vk::kRight, true},        {Qt::Key_Down, vk::kDown, true},
    {Qt::Key_PageUp, vk::kPrior, true},       {Qt::Key_PageDown, vk::kNext, true},
    {Qt::Key_Shift, vk::kShift, false},       {Qt::Key_Control, vk::kControl, false},
    {Qt::Key_Alt, vk::kMenu, false},          {Qt::Key_AltGr, vk::kMenu, true},
    {Qt::Key_Meta, vk::kLWin, true},          {Qt::Key_Menu, vk::kApps, true},
    {Qt::Key_CapsLock, vk::kCapital, false},  {Qt::Key_NumLock, vk::kNumLock, true},
    {Qt::Key_ScrollLock, vk::kScroll, false}, {Qt::Key_Space, vk::kSpace, false},
    {Qt::Key_Minus, vk::kOemMinus, false},    {Qt::Key_Equal, vk::kOemPlus, false},
    {Qt::Key_BracketLeft, vk::kOem4, false},  {Qt::Key_BracketRight, vk::kOem6, false},
    {Qt::Key_Backslash, vk::kOem5, false},    {Qt::Key_Semicolon, vk::kOem1, false},
    {Qt::Key_Apostrophe, vk::kOem7, false},   {Qt::Key_QuoteLeft, vk::kOem3, false},
    {Qt::Key_Comma, vk::kOemComma, false},
}};

constexpr std::array<QtKeyRow, 6> kQtKeypadKeys = {{
    {Qt::Key_Asterisk, vk::kMultiply, false},
    {Qt::Key_Plus, vk::kAdd, false},
    {Qt::Key_Minus, vk::kSubtract, false},
    {Qt::Key_Slash, vk::kDivide, true},
    {Qt::Key_Period, vk::kDecimal, false},
    {Qt::Key_Enter, vk::kReturn, true},
}};

std::uint32_t QtKeyToVk(int qtKey, bool keypad, bool& extended) {
  extended = false;
  if (keypad) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
      return vk::kNumpad0 + static_cast<std::uint32_t>(qtKey - Qt::Key_0);
    for (const QtKeyRow& row : kQtKeypadKeys) {
      if (row.qtKey == qtKey) {
        extended = row.extended;
        return row.vk;
      }
    }
  }
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
    return static_cast<std::uint32_t>(qtKey);
  }
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F16)
    return 0x70u + static_cast<std::uint32_t>(qtKey - Qt::Key_F1);
  if (qtKey == Qt::Key_Period) return vk::kOemPeriod;
  if (qtKey == Qt::Key_Slash) return vk::kOem2;
  for (const QtKeyRow& row : kQtKeys) {
    if (row.qtKey == qtKey) {
      extended = row.extended;
      return row.vk;
    }
  }
  return 0;
}

}  // namespace

KeyTranslation TranslateQtKey(int qtKey, bool keypad) {
  bool extended = false;
  const std::uint32_t code = QtKeyToVk(qtKey, keypad, extended);
  if (code == 0) return {};
  // The scan code is that of the physical key giving the same virtual key and flag.
  for (unsigned evdev = 1; evdev < 256; ++evdev) {
    const KeyTranslation key = TranslateEvdevKey(evdev);
    if (key.vk == code && key.extended == extended) return key;
  }
  return {code, 0, extended};
}

}  // namespace ui
