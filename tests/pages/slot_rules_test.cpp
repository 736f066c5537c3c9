// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/controller_config.h"
#include "link/debug_trace.h"
#include "keys/key_codes.h"
#include "keynumbers/key_constants.h"
#include "keys/key_slots.h"
#include "pages/slot_capture.h"
#include "pages/slot_editing.h"
#include "tests/pages/fake_page_controls.h"

namespace {

std::array<QString, 8> Steps(std::initializer_list<const char*> pictures) {
  std::array<QString, 8> steps;
  std::size_t i = 0;
  for (const char* picture : pictures) steps[i++] = QString::fromLatin1(picture);
  return steps;
}

TEST(SlotRulesTest, AStepMayBeArmedOnceTheEarlierStepsOfItsButtonHoldKeys) {
  const auto empty =
      Steps({"NC.png", "NC.png", "NC.png", "NC.png", "NC.png", "NC.png", "NC.png", "NC.png"});
  EXPECT_TRUE(pages::StepMayBeArmed(1, empty));
  EXPECT_FALSE(pages::StepMayBeArmed(2, empty));
  EXPECT_FALSE(pages::StepMayBeArmed(3, empty));
  EXPECT_TRUE(pages::StepMayBeArmed(5, empty));  // the second button does not wait for the first
  EXPECT_FALSE(pages::StepMayBeArmed(8, empty));

  // Anything but exactly "NC.png" counts as a key, the empty name included.
  const auto partly =
      Steps({"Key_A.png", "", "NC.png", "NC.png", "nc.png", "Rocker_A.png", "NC.png", "NC.png"});
  EXPECT_TRUE(pages::StepMayBeArmed(2, partly));
  EXPECT_TRUE(pages::StepMayBeArmed(3, partly));
  EXPECT_FALSE(pages::StepMayBeArmed(4, partly));
  EXPECT_TRUE(pages::StepMayBeArmed(7, partly));
  EXPECT_FALSE(pages::StepMayBeArmed(8, partly));
  EXPECT_FALSE(pages::StepMayBeArmed(0, partly));
  EXPECT_FALSE(pages::StepMayBeArmed(9, partly));
  // Each step button stands for its step's slot.
  EXPECT_STREQ(SlotButtonName(25), "BackKeySet1Btn");
  EXPECT_STREQ(SlotButtonName(29), "BackKeySet5Btn");
  EXPECT_STREQ(SlotButtonName(32), "BackKeySet8Btn");
  EXPECT_STREQ(SlotButtonName(13), "ConEnterBtn");
  EXPECT_EQ(SlotButtonName(14), nullptr);
}

TEST(SlotRulesTest, DelayTextsReadLikeTheWideStringToIntegerConversion) {
  EXPECT_EQ(pages::DelayFromText("100"), 100);
  EXPECT_EQ(pages::DelayFromText("  \t100ms"), 100);
  EXPECT_EQ(pages::DelayFromText("+7"), 7);
  EXPECT_EQ(pages::DelayFromText("-1"), 0xFFFF);
  EXPECT_EQ(pages::DelayFromText("ms100"), 0);
  EXPECT_EQ(pages::DelayFromText(""), 0);
  EXPECT_EQ(pages::DelayFromText("- 5"), 0);
  EXPECT_EQ(pages::DelayFromText("70000"), 4464);                   // low 16 bits of 0x11170
  EXPECT_EQ(pages::DelayFromText("99999999999999999999"), 0xFFFF);  // saturates at 0x7FFFFFFF
  EXPECT_EQ(pages::DelayFromText("-99999999999999999999"), 0);      // 0x80000000
}

TEST(SlotRulesTest, ArmingMovesThePressedLookAndDisarmingClearsIt) {
  FakePageControls controls;
  pages::ShowArmedSlot(controls, 25);
  EXPECT_EQ(controls.Attr("BackKeySet1Btn", "normalimage"), "Key_push.png");
  EXPECT_EQ(controls.Attr("BackKeySet1Btn", "hotimage"), "Key_push.png");
  pages::ShowArmedSlot(controls, 10);
  EXPECT_EQ(controls.Attr("BackKeySet1Btn", "normalimage"), "");
  EXPECT_EQ(controls.Attr("BackKeySet1Btn", "hotimage"), "Key_hot.png");
  EXPECT_EQ(controls.Attr("ConKeyABtn", "normalimage"), "Key_push.png");
  pages::ShowArmedSlot(controls, 0xFFFF);
  int buttons = 0;
  for (const auto& [name, state] : controls.controls) {
    EXPECT_EQ(state.attributes.at("normalimage"), "") << name;
    EXPECT_EQ(state.attributes.at("pushedimage"), "Key_push.png") << name;
    ++buttons;
  }
  EXPECT_EQ(buttons, 22);
}

class CaptureTest : public ::testing::Test {
 protected:
  CaptureTest() { FillKeyTranslationTable(table); }

  pages::CaptureTarget Armed(std::uint32_t slot) { return {controls, config, table, slot, trace}; }

  FakePageControls controls;
  ControllerConfig config;
  TranslationTable table{};
  std::vector<std::wstring> traces;
  const TraceSink trace = [this](const std::wstring& line) { traces.push_back(line); };
};

KeyStroke Key(std::uint32_t virtualKey, std::uint32_t scanCode, bool extended = false) {
  return KeyStroke{virtualKey, scanCode, extended};
}

TEST_F(CaptureTest, SidedKeysAreToldApartByScanCodeAndExtendedFlag) {
  struct Case {
    KeyStroke key;
    std::uint16_t code;
    const char* picture;
  };
  const Case cases[] = {
      {Key(vk::kControl, 0x1D), 0xE0, "Ctrl.png"},
      {Key(vk::kControl, 0x1D, true), 0xE4, "Ctrl.png"},
      {Key(vk::kShift, scancode::kLeftShift), 0xE1, "Shift.png"},
      {Key(vk::kShift, scancode::kRightShift), 0xE5, "Shift.png"},
      // Shift's side is its scan code alone; the extended flag does not make it right.
      {Key(vk::kShift, scancode::kLeftShift, true), 0xE1, "Shift.png"},
      {Key(vk::kReturn, 0x1C), 0x28, "Enter.png"},
      {Key(vk::kReturn, 0x1C, true), 0x58, "Enter.png"},
      {Key(vk::kLWin, 0x5B, true), 0xE3, "WIN.png"},
      {Key('F', 0x21), 0x09, "Key_F.png"},
  };
  for (const Case& c : cases) {
    pages::CaptureKeyRelease(Armed(10), c.key);
    EXPECT_EQ(config.Code(10), c.code) << std::hex << c.key.virtualKey << " " << c.key.scanCode;
    EXPECT_EQ(controls.Attr("ConKeyABtn", "bkimage"), c.picture) << std::hex << c.key.virtualKey;
  }
  // Alt and F10 are captured as they are pressed.
  pages::CaptureSystemKey(Armed(25), Key(vk::kMenu, 0x38));
  EXPECT_EQ(config.Code(25), 0xE2);
  pages::CaptureSystemKey(Armed(25), Key(vk::kMenu, 0x38, true));
  EXPECT_EQ(config.Code(25), 0xE6);
  EXPECT_EQ(controls.Attr("BackKeySet1Btn", "bkimage"), "Alt.png");
  pages::CaptureSystemKey(Armed(25), Key(vk::kF10, 0x44));
  EXPECT_EQ(config.Code(25), 0x43);
  EXPECT_EQ(controls.Attr("BackKeySet1Btn", "bkimage"), "F10.png");
  pages::CaptureSystemKey(Armed(25), Key('A', 0x1E));  // a letter held with Alt: nothing
  EXPECT_EQ(config.Code(25), 0x43);
  // The wheel: a positive delta (away from the user) is up, anything else down.
  pages::CaptureWheelTurn(Armed(0), 120);
  EXPECT_EQ(config.Code(0), 0xE8);
  EXPECT_EQ(controls.Attr("ConMSRollUpBtn", "bkimage"), "MS_UP.png");
  pages::CaptureWheelTurn(Armed(0), -120);
  EXPECT_EQ(config.Code(0), 0xE9);
  EXPECT_EQ(controls.Attr("ConMSRollUpBtn", "bkimage"), "MS_DOWN.png");
  pages::CaptureWheelTurn(Armed(0), 1);
  EXPECT_EQ(config.Code(0), 0xE8);
}

TEST_F(CaptureTest, KeysWithoutAControllerCodeChangeNothingButAreTraced) {
  config.SetCode(25, 0x04);
  pages::SetSlotPicture(controls, 25, "Key_A.png");
  traces.clear();
  pages::CaptureKeyRelease(Armed(25), Key(vk::kNumLock, 0x45, true));  // Num Lock
  pages::CaptureKeyRelease(Armed(25), Key(vk::kRWin, 0x5C, true));     // right Windows key
  EXPECT_EQ(config.Code(25), 0x04);
  EXPECT_EQ(controls.Attr("BackKeySet1Btn", "bkimage"), "Key_A.png");
  ASSERT_EQ(traces.size(), 6u);
  EXPECT_EQ(traces[0], L"IsChooseKey:25,KeyCode:4");
  EXPECT_EQ(traces[1], L"Type:1\uFF0CKeyCode:0");
  EXPECT_EQ(traces[2], L"IsChooseKey:25,KeyCode:4");
}

TEST_F(CaptureTest, WithNoSlotArmedOnlySidedKeysTraceAndNothingIsStored) {
  const ControllerConfig before = config;
  pages::CaptureKeyRelease(Armed(0xFFFF), Key(vk::kControl, 0x1D));
  pages::CaptureKeyRelease(Armed(0xFFFF), Key('F', 0x21));
  pages::CaptureWheelTurn(Armed(0xFFFF), 120);
  ASSERT_EQ(traces.size(), 1u);
  EXPECT_EQ(traces[0], L"Type:1\uFF0CKeyCode:e0");
  EXPECT_TRUE(controls.controls.empty());
  for (int slot = 0; slot < slots::kCount; ++slot) EXPECT_EQ(config.Code(slot), before.Code(slot));
}

}  // namespace
