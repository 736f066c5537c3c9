// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

// A gamepad that exists only inside SDL: for the demo, the tests and the benchmarks, where
// no real pad is plugged in. Attached on construction (Attached() tells whether that
// worked), detached on destruction; it starts at rest with both triggers released.
class SdlVirtualPad {
 public:
  SdlVirtualPad();
  ~SdlVirtualPad();
  SdlVirtualPad(const SdlVirtualPad&) = delete;
  SdlVirtualPad& operator=(const SdlVirtualPad&) = delete;

  bool Attached() const { return joystick_ != nullptr; }
  void SetButton(SDL_GameControllerButton button, bool down);
  // Sticks in SDL's terms: -32768..32767, Y negative upward.
  void SetStick(SDL_GameControllerAxis axis, Sint16 value);
  // A trigger as SDL's game-controller layer reports it, 0..32767 (give or take one: SDL
  // rescales the virtual axis).
  void SetTrigger(SDL_GameControllerAxis axis, Sint16 value);

 private:
  bool started_ = false;
  SDL_Joystick* joystick_ = nullptr;
  SDL_JoystickID id_ = -1;
};
