// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cli/cli_messages.h"
#include "config/controller_config.h"
#include "settings/setting_table.h"

// The text forms of the settings: what `padctl show` prints and `padctl set NAME=VALUE` takes.
// Which settings there are, their slots and what each may hold come from the settings core;
// this only turns its values into words and back.

// A value as text, in the form `set` takes: a key name, a number, on/off, an effect name,
// #RRGGBB. A key code without a name and an effect without one read "unknown (0x...)".
std::string ValueText(const settings::Setting& setting, std::int32_t value);
// The setting's value in the record as text (a rumble level `set` would refuse also reads
// "unknown (0x...)").
std::string SettingText(const ControllerConfig& config, const settings::Setting& setting);
// The same value typed for JSON: numbers as numbers, on/off as a boolean, the rest as text.
QJsonValue SettingJson(const ControllerConfig& config, const settings::Setting& setting);
// Every setting by name.
QJsonObject NamedView(const ControllerConfig& config);

// Why the setting may not hold `value`, judged on the value alone, naming what it takes; or
// nothing when it may hold it.
std::optional<Message> RefusedValue(const settings::Setting& setting, std::int32_t value);

// The value `text` gives the setting, in `value`; or the message naming what the setting
// takes. A rear step's place in its sequence is judged on the whole record, not here.
std::optional<Message> ParseValue(const settings::Setting& setting, std::string_view text,
                                  std::int32_t& value);

// The LED effects by name, as the messages list them: "constant, breathing, rotating".
std::string EffectChoices();

// The value descriptions of --help's list of settings.
std::string DelayHelp();
std::string RumbleHelp();
std::string EffectHelp();
std::string DeadZoneHelp();
