// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/key_kinds.h"

#include <algorithm>
#include <array>

namespace settings {
namespace {

// The keyboard usages the controller can send: letters, digits, Enter to Space and the
// symbols, the function keys, the navigation block, the numpad and the modifiers. Usages
// between them (0x32, 0x53, 0x64 and up) are keys the controller has no picture or code for.
struct UsageRun {
  std::uint16_t first;
  std::uint16_t last;
};
constexpr std::array<UsageRun, 4> kKeyboardRuns{{
    {0x04, 0x31},  // letters, digits, Enter, Escape, Backspace, Tab, Space, - = [ ] backslash
    {0x33, 0x52},  // ; ' ` , . / CapsLock, F1..F12, PrintScreen .. UpArrow
    {0x54, 0x63},  // numpad / * - + Enter, 1..0, .
    {0xE0, 0xE6},  // left Ctrl, Shift, Alt, GUI; right Ctrl, Shift, Alt
}};
constexpr std::uint16_t kWheelUp = 0xE8;
constexpr std::uint16_t kWheelDown = 0xE9;
constexpr std::uint16_t kFirstGamepad = 0xFF01;
constexpr std::uint16_t kLastGamepad = 0xFF19;

bool IsKeyboard(std::uint16_t code) {
  return std::any_of(kKeyboardRuns.begin(), kKeyboardRuns.end(),
                     [code](const UsageRun& run) { return code >= run.first && code <= run.last; });
}

}  // namespace

CodeClass ClassOfCode(std::uint16_t code) {
  if (code == 0) return CodeClass::kNone;
  if (code == kWheelUp || code == kWheelDown) return CodeClass::kWheel;
  if (code >= kFirstGamepad && code <= kLastGamepad) return CodeClass::kGamepad;
  if (IsKeyboard(code)) return CodeClass::kKeyboard;
  return CodeClass::kUnknown;
}

bool MayHoldCode(SettingKind kind, std::uint16_t code) {
  const CodeClass codeClass = ClassOfCode(code);
  if (codeClass == CodeClass::kNone || codeClass == CodeClass::kKeyboard) {
    return kind == SettingKind::kControlKey || kind == SettingKind::kRearStep;
  }
  if (codeClass == CodeClass::kWheel) return kind == SettingKind::kControlKey;
  if (codeClass == CodeClass::kGamepad) return kind == SettingKind::kRearStep;
  return false;
}

std::vector<std::uint16_t> CodesOfClass(CodeClass codeClass) {
  std::vector<std::uint16_t> codes;
  for (std::uint32_t code = 0; code <= 0xFFFF; ++code) {
    if (ClassOfCode(static_cast<std::uint16_t>(code)) == codeClass) {
      codes.push_back(static_cast<std::uint16_t>(code));
    }
  }
  return codes;
}

}  // namespace settings
