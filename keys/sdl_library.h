// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

// The parts of SDL this program calls, found in the shared library when gamepads are first
// wanted. Linked directly, SDL and the sound, codec and system libraries it depends on would be
// loaded, relocated and kept resident from the program's first instant, though only the
// rear-button page ever reads a gamepad.
struct SdlLibrary {
  decltype(&SDL_SetHint) SetHint;
  decltype(&SDL_InitSubSystem) InitSubSystem;
  decltype(&SDL_QuitSubSystem) QuitSubSystem;
  decltype(&SDL_GameControllerEventState) GameControllerEventState;
  decltype(&SDL_JoystickEventState) JoystickEventState;
  decltype(&SDL_GameControllerUpdate) GameControllerUpdate;
  decltype(&SDL_GameControllerOpen) GameControllerOpen;
  decltype(&SDL_GameControllerClose) GameControllerClose;
  decltype(&SDL_GameControllerGetAttached) GameControllerGetAttached;
  decltype(&SDL_GameControllerGetButton) GameControllerGetButton;
  decltype(&SDL_GameControllerGetAxis) GameControllerGetAxis;
  decltype(&SDL_IsGameController) IsGameController;
  decltype(&SDL_NumJoysticks) NumJoysticks;
  decltype(&SDL_JoystickNameForIndex) JoystickNameForIndex;
  decltype(&SDL_JoystickGetDeviceInstanceID) JoystickGetDeviceInstanceID;
  decltype(&SDL_JoystickGetDevicePlayerIndex) JoystickGetDevicePlayerIndex;
  decltype(&SDL_JoystickOpen) JoystickOpen;
  decltype(&SDL_JoystickClose) JoystickClose;
  decltype(&SDL_JoystickAttachVirtualEx) JoystickAttachVirtualEx;
  decltype(&SDL_JoystickDetachVirtual) JoystickDetachVirtual;
  decltype(&SDL_JoystickSetVirtualAxis) JoystickSetVirtualAxis;
  decltype(&SDL_JoystickSetVirtualButton) JoystickSetVirtualButton;
};

// SDL, loaded on the first call and kept; null when the library or one of its functions is
// missing (the machine then simply has no gamepads). Not for use from more than one thread.
const SdlLibrary* LoadSdl();

// The loaded library; only where a LoadSdl() call has already given one (every SDL call here
// follows a successful StartSdlGamepads).
const SdlLibrary& Sdl();
