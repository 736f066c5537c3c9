// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/slot_capture.h"

#include "link/debug_trace.h"
#include "keys/key_capture.h"
#include "pages/slot_editing.h"

namespace pages {
namespace {
void TraceCapture(const CaptureTarget& target, KeyCode code) {
  DebugTrace(target.trace, L"Type:%d\uFF0CKeyCode:%x", 1, static_cast<unsigned>(code));
}

void TraceSlot(const CaptureTarget& target) {
  DebugTrace(target.trace, L"IsChooseKey:%d,KeyCode:%x", static_cast<int>(target.slot),
             static_cast<unsigned>(target.config.Code(static_cast<int>(target.slot))));
}

void Capture(const CaptureTarget& target, KeyCode code, const QString& picture) {
  CaptureIntoSlot(target.controls, target.config, target.slot, code, picture);
}
}  // namespace

void CaptureKeyRelease(const CaptureTarget& target, const KeyStroke& stroke) {
  const CapturedKey key = KeyReleased(stroke);
  const KeyCode code = ToKeyCode(target.table, key.uiKeyCode);
  if (key.sided) {
    TraceCapture(target, code);
    Capture(target, code, key.picture);
    return;
  }
  const bool armed = target.slot < static_cast<std::uint32_t>(slots::kCount);
  if (armed) {
    TraceSlot(target);
    TraceCapture(target, code);
  }
  Capture(target, code, key.picture);
  if (armed) TraceSlot(target);
}

void CaptureSystemKey(const CaptureTarget& target, const KeyStroke& stroke) {
  const std::optional<CapturedKey> key = SystemKeyPressed(stroke);
  if (!key) return;
  const KeyCode code = ToKeyCode(target.table, key->uiKeyCode);
  TraceCapture(target, code);
  Capture(target, code, key->picture);
}

void CaptureWheelTurn(const CaptureTarget& target, int delta) {
  const CapturedKey key = WheelTurned(delta);
  Capture(target, ToKeyCode(target.table, key.uiKeyCode), key.picture);
}

}  // namespace pages
