// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "texts/phrase.h"

// What assistive technology calls the controls that show a picture instead of a text (the
// ones with a text are called by it). Key slots are named by what they hold, elsewhere.
struct AccessibleName {
  const char* control;  // skin name
  Phrase name;
};
const std::vector<AccessibleName>& AccessibleNames();
