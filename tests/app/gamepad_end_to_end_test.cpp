#include <gtest/gtest.h>

#include "config/controller_device.h"
#include "keys/sdl_gamepad_source.h"
#include "keys/sdl_virtual_pad.h"
#include "tests/app/app_test_env.h"
#include "ui/paint_manager.h"

namespace {

// A pad that exists only in SDL, read through the program's own SDL source and window timer.
TEST(GamepadEndToEndTest, APressedOnAPadReachesTheControllerThroughSave) {
  AppTestEnv env;
  SdlVirtualPad pad;
  ASSERT_TRUE(pad.Attached());
  SdlGamepadSource gamepads;
  auto window = env.MakeWindow();
  window->SetGamepadSource(&gamepads);
  window->HandleMessage(WM_SETFOCUS, 0, 0);
  Click(*window, window->backKeyBtn);
  window->selectedSlot = 25;

  pad.SetButton(SDL_CONTROLLER_BUTTON_A, true);
  EXPECT_EQ(RunLoopFor(100), 99);
  pad.SetButton(SDL_CONTROLLER_BUTTON_A, false);
  EXPECT_EQ(RunLoopFor(50), 99);
  EXPECT_EQ(Attr(*window, "BackKeySet1Btn", "bkimage"), "Rocker_A.png");
  EXPECT_EQ(Attr(*window, "BackKeyTimeCombo1", "enabled"), "true");

  ControllerDevice& device = TheControllerDevice();
  ASSERT_TRUE(device.WriteSettings(device.handle.get()));
  EXPECT_EQ(env.emulator->Word(25), 0xFF05);
}

}  // namespace
