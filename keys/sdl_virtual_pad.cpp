// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/sdl_virtual_pad.h"

#include <algorithm>

#include "keys/sdl_gamepad_source.h"
#include "keys/sdl_library.h"

namespace {
// A virtual trigger axis covers -32768..32767 while the game-controller layer reports it
// as 0..32767, so released is -32768.
Sint16 VirtualTriggerValue(Sint16 value) {
  return static_cast<Sint16>(std::clamp(2 * static_cast<int>(value) - 32768, -32768, 32767));
}
}  // namespace

SdlVirtualPad::SdlVirtualPad() {
  started_ = StartSdlGamepads();
  if (!started_) return;
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX;
  desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
  desc.name = "PadControls virtual pad";
  const int device = Sdl().JoystickAttachVirtualEx(&desc);
  if (device < 0) return;
  id_ = Sdl().JoystickGetDeviceInstanceID(device);
  joystick_ = Sdl().JoystickOpen(device);
  if (joystick_ == nullptr) {
    Sdl().JoystickDetachVirtual(device);
    return;
  }
  SetTrigger(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0);
  SetTrigger(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0);
}

SdlVirtualPad::~SdlVirtualPad() {
  if (joystick_ != nullptr) {
    Sdl().JoystickClose(joystick_);
    // Device numbers shift as pads come and go: find ours by its instance.
    for (int device = 0; device < Sdl().NumJoysticks(); ++device) {
      if (Sdl().JoystickGetDeviceInstanceID(device) == id_) {
        Sdl().JoystickDetachVirtual(device);
        break;
      }
    }
  }
  if (started_) StopSdlGamepads();
}

void SdlVirtualPad::SetButton(SDL_GameControllerButton button, bool down) {
  if (joystick_ != nullptr) Sdl().JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
}

void SdlVirtualPad::SetStick(SDL_GameControllerAxis axis, Sint16 value) {
  if (joystick_ != nullptr) Sdl().JoystickSetVirtualAxis(joystick_, axis, value);
}

void SdlVirtualPad::SetTrigger(SDL_GameControllerAxis axis, Sint16 value) {
  if (joystick_ != nullptr)
    Sdl().JoystickSetVirtualAxis(joystick_, axis, VirtualTriggerValue(value));
}
