#include "ui/key_translation.h"

#include <array>

namespace ui {
namespace {

// Virtual-key codes of evdev codes 1..88, where the evdev code equals the set-1 scan code.
constexpr std::array<UINT, 89> kMainBlock = {
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
    const UINT code = kMainBlock[evdevCode];
    if (code == 0) return {};
    return {code, evdevCode, false};
  }
  for (const SpecialKey& special : kSpecialKeys) {
    if (special.evdev == evdevCode) return special.key;
  }
  return {};
}

LPARAM BuildKeyLParam(const KeyMessageFlags& flags) {
  std::uint32_t l = 1;
  l |= (flags.key.scanCode & 0xFFu) << 16;
  if (flags.key.extended) l |= 1u << 24;
  if (flags.altDown) l |= 1u << 29;
  if (flags.wasDown || flags.keyUp) l |= 1u << 30;
  if (flags.keyUp) l |= 1u << 31;
  // The flags form a 32-bit value; keep it unsigned so bit 31 does not sign-extend.
  return static_cast<LPARAM>(l);
}

}  // namespace ui
