#pragma once

#include <cstdint>

// The gamepad poll can only change anything while the rear-button page (page 1) is shown
// and the window has the keyboard; at every other time its periodic tick would only wake the
// processor, so it runs exactly when this is true (and never before the controller started).
constexpr bool GamepadTickWanted(bool deviceStarted, std::uint32_t hasFocus,
                                 std::uint32_t currentPage) {
  return deviceStarted && hasFocus != 0 && currentPage == 1;
}
