// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/named_settings.h"

#include <QJsonValue>
#include <charconv>
#include <cstdio>

#include "keys/key_names.h"

namespace {

using K = SettingKind;
constexpr std::array<NamedSetting, kNamedSettingCount> kSettings{{
    {"kbm.wheel-up", K::kKey, slots::kWheelUp},
    {"kbm.wheel-down", K::kKey, slots::kWheelDown},
    {"kbm.home", K::kKey, slots::kHome},
    {"kbm.end", K::kKey, slots::kEnd},
    {"kbm.button-a", K::kKey, slots::kFaceA},
    {"kbm.button-b", K::kKey, slots::kFaceB},
    {"kbm.button-x", K::kKey, slots::kFaceX},
    {"kbm.button-y", K::kKey, slots::kFaceY},
    {"kbm.w", K::kKey, slots::kW},
    {"kbm.s", K::kKey, slots::kS},
    {"kbm.a", K::kKey, slots::kA},
    {"kbm.d", K::kKey, slots::kD},
    {"kbm.space", K::kKey, slots::kSpace},
    {"kbm.enter", K::kKey, slots::kEnter},
    {"l4.step1", K::kKey, slots::kFirstRearStep1},
    {"l4.delay1", K::kDelay, slots::kFirstRearDelay1},
    {"l4.step2", K::kKey, slots::kFirstRearStep1 + 1},
    {"l4.delay2", K::kDelay, slots::kFirstRearDelay1 + 1},
    {"l4.step3", K::kKey, slots::kFirstRearStep1 + 2},
    {"l4.delay3", K::kDelay, slots::kFirstRearDelay1 + 2},
    {"l4.step4", K::kKey, slots::kFirstRearStep1 + 3},
    {"r4.step1", K::kKey, slots::kSecondRearStep1},
    {"r4.delay1", K::kDelay, slots::kSecondRearDelay1},
    {"r4.step2", K::kKey, slots::kSecondRearStep1 + 1},
    {"r4.delay2", K::kDelay, slots::kSecondRearDelay1 + 1},
    {"r4.step3", K::kKey, slots::kSecondRearStep1 + 2},
    {"r4.delay3", K::kDelay, slots::kSecondRearDelay1 + 2},
    {"r4.step4", K::kKey, slots::kSecondRearStep1 + 3},
    {"rumble", K::kRumble, slots::kVibration},
    {"led.on", K::kLedOn, slots::kLedModeAndRed},
    {"led.effect", K::kLedEffect, slots::kLedModeAndRed},
    {"led.color", K::kLedColour, slots::kLedModeAndRed},
    {"left-stick.center", K::kDeadZoneCentre, slots::kLeftStickDeadZones},
    {"left-stick.boundary", K::kDeadZoneBoundary, slots::kLeftStickDeadZones},
    {"right-stick.center", K::kDeadZoneCentre, slots::kRightStickDeadZones},
    {"right-stick.boundary", K::kDeadZoneBoundary, slots::kRightStickDeadZones},
}};

constexpr const char* kEffectNames[] = {"constant", "breathing", "rotating"};
constexpr int kMaxRumble = 2;
constexpr int kMaxDelay = 0xFFFF;
// The window's dead-zone sliders run from 0 to 100; `set` keeps to what the window offers.
constexpr int kMinDeadZone = 0;
constexpr int kMaxDeadZone = 100;

std::string Unknown(unsigned value, int hexDigits) {
  return "unknown (" + HexText(value, hexDigits) + ")";
}

std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::optional<std::uint32_t> HexColour(std::string_view text) {
  if (text.size() != 7 || text[0] != '#') return std::nullopt;
  std::uint32_t value = 0;
  for (char c : text.substr(1)) {
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return std::nullopt;
    }
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return value;
}

Message BadNumber(const NamedSetting& setting, std::string_view value, int low, int high) {
  return {MessageId::kBadNumber,
          {setting.name, std::string(value), std::to_string(low), std::to_string(high)}};
}

Message BadChoice(const NamedSetting& setting, std::string_view value, const char* choices) {
  return {MessageId::kBadChoice, {setting.name, std::string(value), choices}};
}

int DeadZoneValue(const ControllerConfig& config, const NamedSetting& setting) {
  const DeadZones zones = DeadZonesOf(config.Code(setting.slot));
  return setting.kind == K::kDeadZoneCentre ? zones.centre : zones.boundary;
}

}  // namespace

const std::array<NamedSetting, kNamedSettingCount>& NamedSettings() {
  return kSettings;
}

const NamedSetting* FindSetting(std::string_view name) {
  for (const auto& setting : kSettings) {
    if (name == setting.name) return &setting;
  }
  return nullptr;
}

const NamedSetting* KeySettingOfSlot(int slot) {
  for (const auto& setting : kSettings) {
    if (setting.kind == K::kKey && setting.slot == slot) return &setting;
  }
  return nullptr;
}

std::string SettingText(const ControllerConfig& config, const NamedSetting& setting) {
  const std::uint16_t code = config.Code(setting.slot);
  const std::uint8_t mode = LedModeByte(config);
  switch (setting.kind) {
    case K::kKey: {
      const std::string name = KeyName(code);
      return name.empty() ? Unknown(code, 4) : name;
    }
    case K::kDelay:
      return std::to_string(code);
    case K::kRumble:
      return code <= kMaxRumble ? std::to_string(code) : Unknown(code, 4);
    case K::kLedOn:
      return LedIsOn(mode) ? "on" : "off";
    case K::kLedEffect: {
      const auto effect = static_cast<unsigned>(LedEffectOf(mode));
      return effect < std::size(kEffectNames) ? kEffectNames[effect] : Unknown(effect, 1);
    }
    case K::kLedColour: {
      char text[8];
      std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(LedColour(config)));
      return text;
    }
    case K::kDeadZoneCentre:
    case K::kDeadZoneBoundary:
      return std::to_string(DeadZoneValue(config, setting));
  }
  return {};
}

QJsonValue SettingJson(const ControllerConfig& config, const NamedSetting& setting) {
  const std::uint16_t code = config.Code(setting.slot);
  switch (setting.kind) {
    case K::kDelay:
      return static_cast<int>(code);
    case K::kRumble:
      if (code <= kMaxRumble) return static_cast<int>(code);
      break;
    case K::kLedOn:
      return LedIsOn(LedModeByte(config));
    case K::kDeadZoneCentre:
    case K::kDeadZoneBoundary:
      return DeadZoneValue(config, setting);
    default:
      break;
  }
  return QString::fromStdString(SettingText(config, setting));
}

QJsonObject NamedView(const ControllerConfig& config) {
  QJsonObject view;
  for (const auto& setting : kSettings) {
    view.insert(QLatin1String(setting.name), SettingJson(config, setting));
  }
  return view;
}

std::optional<Message> ApplySetting(ControllerConfig& config, const NamedSetting& setting,
                                    std::string_view value) {
  const std::uint8_t mode = LedModeByte(config);
  switch (setting.kind) {
    case K::kKey: {
      const auto code = KeyCodeOfName(value);
      if (!code) return Message{MessageId::kBadKeyName, {setting.name, std::string(value)}};
      config.SetCode(setting.slot, *code);
      return std::nullopt;
    }
    case K::kDelay:
    case K::kRumble: {
      const int high = setting.kind == K::kDelay ? kMaxDelay : kMaxRumble;
      const auto number = WholeNumber(value);
      if (!number || *number < 0 || *number > high) return BadNumber(setting, value, 0, high);
      config.SetCode(setting.slot, static_cast<std::uint16_t>(*number));
      return std::nullopt;
    }
    case K::kLedOn:
      if (value != "on" && value != "off") return BadChoice(setting, value, "on, off");
      SetLedModeByte(config, WithLedOn(mode, value == "on"));
      return std::nullopt;
    case K::kLedEffect:
      for (std::size_t effect = 0; effect < std::size(kEffectNames); ++effect) {
        if (value == kEffectNames[effect]) {
          SetLedModeByte(config, WithLedEffect(mode, static_cast<LedEffect>(effect)));
          return std::nullopt;
        }
      }
      return BadChoice(setting, value, "constant, breathing, rotating");
    case K::kLedColour: {
      const auto rgb = HexColour(value);
      if (!rgb) return Message{MessageId::kBadColour, {setting.name, std::string(value)}};
      SetLedColour(config, *rgb);
      return std::nullopt;
    }
    case K::kDeadZoneCentre:
    case K::kDeadZoneBoundary: {
      const auto number = WholeNumber(value);
      if (!number || *number < kMinDeadZone || *number > kMaxDeadZone) {
        return BadNumber(setting, value, kMinDeadZone, kMaxDeadZone);
      }
      const DeadZones zones = DeadZonesOf(config.Code(setting.slot));
      const bool centre = setting.kind == K::kDeadZoneCentre;
      config.SetCode(setting.slot, PackDeadZones(centre ? *number : zones.centre,
                                                 centre ? zones.boundary : *number));
      return std::nullopt;
    }
  }
  return std::nullopt;
}
