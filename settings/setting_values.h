// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "config/controller_config.h"
#include "settings/setting_table.h"

// What each setting may hold, and its value in the record as one number: a key code, a delay
// in milliseconds, a rumble level, 0/1 for the LED switch, the effect number, 0xRRGGBB, or a
// dead zone (its byte read as signed).
namespace settings {

inline constexpr int kMaxRumble = 2;
// The window's dead-zone sliders run from 0 to 100.
inline constexpr int kMinDeadZone = 0;
inline constexpr int kMaxDeadZone = 100;
// The two delays a rear-button step offers, in the order of the window's selector items.
inline constexpr std::array<int, 2> kDelayChoices{0, 100};
// The LED effects by number, as padctl names them.
inline constexpr std::array<std::string_view, 3> kLedEffectNames{"constant", "breathing",
                                                                 "rotating"};
inline constexpr std::uint32_t kMaxColour = 0xFFFFFF;

// The setting's value in the record.
std::int32_t ValueOf(const ControllerConfig& config, const Setting& setting);

// Why a value is not one the window could give a setting.
enum class Refusal {
  kNone,
  kKeyOfOtherPage,   // a wheel code on a rear step, a gamepad code on a control key
  kUnknownKey,       // a code that is no key of the vocabulary
  kOutOfRange,       // a number outside the setting's range, or not one of its choices
  kBadLedMode,       // a mode byte with bits 1..3 set or an effect above 2
  kHole,             // a rear step holding a key after an empty step
  kDelayAfterEmpty,  // a delay after a rear step that holds no key
};

// Whether `value` is one the setting may hold, judged on its own (a rear step's place in its
// sequence is judged on the whole record, see record_rules.h).
Refusal CheckValue(const Setting& setting, std::int32_t value);

// Stores a value the setting may hold, touching only the setting's own bits: the LED switch
// changes bit 0 only, an effect clears bits 1..7 and sets its own, a colour leaves the mode
// byte alone, a dead zone keeps the other dead zone of its stick. A rear step stored as 0
// does not empty the later steps here (see EmptyStepsFrom). Values CheckValue refuses are
// not stored.
bool StoreValue(ControllerConfig& config, const Setting& setting, std::int32_t value);

}  // namespace settings
