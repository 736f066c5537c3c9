// SPDX-License-Identifier: GPL-3.0-or-later
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "keys/sdl_gamepad_source.h"
#include "keys/sdl_virtual_pad.h"

namespace {

std::size_t ThreadCount() {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry :
       std::filesystem::directory_iterator("/proc/self/task")) {
    ++count;
  }
  return count;
}

GamepadState StateAt(SdlGamepadSource& source, std::size_t index) {
  const GamepadReadings readings = source.Read();
  EXPECT_TRUE(readings[index].has_value()) << "index " << index;
  return readings[index].value_or(GamepadState{});
}

TEST(SdlGamepadSourceTest, EveryButtonTriggerAndAxisOfTwoPadsArrivesInOurTerms) {
  const std::size_t threadsBefore = ThreadCount();
  SdlGamepadSource source;
  for (const auto& reading : source.Read()) EXPECT_FALSE(reading.has_value());

  SdlVirtualPad first, second;
  ASSERT_TRUE(first.Attached());
  ASSERT_TRUE(second.Attached());
  GamepadReadings readings = source.Read();
  ASSERT_TRUE(readings[0].has_value());
  ASSERT_TRUE(readings[1].has_value());
  EXPECT_FALSE(readings[2].has_value());
  EXPECT_FALSE(readings[3].has_value());
  // At rest: nothing pressed, triggers released, sticks centred.
  EXPECT_EQ(readings[0]->buttons, 0);
  EXPECT_EQ(readings[0]->leftTrigger, 0);
  EXPECT_EQ(readings[0]->rightTrigger, 0);
  EXPECT_EQ(readings[0]->leftY, 0);

  const struct {
    SDL_GameControllerButton button;
    std::uint16_t bit;
  } kButtons[] = {
      {SDL_CONTROLLER_BUTTON_DPAD_UP, 0x0001},
      {SDL_CONTROLLER_BUTTON_DPAD_DOWN, 0x0002},
      {SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0x0004},
      {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0x0008},
      {SDL_CONTROLLER_BUTTON_START, 0x0010},
      {SDL_CONTROLLER_BUTTON_BACK, 0x0020},
      {SDL_CONTROLLER_BUTTON_LEFTSTICK, 0x0040},
      {SDL_CONTROLLER_BUTTON_RIGHTSTICK, 0x0080},
      {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, 0x0100},
      {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, 0x0200},
      {SDL_CONTROLLER_BUTTON_GUIDE, 0x0400},
      {SDL_CONTROLLER_BUTTON_A, 0x1000},
      {SDL_CONTROLLER_BUTTON_B, 0x2000},
      {SDL_CONTROLLER_BUTTON_X, 0x4000},
      {SDL_CONTROLLER_BUTTON_Y, 0x8000},
      {SDL_CONTROLLER_BUTTON_MISC1, 0x0000},
      {SDL_CONTROLLER_BUTTON_PADDLE1, 0x0000},
      {SDL_CONTROLLER_BUTTON_TOUCHPAD, 0x0000},
  };
  // The second pad holds A throughout: what one pad does never shows on the other.
  second.SetButton(SDL_CONTROLLER_BUTTON_A, true);
  for (const auto& entry : kButtons) {
    first.SetButton(entry.button, true);
    readings = source.Read();
    EXPECT_EQ(readings[0]->buttons, entry.bit) << "SDL button " << entry.button;
    EXPECT_EQ(readings[1]->buttons, 0x1000);
    first.SetButton(entry.button, false);
  }
  first.SetButton(SDL_CONTROLLER_BUTTON_A, true);
  first.SetButton(SDL_CONTROLLER_BUTTON_B, true);
  EXPECT_EQ(StateAt(source, 0).buttons, 0x3000);

  first.SetTrigger(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767);
  first.SetTrigger(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 16383);
  GamepadState state = StateAt(source, 0);
  EXPECT_EQ(state.leftTrigger, 255);
  EXPECT_EQ(state.rightTrigger, 127);

  // SDL's Y grows downward; full up must not overflow when turned round.
  first.SetStick(SDL_CONTROLLER_AXIS_LEFTX, -32768);
  first.SetStick(SDL_CONTROLLER_AXIS_LEFTY, -32768);
  first.SetStick(SDL_CONTROLLER_AXIS_RIGHTX, 32767);
  first.SetStick(SDL_CONTROLLER_AXIS_RIGHTY, 32767);
  state = StateAt(source, 0);
  EXPECT_EQ(state.leftX, -32768);
  EXPECT_EQ(state.leftY, 32767);
  EXPECT_EQ(state.rightX, 32767);
  EXPECT_EQ(state.rightY, -32767);
  const GamepadState other = StateAt(source, 1);
  EXPECT_EQ(other.leftX, 0);
  EXPECT_EQ(other.leftTrigger, 0);

  // SDL works only when asked: no thread of its own.
  EXPECT_EQ(ThreadCount(), threadsBefore);
}

TEST(SdlGamepadSourceTest, PadsKeepTheirIndexWhileOthersComeAndGo) {
  SdlGamepadSource source;
  auto first = std::make_unique<SdlVirtualPad>();
  SdlVirtualPad second;
  second.SetButton(SDL_CONTROLLER_BUTTON_B, true);
  GamepadReadings readings = source.Read();
  ASSERT_TRUE(readings[0].has_value());
  ASSERT_TRUE(readings[1].has_value());
  EXPECT_EQ(readings[1]->buttons, 0x2000);

  first.reset();  // unplugged while the window is open
  readings = source.Read();
  EXPECT_FALSE(readings[0].has_value());
  ASSERT_TRUE(readings[1].has_value());
  EXPECT_EQ(readings[1]->buttons, 0x2000);

  SdlVirtualPad third;  // plugged in: takes the free index
  third.SetButton(SDL_CONTROLLER_BUTTON_X, true);
  readings = source.Read();
  ASSERT_TRUE(readings[0].has_value());
  EXPECT_EQ(readings[0]->buttons, 0x4000);
  EXPECT_EQ(readings[1]->buttons, 0x2000);
  EXPECT_FALSE(readings[2].has_value());
}

bool SdlLoaded() {
  void* library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_NOLOAD);
  if (library == nullptr) return false;
  dlclose(library);
  return true;
}

// SDL and the libraries it pulls in stay out of the process until a gamepad is first read.
TEST(SdlGamepadSourceTest, SdlIsLoadedOnlyByTheFirstRead) {
  ASSERT_FALSE(SdlLoaded());
  SdlGamepadSource source;
  EXPECT_FALSE(SdlLoaded());
  source.Read();
  EXPECT_TRUE(SdlLoaded());
}

}  // namespace
