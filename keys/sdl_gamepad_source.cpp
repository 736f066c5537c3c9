// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/sdl_gamepad_source.h"

#include <SDL.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "keynumbers/key_constants.h"
#include "keys/sdl_library.h"

namespace {
// The controller's configuration interface is a hidraw node this program talks to itself;
// SDL's HID drivers would open it too, so SDL reads gamepads only through the input layer.
void SetSdlHints() {
  Sdl().SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
  // Interrupts and termination belong to the toolkit, not to SDL.
  Sdl().SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
}

struct ButtonBit {
  SDL_GameControllerButton button;
  std::uint16_t bit;
};
constexpr ButtonBit kButtonBits[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_UP, padbutton::kDpadUp},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, padbutton::kDpadDown},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, padbutton::kDpadLeft},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, padbutton::kDpadRight},
    {SDL_CONTROLLER_BUTTON_START, padbutton::kStart},
    {SDL_CONTROLLER_BUTTON_BACK, padbutton::kBack},
    {SDL_CONTROLLER_BUTTON_LEFTSTICK, padbutton::kLeftThumb},
    {SDL_CONTROLLER_BUTTON_RIGHTSTICK, padbutton::kRightThumb},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, padbutton::kLeftShoulder},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, padbutton::kRightShoulder},
    {SDL_CONTROLLER_BUTTON_GUIDE, padbutton::kHome},
    {SDL_CONTROLLER_BUTTON_A, padbutton::kA},
    {SDL_CONTROLLER_BUTTON_B, padbutton::kB},
    {SDL_CONTROLLER_BUTTON_X, padbutton::kX},
    {SDL_CONTROLLER_BUTTON_Y, padbutton::kY},
};

// SDL's triggers run 0..32767; ours 0..255, rounded.
std::uint8_t TriggerValue(Sint16 sdlValue) {
  const int value = std::clamp<int>(sdlValue, 0, 32767);
  return static_cast<std::uint8_t>((value * 255 + 16383) / 32767);
}

// SDL's Y grows downward; ours upward. Full up (-32768) has no positive twin in 16 bits.
std::int16_t UpwardY(Sint16 sdlValue) {
  return static_cast<std::int16_t>(std::min(-static_cast<int>(sdlValue), 32767));
}

GamepadState StateOf(SDL_GameController* pad) {
  GamepadState state;
  for (const ButtonBit& entry : kButtonBits) {
    if (Sdl().GameControllerGetButton(pad, entry.button) != 0) state.buttons |= entry.bit;
  }
  state.leftTrigger =
      TriggerValue(Sdl().GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERLEFT));
  state.rightTrigger =
      TriggerValue(Sdl().GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT));
  state.leftX = Sdl().GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
  state.leftY = UpwardY(Sdl().GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY));
  state.rightX = Sdl().GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_RIGHTX);
  state.rightY = UpwardY(Sdl().GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_RIGHTY));
  return state;
}

// Any entry of `folder` whose name starts with `prefix` or ends with `suffix`; an unreadable
// or missing folder has none.
bool AnyEntry(const char* folder, const std::string& prefix, const std::string& suffix) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (!prefix.empty() && name.rfind(prefix, 0) == 0) return true;
    if (!suffix.empty() && name.size() >= suffix.size() &&
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
      return true;
    }
  }
  return false;
}
}  // namespace

// StartSdlGamepads calls not yet ended by StopSdlGamepads, in this process.
static int sdlStarts = 0;

bool StartSdlGamepads() {
  if (LoadSdl() == nullptr) return false;
  SetSdlHints();
  if (Sdl().InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return false;
  ++sdlStarts;
  // Nobody drains SDL's event queue: keep device and input events out of it. The device list
  // itself still follows plugging when the controllers are updated.
  Sdl().GameControllerEventState(SDL_IGNORE);
  Sdl().JoystickEventState(SDL_IGNORE);
  return true;
}

void StopSdlGamepads() {
  --sdlStarts;
  Sdl().QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

SdlGamepadSource::~SdlGamepadSource() {
  if (setup_ != Setup::kReady) return;
  for (SDL_GameController* pad : pads_) {
    if (pad != nullptr) Sdl().GameControllerClose(pad);
  }
  StopSdlGamepads();
}

GamepadReadings SdlGamepadSource::Read() {
  // Set up once; a machine where SDL cannot start simply has no gamepads.
  if (setup_ == Setup::kNotYet) setup_ = StartSdlGamepads() ? Setup::kReady : Setup::kFailed;
  GamepadReadings readings;
  if (setup_ != Setup::kReady) return readings;

  Sdl().GameControllerUpdate();
  DropUnplugged();
  AdoptNewControllers();
  for (std::size_t index = 0; index < pads_.size(); ++index) {
    if (pads_[index] != nullptr) readings[index] = StateOf(pads_[index]);
  }
  return readings;
}

bool SdlGamepadSource::MayHavePads() {
  if (setup_ != Setup::kNotYet) return setup_ == Setup::kReady;
  // Already loaded for something else (a pad that exists only inside SDL): reading is cheap.
  if (sdlStarts > 0) return true;
  return AnyEntry("/sys/class/input", "js", "") || AnyEntry("/dev/input/by-id", "", "joystick") ||
         AnyEntry("/dev/input/by-path", "", "joystick");
}

void SdlGamepadSource::DropUnplugged() {
  for (SDL_GameController*& pad : pads_) {
    if (pad != nullptr && Sdl().GameControllerGetAttached(pad) == SDL_FALSE) {
      Sdl().GameControllerClose(pad);
      pad = nullptr;
    }
  }
}

void SdlGamepadSource::AdoptNewControllers() {
  const int count = Sdl().NumJoysticks();
  for (int device = 0; device < count; ++device) {
    const SDL_JoystickID id = Sdl().JoystickGetDeviceInstanceID(device);
    bool known = false;
    for (std::size_t index = 0; index < pads_.size(); ++index) {
      known = known || (pads_[index] != nullptr && instanceIds_[index] == id);
    }
    if (known || Sdl().IsGameController(device) == SDL_FALSE) continue;
    const int index = FreeIndexFor(Sdl().JoystickGetDevicePlayerIndex(device));
    if (index < 0) return;  // four controllers already: later ones wait for a free index
    SDL_GameController* pad = Sdl().GameControllerOpen(device);
    if (pad == nullptr) continue;
    pads_[static_cast<std::size_t>(index)] = pad;
    instanceIds_[static_cast<std::size_t>(index)] = id;
  }
}

int SdlGamepadSource::FreeIndexFor(int playerIndex) const {
  if (playerIndex >= 0 && playerIndex < kGamepadCount &&
      pads_[static_cast<std::size_t>(playerIndex)] == nullptr) {
    return playerIndex;
  }
  for (int index = 0; index < kGamepadCount; ++index) {
    if (pads_[static_cast<std::size_t>(index)] == nullptr) return index;
  }
  return -1;
}
