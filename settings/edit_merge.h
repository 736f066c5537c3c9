// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/controller_config.h"

// A window keeps the record it read when its page opened and edits a copy. Another program
// (padctl, a profile applied at a game's start) may write the controller meanwhile. Saving
// then writes what the controller holds now, with only the settings this window changed
// taken from its copy, so neither undoes the other's work.
namespace settings {

// `fresh` with every setting that differs between `loaded` and `edited` taken from `edited`.
// A rear button counts as one setting: a change to any of its steps or delays takes its whole
// sequence, so a merge never makes a sequence with a hole. Slots that are no setting keep
// `fresh`'s values. With `fresh` equal to `loaded` the result is `edited`.
ControllerConfig MergeEdits(const ControllerConfig& loaded, const ControllerConfig& edited,
                            const ControllerConfig& fresh);

}  // namespace settings
