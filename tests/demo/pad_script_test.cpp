// SPDX-License-Identifier: GPL-3.0-or-later
#include "demo/pad_script.h"

#include <gtest/gtest.h>

namespace {

TEST(PadScriptTest, ReadsSdlNamesAndRangesAndExplainsEveryBadLine) {
  std::string error;
  auto press = ParsePadScriptLine("press dpleft", &error);
  ASSERT_TRUE(press);
  EXPECT_EQ(press->kind, PadScriptLine::Kind::kButton);
  EXPECT_EQ(press->button, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
  EXPECT_TRUE(press->down);
  auto release = ParsePadScriptLine("  release   rightshoulder ", &error);
  ASSERT_TRUE(release);
  EXPECT_EQ(release->button, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
  EXPECT_FALSE(release->down);
  auto stick = ParsePadScriptLine("axis lefty -32768", &error);
  ASSERT_TRUE(stick);
  EXPECT_EQ(stick->kind, PadScriptLine::Kind::kStick);
  EXPECT_EQ(stick->axis, SDL_CONTROLLER_AXIS_LEFTY);
  EXPECT_EQ(stick->value, -32768);
  auto trigger = ParsePadScriptLine("axis righttrigger 32767", &error);
  ASSERT_TRUE(trigger);
  EXPECT_EQ(trigger->kind, PadScriptLine::Kind::kTrigger);
  EXPECT_EQ(trigger->axis, SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
  EXPECT_EQ(trigger->value, 32767);
  EXPECT_EQ(ParsePadScriptLine("", &error)->kind, PadScriptLine::Kind::kNothing);
  EXPECT_EQ(ParsePadScriptLine("# a comment", &error)->kind, PadScriptLine::Kind::kNothing);

  const std::pair<const char*, const char*> bad[] = {
      {"press", "press takes one button name"},
      {"press a b", "press takes one button name"},
      {"press A", "unknown button: A"},
      {"press paddle1", "unknown button: paddle1"},
      {"axis leftx", "axis takes an axis name and a value"},
      {"axis leftx 32768", "leftx takes a whole number from -32768 to 32767, not 32768"},
      {"axis lefttrigger -1", "lefttrigger takes a whole number from 0 to 32767, not -1"},
      {"axis rightx 1.5", "rightx takes a whole number from -32768 to 32767, not 1.5"},
      {"axis rightx -", "rightx takes a whole number from -32768 to 32767, not -"},
      {"axis wheel 3", "unknown axis: wheel"},
      {"tap a", "unknown command: tap (press, release or axis)"},
  };
  for (const auto& [line, message] : bad) {
    error.clear();
    EXPECT_FALSE(ParsePadScriptLine(line, &error)) << line;
    EXPECT_EQ(error, message) << line;
  }
}

}  // namespace
