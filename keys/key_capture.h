#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "keys/key_codes.h"

// Which key a keyboard or wheel event stands for. Left and right modifiers, and the two Enter
// keys, share a virtual-key code; the event's flags tell them apart.
struct CapturedKey {
  UiKeyCode uiKeyCode = 0;
  QString picture;
  // True for the keys told apart by side: their picture is fixed and they are captured even
  // with nothing to show for the side.
  bool sided = false;
};

// A released key: vk is the virtual-key code, flags the key message's flags (scan code in bits
// 16..23, extended-key flag in bit 24).
CapturedKey KeyReleased(std::uint32_t vk, std::intptr_t flags);
// A pressed system key: Alt or F10; any other key gives nothing.
std::optional<CapturedKey> SystemKeyPressed(std::uint32_t vk, std::intptr_t flags);
// A wheel turn: the signed delta in the high 16 bits of the message's first parameter. Away
// from the user is wheel up.
CapturedKey WheelTurned(std::uintptr_t wParam);
