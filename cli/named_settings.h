// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "cli/cli_messages.h"
#include "config/controller_config.h"

// The settings a person edits, by name, over the slots of the settings record. Names are
// what `padctl show` prints and `padctl set NAME=VALUE` takes.
enum class SettingKind {
  kKey,               // a KeyCode, by key name
  kDelay,             // a step delay in milliseconds
  kRumble,            // 0, 1 or 2
  kLedOn,             // bit 0 of the LED mode byte: on or off
  kLedEffect,         // bits 4..7 of the LED mode byte: constant, breathing or rotating
  kLedColour,         // #RRGGBB over slots 34 and 35
  kDeadZoneCentre,    // low byte of a dead-zone slot
  kDeadZoneBoundary,  // high byte of a dead-zone slot
};

struct NamedSetting {
  const char* name;
  SettingKind kind;
  int slot;
};

inline constexpr int kNamedSettingCount = 36;

// Every named setting, in the order `show` lists them.
const std::array<NamedSetting, kNamedSettingCount>& NamedSettings();
// The setting of that exact name, or null.
const NamedSetting* FindSetting(std::string_view name);
// The key setting that shows a slot, or null when no key setting does.
const NamedSetting* KeySettingOfSlot(int slot);

// A setting's value as text, in the form `set` accepts (values the record holds but `set`
// would refuse read "unknown (...)").
std::string SettingText(const ControllerConfig& config, const NamedSetting& setting);
// The same value typed for JSON: numbers as numbers, on/off as a boolean, the rest as text.
QJsonValue SettingJson(const ControllerConfig& config, const NamedSetting& setting);
// Every setting by name.
QJsonObject NamedView(const ControllerConfig& config);

// Stores `value` (as text) into the record, touching only the setting's own bits. On a value
// the setting does not take, returns the problem and leaves the record unchanged.
std::optional<Message> ApplySetting(ControllerConfig& config, const NamedSetting& setting,
                                    std::string_view value);
