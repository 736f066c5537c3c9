// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/named_settings.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "keys/key_names.h"
#include "settings/key_kinds.h"
#include "settings/setting_values.h"

namespace {

using settings::Setting;
using K = settings::SettingKind;

constexpr char kOn[] = "on";
constexpr char kOff[] = "off";

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

template <typename List>
std::string Joined(const List& items, const char* separator, const char* last) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += i + 1 == items.size() ? last : separator;
    if constexpr (std::is_arithmetic_v<typename List::value_type>) {
      text += std::to_string(items[i]);
    } else {
      text += std::string(items[i]);
    }
  }
  return text;
}

bool IsKey(const Setting& setting) {
  return setting.kind == K::kControlKey || setting.kind == K::kRearStep;
}

MessageId WordOf(settings::CodeClass codeClass) {
  switch (codeClass) {
    case settings::CodeClass::kWheel:
      return MessageId::kWordWheelDirection;
    case settings::CodeClass::kGamepad:
      return MessageId::kWordGamepadInput;
    default:
      return MessageId::kWordKeyboardKey;
  }
}

// The classes of key a setting takes, as words, asked of the core rather than restated.
std::vector<MessageId> TakenWords(const Setting& setting) {
  std::vector<MessageId> words;
  for (const auto codeClass : {settings::CodeClass::kKeyboard, settings::CodeClass::kWheel,
                               settings::CodeClass::kGamepad}) {
    const std::vector<std::uint16_t> codes = settings::CodesOfClass(codeClass);
    if (!codes.empty() && settings::MayHoldCode(setting.kind, codes.front())) {
      words.push_back(WordOf(codeClass));
    }
  }
  return words;
}

// What the setting takes, said of a value given as `text` that it does not take.
Message Takes(const Setting& setting, const std::string& text) {
  switch (setting.kind) {
    case K::kControlKey:
    case K::kRearStep:
      return {MessageId::kBadKeyName, {setting.name, text}};
    case K::kStepDelay:
      return {MessageId::kBadChoice,
              {setting.name, text, Joined(settings::kDelayChoices, ", ", ", ")}};
    case K::kRumble:
      return {MessageId::kBadNumber,
              {setting.name, text, "0", std::to_string(settings::kMaxRumble)}};
    case K::kLedOn:
      return {MessageId::kBadChoice, {setting.name, text, std::string(kOn) + ", " + kOff}};
    case K::kLedEffect:
      return {MessageId::kBadChoice, {setting.name, text, EffectChoices()}};
    case K::kLedColour:
      return {MessageId::kBadColour, {setting.name, text}};
    case K::kDeadZoneCentre:
    case K::kDeadZoneBoundary:
      return {MessageId::kBadNumber,
              {setting.name, text, std::to_string(settings::kMinDeadZone),
               std::to_string(settings::kMaxDeadZone)}};
  }
  return {MessageId::kBadChoice, {setting.name, text, ""}};
}

}  // namespace

std::string EffectChoices() {
  return Joined(settings::kLedEffectNames, ", ", ", ");
}

std::string DelayHelp() {
  return "delay in milliseconds after a step: " + Joined(settings::kDelayChoices, ", ", " or ");
}

std::string RumbleHelp() {
  std::array<int, settings::kMaxRumble + 1> levels{};
  for (std::size_t level = 0; level < levels.size(); ++level)
    levels[level] = static_cast<int>(level);
  return Joined(levels, ", ", " or ");
}

std::string EffectHelp() {
  return Joined(settings::kLedEffectNames, ", ", " or ");
}

std::string DeadZoneHelp() {
  return "dead zones, " + std::to_string(settings::kMinDeadZone) + " to " +
         std::to_string(settings::kMaxDeadZone);
}

std::string ValueText(const Setting& setting, std::int32_t value) {
  switch (setting.kind) {
    case K::kControlKey:
    case K::kRearStep: {
      const std::string name = KeyName(static_cast<KeyCode>(value));
      return name.empty() ? Unknown(static_cast<unsigned>(value), 4) : name;
    }
    case K::kLedOn:
      return value != 0 ? kOn : kOff;
    case K::kLedEffect: {
      const auto effect = static_cast<std::size_t>(value);
      return effect < settings::kLedEffectNames.size()
                 ? std::string(settings::kLedEffectNames[effect])
                 : Unknown(static_cast<unsigned>(value), 1);
    }
    case K::kLedColour: {
      char text[8];
      std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(value) & 0xFFFFFFu);
      return text;
    }
    default:
      return std::to_string(value);
  }
}

std::string SettingText(const ControllerConfig& config, const Setting& setting) {
  const std::int32_t value = settings::ValueOf(config, setting);
  if (setting.kind == K::kRumble &&
      settings::CheckValue(setting, value) != settings::Refusal::kNone) {
    return Unknown(static_cast<unsigned>(value), 4);
  }
  return ValueText(setting, value);
}

QJsonValue SettingJson(const ControllerConfig& config, const Setting& setting) {
  const std::int32_t value = settings::ValueOf(config, setting);
  switch (setting.kind) {
    case K::kStepDelay:
    case K::kDeadZoneCentre:
    case K::kDeadZoneBoundary:
      return value;
    case K::kRumble:
      if (settings::CheckValue(setting, value) == settings::Refusal::kNone) return value;
      break;
    case K::kLedOn:
      return value != 0;
    default:
      break;
  }
  return QString::fromStdString(SettingText(config, setting));
}

QJsonObject NamedView(const ControllerConfig& config) {
  QJsonObject view;
  for (const Setting& setting : settings::Settings()) {
    view.insert(QLatin1String(setting.name), SettingJson(config, setting));
  }
  return view;
}

std::optional<Message> RefusedValue(const Setting& setting, std::int32_t value) {
  switch (settings::CheckValue(setting, value)) {
    case settings::Refusal::kNone:
      return std::nullopt;
    case settings::Refusal::kKeyOfOtherPage: {
      std::vector<MessageId> words{WordOf(settings::ClassOfCode(static_cast<KeyCode>(value)))};
      for (const MessageId word : TakenWords(setting)) words.push_back(word);
      return Message{MessageId::kKeyOfOtherPage, {setting.name, ValueText(setting, value)}, words};
    }
    default:
      return Takes(setting, IsKey(setting) ? ValueText(setting, value) : std::to_string(value));
  }
}

std::optional<Message> ParseValue(const Setting& setting, std::string_view text,
                                  std::int32_t& value) {
  std::optional<std::int64_t> parsed;
  switch (setting.kind) {
    case K::kControlKey:
    case K::kRearStep:
      if (const auto code = KeyCodeOfName(text)) parsed = *code;
      break;
    case K::kLedOn:
      if (text == kOn || text == kOff) parsed = text == kOn ? 1 : 0;
      break;
    case K::kLedEffect:
      for (std::size_t effect = 0; effect < settings::kLedEffectNames.size(); ++effect) {
        if (text == settings::kLedEffectNames[effect]) parsed = static_cast<std::int64_t>(effect);
      }
      break;
    case K::kLedColour:
      if (const auto rgb = HexColour(text)) parsed = *rgb;
      break;
    default:
      if (const auto number = WholeNumber(text)) parsed = *number;
      break;
  }
  if (!parsed) return Takes(setting, std::string(text));
  value = static_cast<std::int32_t>(*parsed);
  if (auto refused = RefusedValue(setting, value)) {
    // Said in the words the user typed, so "kbm.w=rocker_a" reads back as typed.
    if (refused->args.size() > 1) refused->args[1] = std::string(text);
    return refused;
  }
  return std::nullopt;
}
