// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/setting_values.h"

#include <algorithm>

#include "settings/key_kinds.h"

namespace settings {
namespace {

using K = SettingKind;

std::int32_t DeadZoneOf(const ControllerConfig& config, const Setting& setting) {
  const DeadZones zones = DeadZonesOf(config.Code(setting.slot));
  return setting.kind == K::kDeadZoneCentre ? zones.centre : zones.boundary;
}

Refusal InRange(std::int32_t value, std::int32_t low, std::int32_t high) {
  return value >= low && value <= high ? Refusal::kNone : Refusal::kOutOfRange;
}

}  // namespace

std::int32_t ValueOf(const ControllerConfig& config, const Setting& setting) {
  const std::uint8_t mode = LedModeByte(config);
  switch (setting.kind) {
    case K::kControlKey:
    case K::kRearStep:
    case K::kStepDelay:
    case K::kRumble:
      return config.Code(setting.slot);
    case K::kLedOn:
      return LedIsOn(mode) ? 1 : 0;
    case K::kLedEffect:
      return static_cast<std::int32_t>(LedEffectOf(mode));
    case K::kLedColour:
      return static_cast<std::int32_t>(LedColour(config));
    case K::kDeadZoneCentre:
    case K::kDeadZoneBoundary:
      return DeadZoneOf(config, setting);
  }
  return 0;
}

Refusal CheckValue(const Setting& setting, std::int32_t value) {
  switch (setting.kind) {
    case K::kControlKey:
    case K::kRearStep: {
      if (value < 0 || value > 0xFFFF) return Refusal::kUnknownKey;
      const auto code = static_cast<std::uint16_t>(value);
      if (MayHoldCode(setting.kind, code)) return Refusal::kNone;
      return ClassOfCode(code) == CodeClass::kUnknown ? Refusal::kUnknownKey
                                                      : Refusal::kKeyOfOtherPage;
    }
    case K::kStepDelay:
      return std::find(kDelayChoices.begin(), kDelayChoices.end(), value) != kDelayChoices.end()
                 ? Refusal::kNone
                 : Refusal::kOutOfRange;
    case K::kRumble:
      return InRange(value, 0, kMaxRumble);
    case K::kLedOn:
      return InRange(value, 0, 1);
    case K::kLedEffect:
      return InRange(value, 0, static_cast<std::int32_t>(kLedEffectNames.size()) - 1);
    case K::kLedColour:
      return InRange(value, 0, static_cast<std::int32_t>(kMaxColour));
    case K::kDeadZoneCentre:
    case K::kDeadZoneBoundary:
      return InRange(value, kMinDeadZone, kMaxDeadZone);
  }
  return Refusal::kOutOfRange;
}

bool StoreValue(ControllerConfig& config, const Setting& setting, std::int32_t value) {
  if (CheckValue(setting, value) != Refusal::kNone) return false;
  const std::uint8_t mode = LedModeByte(config);
  switch (setting.kind) {
    case K::kControlKey:
    case K::kRearStep:
    case K::kStepDelay:
    case K::kRumble:
      config.SetCode(setting.slot, static_cast<std::uint16_t>(value));
      break;
    case K::kLedOn:
      SetLedModeByte(config, WithLedOn(mode, value == 1));
      break;
    case K::kLedEffect:
      SetLedModeByte(config, WithLedEffect(mode, static_cast<LedEffect>(value)));
      break;
    case K::kLedColour:
      SetLedColour(config, static_cast<std::uint32_t>(value));
      break;
    case K::kDeadZoneCentre:
    case K::kDeadZoneBoundary: {
      const DeadZones zones = DeadZonesOf(config.Code(setting.slot));
      const bool centre = setting.kind == K::kDeadZoneCentre;
      config.SetCode(setting.slot,
                     PackDeadZones(centre ? value : zones.centre, centre ? zones.boundary : value));
      break;
    }
  }
  return true;
}

}  // namespace settings
