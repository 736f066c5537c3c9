// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/key_picker.h"

#include "keys/key_capture.h"
#include "keynumbers/key_constants.h"
#include "names/control_names.h"
#include "pages/delay_selectors.h"
#include "pages/slot_editing.h"
#include "settings/key_kinds.h"
#include "settings/record_rules.h"
#include "settings/setting_table.h"

namespace pages {
namespace {

std::vector<KeyCode> Run(KeyCode first, KeyCode last) {
  std::vector<KeyCode> codes;
  for (unsigned code = first; code <= last; ++code) codes.push_back(static_cast<KeyCode>(code));
  return codes;
}

// The delay selector that shows a delay slot, or null.
const char* DelaySelectorOf(int slot) {
  for (std::size_t i = 0; i < names::kDelayCombos.size(); ++i) {
    if (settings::DelaySelectorSlot(static_cast<int>(i) + 1) == slot) return names::kDelayCombos[i];
  }
  return nullptr;
}

// "none" on a rear step: the core empties the step, the later steps of its button and the
// delays after them; the page shows each emptied slot.
void EmptyStepsFrom(PageControls& controls, ControllerConfig& config,
                    const settings::Setting& step) {
  const QString none = QString::fromLatin1(kNoKeyImage);
  for (int slot : settings::EmptyStepsFrom(config, step)) {
    if (const char* selector = DelaySelectorOf(slot)) {
      ShowStepDelay(controls, selector, 0);
    } else {
      SetSlotPicture(controls, static_cast<std::uint32_t>(slot), none);
    }
  }
  UpdateDelaySelectors(controls);
}

void Empty(const CaptureTarget& target) {
  const auto slot = static_cast<int>(target.slot);
  const settings::Setting* setting = settings::KeySettingOfSlot(slot);
  if (setting != nullptr && setting->kind == settings::SettingKind::kRearStep) {
    EmptyStepsFrom(target.controls, target.config, *setting);
    return;
  }
  target.config.SetCode(slot, 0);
  SetSlotPicture(target.controls, target.slot, QString::fromLatin1(kNoKeyImage));
}

KeyStroke Stroke(std::uint32_t virtualKey, bool extended = false, std::uint32_t scanCode = 0) {
  return KeyStroke{virtualKey, scanCode, extended};
}

}  // namespace

std::vector<PickerGroup> PickerGroups(PickerPage page) {
  std::vector<PickerGroup> groups{
      {"letters", Run(0x04, 0x1D)},
      {"digits", Run(0x1E, 0x27)},
      {"function keys", Run(0x3A, 0x45)},
      {"navigation",
       {0x29, 0x2B, 0x39, 0x2A, 0x28, 0x2C, 0x46, 0x47, 0x48, 0x49, 0x4C, 0x4A, 0x4D, 0x4B, 0x4E,
        0x52, 0x51, 0x50, 0x4F}},
      {"modifiers", {0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6}},
      {"numpad",
       {0x59, 0x5A, 0x5B, 0x5C, 0x5D, 0x5E, 0x5F, 0x60, 0x61, 0x62, 0x54, 0x55, 0x56, 0x57, 0x63,
        0x58}},
      {"symbols", {0x2D, 0x2E, 0x2F, 0x30, 0x31, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38}},
  };
  // The keyboard groups above are display order only; what else a page offers, and "none",
  // come from the settings core.
  const settings::SettingKind kind = page == PickerPage::kControlKeys
                                         ? settings::SettingKind::kControlKey
                                         : settings::SettingKind::kRearStep;
  const std::vector<KeyCode> wheel = settings::CodesOfClass(settings::CodeClass::kWheel);
  const std::vector<KeyCode> gamepad = settings::CodesOfClass(settings::CodeClass::kGamepad);
  if (!wheel.empty() && settings::MayHoldCode(kind, wheel.front())) {
    groups.push_back({"mouse wheel", wheel});
  }
  if (!gamepad.empty() && settings::MayHoldCode(kind, gamepad.front())) {
    groups.push_back({"gamepad", gamepad});
  }
  groups.push_back({"none", settings::CodesOfClass(settings::CodeClass::kNone)});
  return groups;
}

void PickKey(const CaptureTarget& target, KeyCode code) {
  if (target.slot >= static_cast<std::uint32_t>(slots::kCount)) return;
  if (code == 0) {
    Empty(target);
    return;
  }
  const UiKeyCode key = ToUiKeyCode(target.table, code);
  if (key == 0) return;
  if (settings::ClassOfCode(code) == settings::CodeClass::kGamepad) {
    // The gamepad poll writes the code and shows the picture, and traces nothing.
    CaptureIntoSlot(target.controls, target.config, target.slot, code, KeyImageName(key));
    return;
  }
  switch (key) {
    case ownkey::kWheelUp:
      return CaptureWheelTurn(target, 120);
    case ownkey::kWheelDown:
      return CaptureWheelTurn(target, -120);
    // Alt and F10 are system keys, captured when pressed.
    case ownkey::kLeftAlt:
      return CaptureSystemKey(target, Stroke(vk::kMenu));
    case ownkey::kRightAlt:
      return CaptureSystemKey(target, Stroke(vk::kMenu, true));
    case vk::kF10:
      return CaptureSystemKey(target, Stroke(vk::kF10));
    // The keys that share a virtual-key code differ by side, as the keyboard reports them.
    case ownkey::kLeftCtrl:
      return CaptureKeyRelease(target, Stroke(vk::kControl, false, scancode::kLeftCtrl));
    case ownkey::kRightCtrl:
      return CaptureKeyRelease(target, Stroke(vk::kControl, true, scancode::kLeftCtrl));
    case ownkey::kLeftShift:
      return CaptureKeyRelease(target, Stroke(vk::kShift, false, scancode::kLeftShift));
    case ownkey::kRightShift:
      return CaptureKeyRelease(target, Stroke(vk::kShift, false, scancode::kRightShift));
    case ownkey::kMainEnter:
      return CaptureKeyRelease(target, Stroke(vk::kReturn, false, scancode::kEnter));
    case ownkey::kNumpadEnter:
      return CaptureKeyRelease(target, Stroke(vk::kReturn, true, scancode::kEnter));
    default:
      return CaptureKeyRelease(target, Stroke(key));
  }
}

}  // namespace pages
