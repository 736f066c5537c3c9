// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "settings/edit_merge.h"
#include "settings/key_kinds.h"
#include "settings/record_rules.h"
#include "settings/setting_table.h"
#include "settings/setting_values.h"

namespace {

using settings::FindSetting;
using settings::Refusal;

const settings::Setting& Named(const char* name) {
  const settings::Setting* setting = FindSetting(name);
  EXPECT_NE(setting, nullptr) << name;
  return *setting;
}

ControllerConfig Defaults() {
  ControllerConfig config;
  config.LoadDefaults();
  return config;
}

TEST(SettingsCore, StepsAndDelaysMapToTheirSlots) {
  EXPECT_EQ(settings::StepSlot(1), 25);
  EXPECT_EQ(settings::StepSlot(4), 28);
  EXPECT_EQ(settings::StepSlot(5), 29);
  EXPECT_EQ(settings::StepSlot(8), 32);
  EXPECT_EQ(settings::StepSlot(0), -1);
  EXPECT_EQ(settings::StepSlot(9), -1);
  EXPECT_EQ(settings::DelaySelectorSlot(1), 40);
  EXPECT_EQ(settings::DelaySelectorSlot(3), 42);
  EXPECT_EQ(settings::DelaySelectorSlot(4), 44);
  EXPECT_EQ(settings::DelaySelectorSlot(6), 46);
  EXPECT_EQ(settings::DelaySelectorSlot(7), -1);
  EXPECT_EQ(Named("r4.delay2").slot, 45);
  EXPECT_EQ(Named("kbm.enter").slot, 13);
  EXPECT_EQ(settings::KeySettingOfSlot(31), &Named("r4.step3"));
  EXPECT_EQ(settings::KeySettingOfSlot(33), nullptr);
}

TEST(SettingsCore, EachKeySettingTakesWhatItsPageCanCapture) {
  const auto& kbm = Named("kbm.w");
  const auto& step = Named("l4.step1");
  // Keyboard keys and "none" everywhere.
  for (std::int32_t code : {0x00, 0x04, 0x31, 0x33, 0x63, 0xE0, 0xE6}) {
    EXPECT_EQ(settings::CheckValue(kbm, code), Refusal::kNone) << code;
    EXPECT_EQ(settings::CheckValue(step, code), Refusal::kNone) << code;
  }
  // The wheel only on keyboard-and-mouse keys, the gamepad only on rear steps.
  EXPECT_EQ(settings::CheckValue(kbm, 0xE8), Refusal::kNone);
  EXPECT_EQ(settings::CheckValue(step, 0xE9), Refusal::kKeyOfOtherPage);
  EXPECT_EQ(settings::CheckValue(step, 0xFF05), Refusal::kNone);
  EXPECT_EQ(settings::CheckValue(kbm, 0xFF19), Refusal::kKeyOfOtherPage);
  // Gaps in the vocabulary are no keys at all.
  for (std::int32_t code : {0x01, 0x32, 0x53, 0x64, 0xE7, 0xEA, 0xFF00, 0xFF1A}) {
    EXPECT_EQ(settings::CheckValue(kbm, code), Refusal::kUnknownKey) << code;
  }
  EXPECT_EQ(settings::CodesOfClass(settings::CodeClass::kKeyboard).size(), 101u);
  EXPECT_EQ(settings::CodesOfClass(settings::CodeClass::kGamepad).size(), 25u);
}

TEST(SettingsCore, RangesOfTheNumericSettings) {
  EXPECT_EQ(settings::CheckValue(Named("rumble"), 2), Refusal::kNone);
  EXPECT_EQ(settings::CheckValue(Named("rumble"), 3), Refusal::kOutOfRange);
  EXPECT_EQ(settings::CheckValue(Named("left-stick.center"), 100), Refusal::kNone);
  EXPECT_EQ(settings::CheckValue(Named("left-stick.center"), 101), Refusal::kOutOfRange);
  EXPECT_EQ(settings::CheckValue(Named("right-stick.boundary"), -1), Refusal::kOutOfRange);
  EXPECT_EQ(settings::CheckValue(Named("l4.delay1"), 100), Refusal::kNone);
  EXPECT_EQ(settings::CheckValue(Named("l4.delay1"), 250), Refusal::kOutOfRange);
  EXPECT_EQ(settings::CheckValue(Named("led.effect"), 3), Refusal::kOutOfRange);
  EXPECT_EQ(settings::CheckValue(Named("led.color"), 0x1000000), Refusal::kOutOfRange);
}

TEST(SettingsCore, StoringTouchesOnlyTheSettingsOwnBits) {
  ControllerConfig config = Defaults();
  config.SetCode(34, 0x9911);  // red 0x99, LED on, constant
  config.SetCode(36, 0x5A05);  // boundary 90, centre 5
  EXPECT_TRUE(settings::StoreValue(config, Named("led.effect"), 2));
  EXPECT_EQ(config.Code(34), 0x9921);
  EXPECT_TRUE(settings::StoreValue(config, Named("led.on"), 0));
  EXPECT_EQ(config.Code(34), 0x9920);
  EXPECT_TRUE(settings::StoreValue(config, Named("led.color"), 0x123456));
  EXPECT_EQ(config.Code(34), 0x1220);
  EXPECT_EQ(config.Code(35), 0x5634);
  EXPECT_TRUE(settings::StoreValue(config, Named("left-stick.boundary"), 30));
  EXPECT_EQ(config.Code(36), 0x1E05);
  EXPECT_FALSE(settings::StoreValue(config, Named("left-stick.center"), 127));
  EXPECT_EQ(config.Code(36), 0x1E05);
  EXPECT_EQ(settings::ValueOf(config, Named("led.color")), 0x123456);
}

TEST(SettingsCore, RecordRulesNameTheFirstSettingBroken) {
  ControllerConfig config = Defaults();
  EXPECT_FALSE(settings::FirstProblem(config).has_value());

  config.SetCode(27, 0x09);  // l4.step3 = F while step 2 is empty
  auto problem = settings::FirstProblem(config);
  ASSERT_TRUE(problem.has_value());
  EXPECT_STREQ(problem->setting->name, "l4.step3");
  EXPECT_EQ(problem->refusal, Refusal::kHole);
  config.SetCode(26, 0x08);  // filling step 2 closes the hole
  EXPECT_FALSE(settings::FirstProblem(config).has_value());

  config.SetCode(46, 100);  // r4.delay3 after the empty r4.step4... step 3 holds Delete: fine
  EXPECT_FALSE(settings::FirstProblem(config).has_value());
  config.SetCode(28, 0x0A);
  config.SetCode(42, 100);  // l4.delay3 follows l4.step3: fine
  EXPECT_FALSE(settings::FirstProblem(config).has_value());
  config = Defaults();
  config.SetCode(41, 100);  // l4.delay2 after the empty l4.step2
  problem = settings::FirstProblem(config);
  ASSERT_TRUE(problem.has_value());
  EXPECT_STREQ(problem->setting->name, "l4.delay2");
  EXPECT_EQ(problem->refusal, Refusal::kDelayAfterEmpty);

  config = Defaults();
  config.SetCode(34, 0xFF03);  // bit 1 of the mode byte
  config.SetCode(37, 0x7F00);  // right boundary 127
  const auto problems = settings::RecordProblems(config);
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_STREQ(problems[0].setting->name, "led.on");
  EXPECT_EQ(problems[0].refusal, Refusal::kBadLedMode);
  EXPECT_EQ(problems[0].value, 0x03);
  EXPECT_STREQ(problems[1].setting->name, "right-stick.boundary");
  EXPECT_EQ(problems[1].value, 127);
}

TEST(SettingsCore, NoneEmptiesTheLaterStepsAndTheirDelays) {
  ControllerConfig config = Defaults();
  for (int slot = 29; slot <= 32; ++slot) config.SetCode(slot, 0x04);
  for (int slot = 44; slot <= 46; ++slot) config.SetCode(slot, 100);
  const std::vector<int> emptied = settings::EmptyStepsFrom(config, Named("r4.step2"));
  EXPECT_EQ(emptied, (std::vector<int>{30, 45, 31, 46, 32}));
  EXPECT_EQ(config.Code(29), 0x04);
  EXPECT_EQ(config.Code(44), 100);
  EXPECT_EQ(config.Code(30), 0);
  EXPECT_EQ(config.Code(45), 0);
  EXPECT_EQ(config.Code(46), 0);
  EXPECT_EQ(config.Code(32), 0);
  EXPECT_FALSE(settings::StepMayHoldKey(config, Named("r4.step3")));
  EXPECT_TRUE(settings::StepMayHoldKey(config, Named("r4.step2")));
}

TEST(SettingsCore, MergeKeepsOtherWritersChangesAndTheWindowWinsItsOwn) {
  const ControllerConfig loaded = Defaults();
  ControllerConfig edited = loaded;
  edited.SetCode(8, 0x1B);          // kbm.w = X
  edited.SetCode(34, 0xFF11);       // LED on, breathing; red untouched
  ControllerConfig fresh = loaded;  // meanwhile another program wrote:
  fresh.SetCode(25, 0x09);          // l4.step1 = F
  fresh.SetCode(33, 2);             // rumble 2
  fresh.SetCode(8, 0x1C);           // kbm.w = Y (the window's X wins)
  fresh.SetCode(34, 0x9900);        // red 0x99 (the window did not change the colour)
  fresh.SetCode(60, 0x1234);        // a slot no setting holds
  const ControllerConfig merged = settings::MergeEdits(loaded, edited, fresh);
  EXPECT_EQ(merged.Code(25), 0x09);
  EXPECT_EQ(merged.Code(33), 2);
  EXPECT_EQ(merged.Code(8), 0x1B);
  EXPECT_EQ(merged.Code(34), 0x9911);
  EXPECT_EQ(merged.Code(60), 0x1234);
  // With nobody else writing, the window's record is written as it is.
  const ControllerConfig alone = settings::MergeEdits(loaded, edited, loaded);
  for (int slot = 0; slot < slots::kCount; ++slot) {
    EXPECT_EQ(alone.Code(slot), edited.Code(slot)) << slot;
  }
}

TEST(SettingsCore, MergeTakesAnEditedRearButtonWhole) {
  ControllerConfig loaded = Defaults();
  loaded.SetCode(26, 0x05);  // l4: Esc, B
  ControllerConfig edited = loaded;
  settings::EmptyStepsFrom(edited, Named("l4.step2"));  // the window: l4 = Esc
  ControllerConfig fresh = loaded;
  fresh.SetCode(27, 0x06);  // another program: l4 = Esc, B, C
  fresh.SetCode(29, 0x07);  // and r4.step1 = D
  const ControllerConfig merged = settings::MergeEdits(loaded, edited, fresh);
  EXPECT_EQ(merged.Code(26), 0);
  EXPECT_EQ(merged.Code(27), 0);  // no hole
  EXPECT_EQ(merged.Code(29), 0x07);
  EXPECT_FALSE(settings::FirstProblem(merged).has_value());
}

}  // namespace
