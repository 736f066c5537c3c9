// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "config/controller_config.h"
#include "settings/setting_table.h"
#include "settings/setting_values.h"

// Whole-record rules: is this record one the window can show and edit? A rear button's steps
// hold keys from step 1 on without a gap, and a delay holds a value only after a step that
// holds a key; every setting holds a value its page could give it.
namespace settings {

struct RecordProblem {
  const Setting* setting;  // the first setting that breaks a rule
  Refusal refusal;
  std::int32_t value;  // the setting's value in the record (the mode byte for kBadLedMode)
};

// Every problem, in the order of the settings table.
std::vector<RecordProblem> RecordProblems(const ControllerConfig& config);
// The first problem, or nothing for a record the window can show and edit.
std::optional<RecordProblem> FirstProblem(const ControllerConfig& config);

// A rear step may hold a key once every earlier step of its button holds one.
bool StepMayHoldKey(const ControllerConfig& config, const Setting& step);

// "none" on a rear step: empties that step and every later step of its button, and the delays
// after the emptied steps. Returns the slots it set to 0, in order (steps and delays).
std::vector<int> EmptyStepsFrom(ControllerConfig& config, const Setting& step);

}  // namespace settings
