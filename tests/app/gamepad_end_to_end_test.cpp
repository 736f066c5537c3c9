// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "keys/sdl_gamepad_source.h"
#include "keys/sdl_virtual_pad.h"
#include "tests/app/app_test_env.h"
#include "ui/paint_manager.h"

namespace {

// A pad that exists only in SDL, read through the program's own SDL source on the window's
// own timer, from the click that arms a step to the controller's memory after Save.
TEST(GamepadEndToEndTest, APressedOnAPadIsSavedAndEnablesTheDelayAfterItsStep) {
  AppTestEnv env;
  env.emulator->SetWord(25, 0);
  env.emulator->SetWord(26, 0);
  SdlVirtualPad pad;
  ASSERT_TRUE(pad.Attached());
  SdlGamepadSource gamepads;
  auto window = env.MakeWindow();
  window->SetGamepadSource(&gamepads);
  window->Deliver(ui::FocusChange::kGained);
  Click(*window, Control(*window, "BackKeybtn"));
  Click(*window, Control(*window, "BackKeySet1Btn"));
  ASSERT_EQ(window->SelectedSlot(), 25u);
  EXPECT_EQ(RunLoopFor(50), 99);
  EXPECT_EQ(Attr(*window, "BackKeyTimeCombo1", "enabled"), "false");

  pad.SetButton(SDL_CONTROLLER_BUTTON_A, true);
  EXPECT_EQ(RunLoopFor(100), 99);
  pad.SetButton(SDL_CONTROLLER_BUTTON_A, false);
  EXPECT_EQ(RunLoopFor(30), 99);
  EXPECT_EQ(Attr(*window, "BackKeySet1Btn", "bkimage"), "Rocker_A.png");
  EXPECT_EQ(env.emulator->Word(25), 0);  // nothing is sent before Save

  Click(*window, Control(*window, "Savebtn"));
  ASSERT_EQ(env.boxes.size(), 1u);
  EXPECT_EQ(env.boxes[0].text, "Saved successfully !");
  EXPECT_EQ(env.emulator->Word(25), 0xFF05);
  // The reload enables every selector; the next ticks settle them from the steps again.
  EXPECT_EQ(RunLoopFor(50), 99);
  EXPECT_EQ(Attr(*window, "BackKeyTimeCombo1", "enabled"), "true");
  EXPECT_EQ(Attr(*window, "BackKeyTimeCombo2", "enabled"), "false");
}

}  // namespace
