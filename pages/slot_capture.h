// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "config/controller_config.h"
#include "keys/key_capture.h"
#include "link/debug_trace.h"
#include "keys/key_codes.h"
#include "pages/page_controls.h"

// Keyboard and wheel input captured into the armed slot. The checks of focus and page belong to
// the window; these only turn the input into a code, trace it, store it and show it.
namespace pages {

struct CaptureTarget {
  PageControls& controls;
  ControllerConfig& config;
  const TranslationTable& table;
  std::uint32_t slot;      // the armed slot, kNoSlot for none
  const TraceSink& trace;  // where the captured codes are traced
};

void CaptureKeyRelease(const CaptureTarget& target, const KeyStroke& key);
// Alt and F10 arrive as system keys and are captured when pressed.
void CaptureSystemKey(const CaptureTarget& target, const KeyStroke& key);
// `delta` is the wheel's signed turn, positive away from the user.
void CaptureWheelTurn(const CaptureTarget& target, int delta);

}  // namespace pages
