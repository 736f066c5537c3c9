// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "config/controller_config.h"
#include "link/debug_trace.h"
#include "keys/key_codes.h"
#include "pages/key_picker.h"
#include "pages/slot_names.h"
#include "settings/key_kinds.h"
#include "tests/pages/fake_page_controls.h"

namespace {

std::vector<KeyCode> AllCodes(pages::PickerPage page) {
  std::vector<KeyCode> codes;
  for (const auto& group : pages::PickerGroups(page)) {
    codes.insert(codes.end(), group.codes.begin(), group.codes.end());
  }
  return codes;
}

TEST(KeyPickerTest, OffersExactlyWhatACaptureCouldStoreOnThePage) {
  const auto back = AllCodes(pages::PickerPage::kBackKeys);
  const auto control = AllCodes(pages::PickerPage::kControlKeys);
  // 101 keyboard keys, then 25 gamepad inputs or 2 wheel directions, then "none".
  EXPECT_EQ(back.size(), 127u);
  EXPECT_EQ(control.size(), 104u);
  EXPECT_EQ(std::set<KeyCode>(back.begin(), back.end()).size(), back.size());
  EXPECT_EQ(std::set<KeyCode>(control.begin(), control.end()).size(), control.size());
  EXPECT_EQ(back.back(), 0);
  EXPECT_EQ(control.back(), 0);

  const std::set<KeyCode> onBack(back.begin(), back.end());
  const std::set<KeyCode> onControl(control.begin(), control.end());
  for (int code : {0x04, 0x1D, 0x3E, 0x45, 0x28, 0x58, 0xE0, 0xE6, 0xE3, 0x35, 0x62, 0x48}) {
    EXPECT_TRUE(onBack.count(static_cast<KeyCode>(code)) == 1) << std::hex << code;
    EXPECT_TRUE(onControl.count(static_cast<KeyCode>(code)) == 1) << std::hex << code;
  }
  EXPECT_EQ(onBack.count(0xFF01) + onBack.count(0xFF19) + onBack.count(0xFF11), 3u);
  EXPECT_EQ(onBack.count(0xE8) + onBack.count(0xE9), 0u);
  EXPECT_EQ(onControl.count(0xE8) + onControl.count(0xE9), 2u);
  EXPECT_EQ(onControl.count(0xFF05), 0u);
  // No row in the translation table, so no capture can store them.
  EXPECT_EQ(onBack.count(0x53) + onBack.count(0x32) + onBack.count(0xEA), 0u);

  // Exactly the codes the settings core lets a slot of that page hold.
  std::set<KeyCode> rearStepMay, controlKeyMay;
  for (std::uint32_t code = 0; code <= 0xFFFF; ++code) {
    const auto key = static_cast<KeyCode>(code);
    if (settings::MayHoldCode(settings::SettingKind::kRearStep, key)) rearStepMay.insert(key);
    if (settings::MayHoldCode(settings::SettingKind::kControlKey, key)) controlKeyMay.insert(key);
  }
  EXPECT_EQ(onBack, rearStepMay);
  EXPECT_EQ(onControl, controlKeyMay);

  const auto groups = pages::PickerGroups(pages::PickerPage::kBackKeys);
  ASSERT_EQ(groups.size(), 9u);
  EXPECT_STREQ(groups[2].title, "function keys");
  EXPECT_EQ(groups[2].codes.front(), 0x3A);  // F1
  EXPECT_EQ(groups[2].codes.back(), 0x45);   // F12
  EXPECT_EQ(groups[4].codes, (std::vector<KeyCode>{0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6}));
}

class PickTest : public ::testing::Test {
 protected:
  PickTest() { FillKeyTranslationTable(table); }
  pages::CaptureTarget Armed(std::uint32_t slot) { return {controls, config, table, slot, trace}; }
  QString Picture(const char* button) const { return controls.Attr(button, "bkimage"); }

  FakePageControls controls;
  ControllerConfig config;
  TranslationTable table{};
  std::vector<std::wstring> traces;
  const TraceSink trace = [this](const std::wstring& line) { traces.push_back(line); };
};

TEST_F(PickTest, APickStoresShowsAndTracesWhatTheKeyItselfWould) {
  config.SetCode(26, 0x04);
  pages::PickKey(Armed(26), 0x3E);  // F5, an ordinary key release
  EXPECT_EQ(config.Code(26), 0x3E);
  EXPECT_EQ(Picture("BackKeySet2Btn"), "F5.png");
  EXPECT_EQ(controls.Attr("BackKeySet2Btn", "hotimage"), "Key_hot.png");
  EXPECT_EQ(traces,
            (std::vector<std::wstring>{L"IsChooseKey:26,KeyCode:4", L"Type:1\uFF0CKeyCode:3e",
                                       L"IsChooseKey:26,KeyCode:3e"}));

  traces.clear();
  pages::PickKey(Armed(10), 0xE4);  // right Ctrl: one trace line, its side kept
  EXPECT_EQ(config.Code(10), 0xE4);
  EXPECT_EQ(Picture("ConKeyABtn"), "Ctrl.png");
  EXPECT_EQ(traces, (std::vector<std::wstring>{L"Type:1\uFF0CKeyCode:e4"}));

  traces.clear();
  pages::PickKey(Armed(11), 0xE5);  // right Shift
  pages::PickKey(Armed(12), 0x58);  // numpad Enter
  pages::PickKey(Armed(13), 0xE6);  // right Alt, a system key
  pages::PickKey(Armed(3), 0x43);   // F10, a system key
  EXPECT_EQ(config.Code(11), 0xE5);
  EXPECT_EQ(config.Code(12), 0x58);
  EXPECT_EQ(Picture("ConSpacebarSBtn"), "Enter.png");
  EXPECT_EQ(config.Code(13), 0xE6);
  EXPECT_EQ(Picture("ConEnterBtn"), "Alt.png");
  EXPECT_EQ(config.Code(3), 0x43);
  EXPECT_EQ(Picture("ConKeyEndBtn"), "F10.png");
  EXPECT_EQ(traces,
            (std::vector<std::wstring>{L"Type:1\uFF0CKeyCode:e5", L"Type:1\uFF0CKeyCode:58",
                                       L"Type:1\uFF0CKeyCode:e6", L"Type:1\uFF0CKeyCode:43"}));

  // The wheel and the gamepad write no trace line.
  traces.clear();
  pages::PickKey(Armed(0), 0xE9);
  pages::PickKey(Armed(25), 0xFF11);
  EXPECT_EQ(config.Code(0), 0xE9);
  EXPECT_EQ(Picture("ConMSRollUpBtn"), "MS_DOWN.png");
  EXPECT_EQ(config.Code(25), 0xFF11);
  EXPECT_EQ(Picture("BackKeySet1Btn"), "Home.png");
  EXPECT_TRUE(traces.empty());

  // With nothing armed a pick changes nothing.
  pages::PickKey(Armed(0xFFFF), 0x04);
  EXPECT_EQ(config.Code(25), 0xFF11);
  EXPECT_TRUE(traces.empty());
}

TEST_F(PickTest, NoneEmptiesTheSlotAndOnARearButtonEveryLaterStepAndItsDelays) {
  for (int slot = 25; slot <= 32; ++slot) config.SetCode(slot, 0x04);
  for (int slot : {40, 41, 42, 44, 45, 46}) config.SetCode(slot, 100);
  for (const char* step :
       {"BackKeySet1Btn", "BackKeySet2Btn", "BackKeySet3Btn", "BackKeySet4Btn", "BackKeySet5Btn",
        "BackKeySet6Btn", "BackKeySet7Btn", "BackKeySet8Btn"}) {
    controls.SetAttribute(step, "bkimage", "Key_A.png");
  }
  pages::PickKey(Armed(26), 0);  // step 2 of the first rear button
  EXPECT_EQ(config.Code(25), 0x04);
  EXPECT_EQ(config.Code(26), 0);
  EXPECT_EQ(config.Code(27), 0);
  EXPECT_EQ(config.Code(28), 0);
  EXPECT_EQ(config.Code(40), 100);  // the delay after step 1 still follows a key
  EXPECT_EQ(config.Code(41), 0);
  EXPECT_EQ(config.Code(42), 0);
  EXPECT_EQ(Picture("BackKeySet1Btn"), "Key_A.png");
  EXPECT_EQ(Picture("BackKeySet2Btn"), "NC.png");
  EXPECT_EQ(Picture("BackKeySet4Btn"), "NC.png");
  EXPECT_EQ(controls.Get("BackKeyTimeCombo2").item, 0);
  EXPECT_EQ(controls.Attr("BackKeyTimeCombo1", "enabled"), "true");
  EXPECT_EQ(controls.Attr("BackKeyTimeCombo2", "enabled"), "false");
  EXPECT_EQ(controls.Attr("BackKeyTimeCombo3", "enabled"), "false");
  // The second rear button is untouched.
  for (int slot : {29, 30, 31, 32}) EXPECT_EQ(config.Code(slot), 0x04);
  for (int slot : {44, 45, 46}) EXPECT_EQ(config.Code(slot), 100);

  pages::PickKey(Armed(32), 0);  // the last step has no delay after it
  EXPECT_EQ(config.Code(31), 0x04);
  EXPECT_EQ(config.Code(32), 0);
  EXPECT_EQ(config.Code(46), 100);
  EXPECT_EQ(config.Code(47), 0);

  config.SetCode(8, 0x1A);
  pages::PickKey(Armed(8), 0);  // a control key: only that slot
  EXPECT_EQ(config.Code(8), 0);
  EXPECT_EQ(Picture("ConKeyWBtn"), "NC.png");
  EXPECT_TRUE(traces.empty());
}

}  // namespace

namespace {

TEST(SlotNamesTest, ASlotIsNamedByWhereItIsAndTheKeyItHolds) {
  EXPECT_EQ(pages::SlotAccessibleName(25, 0x29, false), "L4 step 1: Esc");
  EXPECT_EQ(pages::SlotAccessibleName(26, 0, false), "L4 step 2: none");
  EXPECT_EQ(pages::SlotAccessibleName(30, 0xE2, false), "R4 step 2: Alt");
  EXPECT_EQ(pages::SlotAccessibleName(32, 0xE6, false), "R4 step 4: RightAlt");
  EXPECT_EQ(pages::SlotAccessibleName(8, 0x1A, false), "W: W");
  EXPECT_EQ(pages::SlotAccessibleName(0, 0xE8, false), "Wheel up: MS_UP");
  EXPECT_EQ(pages::SlotAccessibleName(5, 0x59, false), "B button: Num1");
  EXPECT_EQ(pages::SlotAccessibleName(29, 0xFF11, true), "R4 第 1 步: PadHome");
  EXPECT_EQ(pages::SlotAccessibleName(1, 0x53, true), "滚轮下: 0x53");
  EXPECT_EQ(pages::SlotAccessibleName(14, 0x04, false), "");
  EXPECT_EQ(pages::SlotAccessibleName(33, 0x04, false), "");
}

}  // namespace
