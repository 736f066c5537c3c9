// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// Every setting a person edits, by the name padctl prints and takes, over the slots of the
// settings record. The window's pages and padctl address settings through this one table.
namespace settings {

enum class SettingKind {
  kControlKey,        // a key the controller sends in keyboard-and-mouse mode
  kRearStep,          // one step of a rear button's sequence
  kStepDelay,         // the pause after a rear-button step, in milliseconds
  kRumble,            // 0, 1 or 2
  kLedOn,             // bit 0 of the LED mode byte
  kLedEffect,         // bits 4..7 of the LED mode byte
  kLedColour,         // 0xRRGGBB over slots 34 and 35
  kDeadZoneCentre,    // low byte of a dead-zone slot
  kDeadZoneBoundary,  // high byte of a dead-zone slot
};

// The two rear buttons, L4 and R4; each plays up to four steps with a delay after the first
// three.
inline constexpr int kRearButtons = 2;
inline constexpr int kStepsPerButton = 4;
inline constexpr int kDelaysPerButton = kStepsPerButton - 1;

struct Setting {
  const char* name;
  SettingKind kind;
  int slot;    // the slot that holds it (a colour also uses the next slot)
  int button;  // rear button 0 (L4) or 1 (R4) for steps and delays, -1 otherwise
  int index;   // step 1..4 or delay 1..3 of that button, 0 otherwise
};

inline constexpr int kSettingCount = 36;

// Every setting, in the order padctl lists them.
const std::array<Setting, kSettingCount>& Settings();
// The setting of that exact name, or null.
const Setting* FindSetting(std::string_view name);
// The control key or rear step a slot holds, or null for a slot without a key.
const Setting* KeySettingOfSlot(int slot);

// A rear button's slots: step 1..4 and delay 1..3 (the delay after that step); -1 outside.
int RearStepSlot(int button, int step);
int RearDelaySlot(int button, int delay);
// Rear steps numbered across both buttons as the window's step buttons are: 1..4 the first
// button's, 5..8 the second's. -1 outside 1..8.
int StepSlot(int windowStep);
// The window's delay selectors 1..6: 1..3 the first button's delays, 4..6 the second's.
int DelaySelectorSlot(int selector);

// A setting's bits in the record: one or two (slot, mask) pairs; `count` says how many.
struct SettingBits {
  struct Part {
    int slot;
    std::uint16_t mask;
  };
  std::array<Part, 2> parts;
  int count;
};
SettingBits BitsOf(const Setting& setting);

}  // namespace settings
