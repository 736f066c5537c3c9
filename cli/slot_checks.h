// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "cli/cli_messages.h"
#include "config/controller_config.h"
#include "settings/record_rules.h"

// What the settings core finds wrong with a record, in padctl's words: each problem names the
// setting and what it may hold. The slots no setting covers are carried as they are.

// The message for one problem of `config`.
Message ProblemMessage(const ControllerConfig& config, const settings::RecordProblem& problem);
// The same without the leading setting or slot, in English: `show`'s reason.
std::string ProblemReason(const ControllerConfig& config, const settings::RecordProblem& problem);
// Every problem of a set of slot values: what the window could not show and edit.
std::vector<Message> CheckSlots(const SlotWords& words);
