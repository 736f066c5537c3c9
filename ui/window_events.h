// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <variant>

// What the toolkit tells a window about its input and life, as small typed events. Each one
// goes to one hook of the window (WindowImplBase::Dispatch decides which); a hook that
// consumes its event keeps it from the toolkit's and Qt's own handling.
namespace ui {

// A key went down or up. Known by the physical key, so the fields do not change with the
// keyboard layout or Num Lock.
struct KeyEvent {
  std::uint32_t virtualKey = 0;  // virtual-key code (keynumbers/key_constants.h)
  std::uint32_t scanCode = 0;    // set-1 scan code without the extended prefix; 0 when unknown
  bool extended = false;         // right Ctrl and Alt, keypad Enter and slash, navigation block
  bool pressed = true;           // false when released
  bool repeat = false;           // a press while the key was already down (auto-repeat)
  bool system = false;           // F10, or any key while Alt is held without Ctrl
  bool shift = false;            // a Shift key is held (Shift+Tab goes backwards)
  // For a release: this window saw the key go down. A release whose press went to another
  // window (a message box closed by Enter) activates nothing here.
  bool pressSeen = true;
};

// The wheel turned: positive away from the user, in eighths of a degree (120 per notch).
struct WheelEvent {
  int delta = 0;
};

enum class FocusChange { kGained, kLost };

// The user asked to close the window (the window manager's close, or the skin's close button).
// Unless a hook consumes it, the toolkit hides the window.
struct CloseRequest {};

// One beat of the window's periodic tick (CWindowWnd::StartTick).
struct Tick {};

using WindowEvent = std::variant<KeyEvent, WheelEvent, FocusChange, CloseRequest, Tick>;

}  // namespace ui
