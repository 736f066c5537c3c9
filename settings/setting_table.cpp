// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/setting_table.h"

#include "config/controller_config.h"

namespace settings {
namespace {

using K = SettingKind;

constexpr Setting Key(const char* name, int slot) {
  return {name, K::kControlKey, slot, -1, 0};
}
constexpr Setting Step(const char* name, int button, int step) {
  const int first = button == 0 ? slots::kFirstRearStep1 : slots::kSecondRearStep1;
  return {name, K::kRearStep, first + step - 1, button, step};
}
constexpr Setting Delay(const char* name, int button, int delay) {
  const int first = button == 0 ? slots::kFirstRearDelay1 : slots::kSecondRearDelay1;
  return {name, K::kStepDelay, first + delay - 1, button, delay};
}
constexpr Setting Packed(const char* name, SettingKind kind, int slot) {
  return {name, kind, slot, -1, 0};
}

constexpr std::array<Setting, kSettingCount> kSettings{{
    Key("kbm.wheel-up", slots::kWheelUp),
    Key("kbm.wheel-down", slots::kWheelDown),
    Key("kbm.home", slots::kHome),
    Key("kbm.end", slots::kEnd),
    Key("kbm.button-a", slots::kFaceA),
    Key("kbm.button-b", slots::kFaceB),
    Key("kbm.button-x", slots::kFaceX),
    Key("kbm.button-y", slots::kFaceY),
    Key("kbm.w", slots::kW),
    Key("kbm.s", slots::kS),
    Key("kbm.a", slots::kA),
    Key("kbm.d", slots::kD),
    Key("kbm.space", slots::kSpace),
    Key("kbm.enter", slots::kEnter),
    Step("l4.step1", 0, 1),
    Delay("l4.delay1", 0, 1),
    Step("l4.step2", 0, 2),
    Delay("l4.delay2", 0, 2),
    Step("l4.step3", 0, 3),
    Delay("l4.delay3", 0, 3),
    Step("l4.step4", 0, 4),
    Step("r4.step1", 1, 1),
    Delay("r4.delay1", 1, 1),
    Step("r4.step2", 1, 2),
    Delay("r4.delay2", 1, 2),
    Step("r4.step3", 1, 3),
    Delay("r4.delay3", 1, 3),
    Step("r4.step4", 1, 4),
    Packed("rumble", K::kRumble, slots::kVibration),
    Packed("led.on", K::kLedOn, slots::kLedModeAndRed),
    Packed("led.effect", K::kLedEffect, slots::kLedModeAndRed),
    Packed("led.color", K::kLedColour, slots::kLedModeAndRed),
    Packed("left-stick.center", K::kDeadZoneCentre, slots::kLeftStickDeadZones),
    Packed("left-stick.boundary", K::kDeadZoneBoundary, slots::kLeftStickDeadZones),
    Packed("right-stick.center", K::kDeadZoneCentre, slots::kRightStickDeadZones),
    Packed("right-stick.boundary", K::kDeadZoneBoundary, slots::kRightStickDeadZones),
}};

const Setting* FindIf(auto matches) {
  for (const Setting& setting : kSettings) {
    if (matches(setting)) return &setting;
  }
  return nullptr;
}

}  // namespace

const std::array<Setting, kSettingCount>& Settings() {
  return kSettings;
}

const Setting* FindSetting(std::string_view name) {
  return FindIf([name](const Setting& s) { return name == s.name; });
}

const Setting* KeySettingOfSlot(int slot) {
  return FindIf([slot](const Setting& s) {
    return (s.kind == K::kControlKey || s.kind == K::kRearStep) && s.slot == slot;
  });
}

int RearStepSlot(int button, int step) {
  const Setting* found = FindIf([button, step](const Setting& s) {
    return s.kind == K::kRearStep && s.button == button && s.index == step;
  });
  return found != nullptr ? found->slot : -1;
}

int RearDelaySlot(int button, int delay) {
  const Setting* found = FindIf([button, delay](const Setting& s) {
    return s.kind == K::kStepDelay && s.button == button && s.index == delay;
  });
  return found != nullptr ? found->slot : -1;
}

int StepSlot(int windowStep) {
  if (windowStep < 1 || windowStep > kRearButtons * kStepsPerButton) return -1;
  return RearStepSlot((windowStep - 1) / kStepsPerButton, (windowStep - 1) % kStepsPerButton + 1);
}

int DelaySelectorSlot(int selector) {
  if (selector < 1 || selector > kRearButtons * kDelaysPerButton) return -1;
  return RearDelaySlot((selector - 1) / kDelaysPerButton, (selector - 1) % kDelaysPerButton + 1);
}

SettingBits BitsOf(const Setting& setting) {
  switch (setting.kind) {
    case K::kLedOn:
      return {{{{setting.slot, 0x0001}, {}}}, 1};
    case K::kLedEffect:
      // Choosing an effect clears bits 1..3 as well, so they belong to the effect.
      return {{{{setting.slot, 0x00FE}, {}}}, 1};
    case K::kLedColour:
      return {{{{setting.slot, 0xFF00}, {setting.slot + 1, 0xFFFF}}}, 2};
    case K::kDeadZoneCentre:
      return {{{{setting.slot, 0x00FF}, {}}}, 1};
    case K::kDeadZoneBoundary:
      return {{{{setting.slot, 0xFF00}, {}}}, 1};
    default:
      return {{{{setting.slot, 0xFFFF}, {}}}, 1};
  }
}

}  // namespace settings
