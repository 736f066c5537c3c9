// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "keys/gamepad_capture.h"

namespace {

using Captured = std::vector<std::pair<KeyCode, QString>>;

Captured CapturesOf(const GamepadState& state) {
  TranslationTable table;
  FillKeyTranslationTable(table);
  Captured result;
  for (const GamepadCapture& capture : GamepadCaptures(state, table)) {
    result.emplace_back(capture.code, capture.picture);
  }
  return result;
}

GamepadState Sticks(int lx, int ly, int rx, int ry) {
  GamepadState state;
  state.leftX = static_cast<std::int16_t>(lx);
  state.leftY = static_cast<std::int16_t>(ly);
  state.rightX = static_cast<std::int16_t>(rx);
  state.rightY = static_cast<std::int16_t>(ry);
  return state;
}

TEST(GamepadCaptureTest, EachButtonAloneAndNothingForOtherWords) {
  const struct {
    std::uint16_t buttons;
    KeyCode code;
    const char* picture;
  } kButtons[] = {
      {0x0001, 0xFF01, "Handle_Up.png"},   {0x0002, 0xFF02, "Handle_Down.png"},
      {0x0004, 0xFF03, "Handle_Left.png"}, {0x0008, 0xFF04, "Handle_Right.png"},
      {0x0010, 0xFF0F, "START.png"},       {0x0020, 0xFF10, "BACK.png"},
      {0x0040, 0xFF0D, "L3.png"},          {0x0080, 0xFF0E, "R3.png"},
      {0x0100, 0xFF12, "L1.png"},          {0x0200, 0xFF13, "R1.png"},
      {0x0400, 0xFF11, "Home.png"},        {0x1000, 0xFF05, "Rocker_A.png"},
      {0x2000, 0xFF06, "Rocker_B.png"},    {0x4000, 0xFF07, "Rocker_X.png"},
      {0x8000, 0xFF08, "Rocker_Y.png"},
  };
  for (const auto& button : kButtons) {
    GamepadState state;
    state.buttons = button.buttons;
    EXPECT_EQ(CapturesOf(state), (Captured{{button.code, button.picture}})) << button.buttons;
  }
  // No button, two at once (A and B), and the two bits no input uses.
  for (std::uint16_t word : {std::uint16_t{0x0000}, std::uint16_t{0x3000}, std::uint16_t{0x0011},
                             std::uint16_t{0x0800}, std::uint16_t{0x0C00}}) {
    GamepadState state;
    state.buttons = word;
    EXPECT_TRUE(CapturesOf(state).empty()) << word;
  }
}

TEST(GamepadCaptureTest, SticksNeedMoreThan4096AndXDecidesFirst) {
  EXPECT_TRUE(CapturesOf(Sticks(-4096, 4096, 4096, -4096)).empty());
  EXPECT_TRUE(CapturesOf(Sticks(0, 0, 0, 0)).empty());
  EXPECT_EQ(CapturesOf(Sticks(-4097, 0, 0, 0)), (Captured{{0xFF0B, "RockerL_Left.png"}}));
  EXPECT_EQ(CapturesOf(Sticks(4097, 0, 0, 0)), (Captured{{0xFF0C, "RockerL_Right.png"}}));
  EXPECT_EQ(CapturesOf(Sticks(0, -4097, 0, 0)), (Captured{{0xFF0A, "RockerL_Down.png"}}));
  EXPECT_EQ(CapturesOf(Sticks(4096, 4097, 0, 0)), (Captured{{0xFF09, "RockerL_Up.png"}}));
  EXPECT_EQ(CapturesOf(Sticks(0, 0, -32768, 0)), (Captured{{0xFF18, "RockerR_Left.png"}}));
  EXPECT_EQ(CapturesOf(Sticks(0, 0, 32767, 0)), (Captured{{0xFF19, "RockerR_Right.png"}}));
  EXPECT_EQ(CapturesOf(Sticks(0, 0, 0, -32768)), (Captured{{0xFF17, "RockerR_Down.png"}}));
  EXPECT_EQ(CapturesOf(Sticks(0, 0, -4096, 32767)), (Captured{{0xFF16, "RockerR_Up.png"}}));
  // Pushed up and to the right: only right, on either stick.
  EXPECT_EQ(CapturesOf(Sticks(20000, 20000, 0, 0)), (Captured{{0xFF0C, "RockerL_Right.png"}}));
  EXPECT_EQ(CapturesOf(Sticks(0, 0, 20000, 20000)), (Captured{{0xFF19, "RockerR_Right.png"}}));
}

TEST(GamepadCaptureTest, TriggersNeedMoreThan32) {
  GamepadState state;
  state.leftTrigger = 32;
  state.rightTrigger = 32;
  EXPECT_TRUE(CapturesOf(state).empty());
  state.leftTrigger = 33;
  EXPECT_EQ(CapturesOf(state), (Captured{{0xFF14, "L2.png"}}));
  state.leftTrigger = 0;
  state.rightTrigger = 255;
  EXPECT_EQ(CapturesOf(state), (Captured{{0xFF15, "R2.png"}}));
}

TEST(GamepadCaptureTest, EverythingAtOnceComesInApplyingOrder) {
  // Y held with the left stick right: the stick comes later and so wins the slot.
  GamepadState state = Sticks(20000, 0, 0, 9000);
  state.buttons = 0x8000;
  state.leftTrigger = 200;
  state.rightTrigger = 33;
  const Captured expected{{0xFF08, "Rocker_Y.png"},
                          {0xFF0C, "RockerL_Right.png"},
                          {0xFF16, "RockerR_Up.png"},
                          {0xFF14, "L2.png"},
                          {0xFF15, "R2.png"}};
  EXPECT_EQ(CapturesOf(state), expected);
}

TEST(GamepadCaptureTest, AnInputTheTableCannotTranslateCapturesNothing) {
  TranslationTable empty{};
  GamepadState state = Sticks(-30000, 0, 30000, 0);
  state.buttons = 0x1000;
  state.leftTrigger = 255;
  EXPECT_TRUE(GamepadCaptures(state, empty).empty());
}

}  // namespace
