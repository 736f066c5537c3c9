// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/sdl_library.h"

#include <dlfcn.h>

namespace {

// The runtime library's name, as SDL2's Debian package installs it.
constexpr const char* kSdlLibraryName = "libSDL2-2.0.so.0";

template <typename Function>
bool Resolve(void* library, const char* name, Function* function) {
  void* symbol = dlsym(library, name);
  if (symbol == nullptr) return false;
  // dlsym hands functions out as object pointers; POSIX guarantees the round trip.
  *function = reinterpret_cast<Function>(symbol);
  return true;
}

bool ResolveAll(void* library, SdlLibrary* sdl) {
  return Resolve(library, "SDL_SetHint", &sdl->SetHint) &&
         Resolve(library, "SDL_InitSubSystem", &sdl->InitSubSystem) &&
         Resolve(library, "SDL_QuitSubSystem", &sdl->QuitSubSystem) &&
         Resolve(library, "SDL_GameControllerEventState", &sdl->GameControllerEventState) &&
         Resolve(library, "SDL_JoystickEventState", &sdl->JoystickEventState) &&
         Resolve(library, "SDL_GameControllerUpdate", &sdl->GameControllerUpdate) &&
         Resolve(library, "SDL_GameControllerOpen", &sdl->GameControllerOpen) &&
         Resolve(library, "SDL_GameControllerClose", &sdl->GameControllerClose) &&
         Resolve(library, "SDL_GameControllerGetAttached", &sdl->GameControllerGetAttached) &&
         Resolve(library, "SDL_GameControllerGetButton", &sdl->GameControllerGetButton) &&
         Resolve(library, "SDL_GameControllerGetAxis", &sdl->GameControllerGetAxis) &&
         Resolve(library, "SDL_IsGameController", &sdl->IsGameController) &&
         Resolve(library, "SDL_NumJoysticks", &sdl->NumJoysticks) &&
         Resolve(library, "SDL_JoystickNameForIndex", &sdl->JoystickNameForIndex) &&
         Resolve(library, "SDL_JoystickGetDeviceInstanceID", &sdl->JoystickGetDeviceInstanceID) &&
         Resolve(library, "SDL_JoystickGetDevicePlayerIndex", &sdl->JoystickGetDevicePlayerIndex) &&
         Resolve(library, "SDL_JoystickOpen", &sdl->JoystickOpen) &&
         Resolve(library, "SDL_JoystickClose", &sdl->JoystickClose) &&
         Resolve(library, "SDL_JoystickAttachVirtualEx", &sdl->JoystickAttachVirtualEx) &&
         Resolve(library, "SDL_JoystickDetachVirtual", &sdl->JoystickDetachVirtual) &&
         Resolve(library, "SDL_JoystickSetVirtualAxis", &sdl->JoystickSetVirtualAxis) &&
         Resolve(library, "SDL_JoystickSetVirtualButton", &sdl->JoystickSetVirtualButton);
}

}  // namespace

const SdlLibrary* LoadSdl() {
  enum class State { kNotYet, kLoaded, kMissing };
  static State state = State::kNotYet;
  static SdlLibrary sdl{};
  if (state == State::kNotYet) {
    // Kept open for the rest of the process: SDL's own threads may still run code from it.
    void* library = dlopen(kSdlLibraryName, RTLD_NOW | RTLD_LOCAL);
    state = library != nullptr && ResolveAll(library, &sdl) ? State::kLoaded : State::kMissing;
  }
  return state == State::kLoaded ? &sdl : nullptr;
}

const SdlLibrary& Sdl() {
  return *LoadSdl();
}
