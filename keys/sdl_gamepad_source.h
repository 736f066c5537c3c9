// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "keys/gamepad_source.h"

struct _SDL_GameController;

// Gamepads through SDL's game-controller layer. Nothing runs in the background: SDL is set
// up on the first Read, and plugging and unplugging are noticed when Read asks for the state.
// A controller keeps its index (SDL's player index when it has a free one) while it stays
// plugged in; an index whose controller is gone reads as not answering.
class SdlGamepadSource : public GamepadSource {
 public:
  SdlGamepadSource() = default;
  ~SdlGamepadSource() override;
  SdlGamepadSource(const SdlGamepadSource&) = delete;
  SdlGamepadSource& operator=(const SdlGamepadSource&) = delete;

  GamepadReadings Read() override;
  // Once SDL is set up (here or for a virtual pad), Read itself is cheap; before, a pad shows
  // as a joystick node of the input layer (jsN, or udev's "-joystick" links).
  bool MayHavePads() override;

 private:
  void DropUnplugged();
  void AdoptNewControllers();
  int FreeIndexFor(int playerIndex) const;

  enum class Setup { kNotYet, kReady, kFailed };
  Setup setup_ = Setup::kNotYet;
  std::array<_SDL_GameController*, kGamepadCount> pads_{};
  std::array<std::int32_t, kGamepadCount> instanceIds_{};
};

// Starts SDL's game-controller subsystem the way this program needs it (no video, SDL's own
// HID drivers off, no signal handlers). Counted: each true result needs one StopSdlGamepads.
bool StartSdlGamepads();
void StopSdlGamepads();
