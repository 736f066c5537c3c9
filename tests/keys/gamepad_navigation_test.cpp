// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/gamepad_navigation.h"

#include <gtest/gtest.h>

namespace {

GamepadReadings One(std::uint16_t buttons, std::int16_t leftX = 0, std::int16_t leftY = 0) {
  GamepadReadings readings;
  GamepadState state;
  state.buttons = buttons;
  state.leftX = leftX;
  state.leftY = leftY;
  readings[0] = state;
  return readings;
}

using Commands = std::vector<PadCommand>;

TEST(GamepadNavigationTest, DirectionsRepeatWhileHeldAndButtonsCountWhenTheyGoDown) {
  GamepadNavigation navigation;
  // A held as the poll starts was pressed for something else: nothing, and nothing on its
  // release either.
  EXPECT_EQ(navigation.Next(One(0x1000)), Commands{});
  EXPECT_EQ(navigation.Next(One(0)), Commands{});
  EXPECT_EQ(navigation.Next(One(0x1000)), Commands{PadCommand::kActivate});
  EXPECT_EQ(navigation.Next(One(0x1000)), Commands{});  // still held
  EXPECT_EQ(navigation.Next(One(0x2000)), Commands{PadCommand::kBack});

  // D-pad right held: once at once, then at polls 40, 52, 64 of holding it.
  std::vector<int> polls;
  for (int poll = 0; poll <= 70; ++poll) {
    if (navigation.Next(One(0x0008)) == Commands{PadCommand::kRight}) polls.push_back(poll);
  }
  EXPECT_EQ(polls, (std::vector<int>{0, 40, 52, 64}));

  // The left stick from half its travel; the axis pushed further wins; Y is positive up.
  EXPECT_EQ(navigation.Next(One(0, 16383, 0)), Commands{});
  EXPECT_EQ(navigation.Next(One(0, 0, 20000)), Commands{PadCommand::kUp});
  EXPECT_EQ(navigation.Next(One(0, -30000, -20000)), Commands{PadCommand::kLeft});
  EXPECT_EQ(navigation.Next(One(0, -10000, -20000)), Commands{PadCommand::kDown});
  // The D-pad wins over the stick, and A comes in the same poll.
  EXPECT_EQ(navigation.Next(One(0x1001, -10000, -20000)),
            (Commands{PadCommand::kUp, PadCommand::kActivate}));

  // Two pads: their buttons together, and the stick of the first one that is pushed.
  GamepadReadings two;
  two[1] = One(0x2000, 0, 0)[0];
  two[3] = One(0, 32767, 0)[0];
  navigation.Restart();
  EXPECT_EQ(navigation.Next(GamepadReadings{}), Commands{});
  EXPECT_EQ(navigation.Next(two), (Commands{PadCommand::kRight, PadCommand::kBack}));
}

}  // namespace
