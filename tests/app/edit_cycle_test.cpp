// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QWidget>

#include "device/controller_device.h"
#include "tests/app/app_test_env.h"
#include "ui/controls.h"
#include "ui/paint_manager.h"

// The whole edit cycle through the window: clicks reach Notify, keys and the wheel reach the
// window's hooks as the toolkit delivers them, and Save lands in the emulated controller.
namespace {

class EditCycleTest : public ::testing::Test {
 protected:
  std::unique_ptr<MainWindow> Open() {
    auto window = env.MakeWindow();
    window->Deliver(ui::FocusChange::kGained);
    return window;
  }
  void Release(MainWindow& window, std::uint32_t vk, std::uint32_t scanCode,
               bool extended = false) {
    window.Deliver(KeyUp(vk, scanCode, extended));
  }
  std::vector<QString> Texts() {
    std::vector<QString> texts;
    for (const auto& box : env.boxes) texts.push_back(box.text);
    return texts;
  }
  AppTestEnv env;
};

TEST_F(EditCycleTest, AKeyCapturedAndSavedLandsInTheController) {
  auto window = Open();
  Click(*window, "ControlKeybtn");
  Click(*window, "ConKeyABtn");
  EXPECT_EQ(Attr(*window, "ConKeyABtn", "normalimage"), "Key_push.png");
  Release(*window, 'F', 0x21);
  EXPECT_EQ(window->Device().config.Code(10), 0x09);
  EXPECT_EQ(Attr(*window, "ConKeyABtn", "bkimage"), "Key_F.png");
  EXPECT_EQ(env.emulator->Word(10), 0x04);  // nothing is sent before Save

  Click(*window, "Savebtn");
  EXPECT_EQ(Texts(), std::vector<QString>{"Saved successfully !"});
  EXPECT_EQ(env.boxes[0].caption, "prompt");
  EXPECT_EQ(env.boxes[0].button, "OK");
  EXPECT_EQ(env.emulator->Word(10), 0x09);
  // The page is read again and nothing is armed.
  EXPECT_EQ(window->SelectedSlot(), 0xFFFFu);
  EXPECT_EQ(Attr(*window, "ConKeyABtn", "normalimage"), "");
  EXPECT_EQ(Attr(*window, "ConKeyABtn", "bkimage"), "Key_F.png");
}

// padctl can store any delay; the page shows it as its number and Save keeps it untouched.
TEST_F(EditCycleTest, AnyStoredDelayIsShownAsItsNumberAndKept) {
  env.emulator->SetWord(25, 0x29);  // steps 1 and 2 hold keys, so both delays apply
  env.emulator->SetWord(26, 0x29);
  env.emulator->SetWord(44, 250);
  auto window = Open();
  Click(*window, "BackKeybtn");
  CControlUI* combo = Control(*window, "BackKeyTimeCombo4");
  EXPECT_EQ(ui::GetText(combo), "250");
  Click(*window, "Savebtn");
  EXPECT_EQ(env.emulator->Word(44), 250);
  EXPECT_EQ(ui::GetText(combo), "250");
  // Picking 100 stores 100; the page read again offers the skin's two items only.
  ui::SelectComboItem(combo, 1);
  Notify(*window, "itemselect", "BackKeyTimeCombo4");
  Click(*window, "Savebtn");
  EXPECT_EQ(env.emulator->Word(44), 100);
  EXPECT_EQ(ui::GetText(combo), "100");
  EXPECT_EQ(ui::GetComboItemCount(combo), 2);
}

TEST_F(EditCycleTest, SaveWithoutTheControllerFailsAndKeepsThePage) {
  env.SetLanguage(0x0804);
  auto window = Open();
  Click(*window, "ControlKeybtn");
  Click(*window, "ConKeyWBtn");
  Release(*window, 0x11, 0x1D, true);  // right Ctrl
  ControllerEmulator::Faults faults;
  faults.unplugAfterReports = 0;
  env.emulator->SetFaults(faults);
  Click(*window, "Savebtn");
  EXPECT_EQ(Texts(), std::vector<QString>{"保存失败"});
  EXPECT_EQ(env.boxes[0].caption, "提示");
  EXPECT_EQ(env.boxes[0].button, "确定");
  EXPECT_TRUE(ui::IsVisible(Control(*window, "ConKeyWBtn")));
  EXPECT_EQ(Attr(*window, "ConKeyWBtn", "bkimage"), "Ctrl.png");
  // The failed reload keeps the edit in memory, so a later Save can still send it.
  EXPECT_EQ(window->Device().config.Code(8), 0xE4);
  env.emulator->SetFaults({});
  Click(*window, "Savebtn");
  EXPECT_EQ(env.emulator->Word(8), 0xE4);
}

TEST_F(EditCycleTest, SaveFollowsTheControllerToItsNewNodeAfterResume) {
  auto window = Open();
  Click(*window, "ControlKeybtn");
  Click(*window, "ConKeyABtn");
  Release(*window, 'F', 0x21);
  Click(*window, "Savebtn");
  // Suspend and resume: the controller is back under a new node; the window still holds
  // the old one.
  env.plug->Replug();
  Click(*window, "ConKeyDBtn");
  Release(*window, 'G', 0x22);
  Click(*window, "Savebtn");
  EXPECT_EQ(Texts(), (std::vector<QString>{"Saved successfully !", "Saved successfully !"}));
  EXPECT_EQ(env.emulator->Word(10), 0x09);
  EXPECT_EQ(env.emulator->Word(11), 0x0A);

  // Gone for good: the failure message and nothing else; the edit stays in memory.
  env.plug->Unplug();
  const auto memory = env.emulator->Memory();
  Click(*window, "ConKeyWBtn");
  Release(*window, 'H', 0x23);
  Click(*window, "Savebtn");
  EXPECT_EQ(Texts(), (std::vector<QString>{"Saved successfully !", "Saved successfully !",
                                           "Save failed !"}));
  EXPECT_EQ(env.emulator->Memory(), memory);
  EXPECT_EQ(window->Device().config.Code(8), 0x0B);
  EXPECT_EQ(Attr(*window, "ConKeyWBtn", "bkimage"), "Key_H.png");
}

TEST_F(EditCycleTest, CaptureNeedsFocusAndTheWheelOnlyCountsOnTheControlKeyPage) {
  auto window = Open();
  Click(*window, "BackKeybtn");
  Click(*window, "BackKeySet1Btn");
  window->Deliver(ui::WheelEvent{120});
  EXPECT_EQ(window->Device().config.Code(25), 0x29);  // factory Esc
  // Without focus a released key is consumed and captures nothing; with focus it is captured,
  // and consumed too: a captured Enter or Space must not also press the focused control.
  window->Deliver(ui::FocusChange::kLost);
  EXPECT_TRUE(window->Deliver(KeyUp('Q', 0x10)));
  window->Deliver(SysKeyDown(0x12, 0x38));
  EXPECT_EQ(window->Device().config.Code(25), 0x29);
  window->Deliver(ui::FocusChange::kGained);
  EXPECT_TRUE(window->Deliver(KeyUp('Q', 0x10)));
  EXPECT_EQ(window->Device().config.Code(25), 0x14);
  window->Deliver(SysKeyDown(0x12, 0x38, true));
  EXPECT_EQ(window->Device().config.Code(25), 0xE6);
  EXPECT_EQ(Attr(*window, "BackKeySet1Btn", "bkimage"), "Alt.png");

  Click(*window, "Backbtn");
  Release(*window, 'Q', 0x10);  // disarmed by Back
  EXPECT_EQ(window->Device().config.Code(25), 0xE6);
  Click(*window, "ControlKeybtn");
  Click(*window, "ConMSRollDownBtn");
  window->Deliver(ui::WheelEvent{-120});
  EXPECT_EQ(window->Device().config.Code(1), 0xE9);
  EXPECT_EQ(Attr(*window, "ConMSRollDownBtn", "bkimage"), "MS_DOWN.png");
}

// The page shows the delays it read by choosing them in their lists; that must not pull the
// keyboard focus into a list, where the next key would change the delay instead of a slot.
TEST_F(EditCycleTest, ChoosingADelayFromCodeLeavesTheKeyboardFocusAlone) {
  env.emulator->SetWord(25, 0x29);  // steps 1 and 2 hold keys, so the delay between applies
  env.emulator->SetWord(26, 0x29);
  env.emulator->SetWord(44, 100);
  auto window = Open();
  window->ShowWindow(true);
  QWidget* host = window->GetHost();
  host->setFocus();
  ASSERT_EQ(host->focusWidget(), host);
  Click(*window, "BackKeybtn");
  EXPECT_EQ(host->focusWidget(), host);
  Click(*window, "Reductionbtn");  // factory delays, chosen again
  EXPECT_EQ(host->focusWidget(), host);
}

TEST_F(EditCycleTest, RearButtonStepsDelaysAndLeavingWithoutSaving) {
  env.emulator->SetWord(25, 0);
  env.emulator->SetWord(29, 0);
  auto window = Open();
  Click(*window, "BackKeybtn");
  Click(*window, "BackKeySet3Btn");  // steps 1 and 2 are empty
  EXPECT_EQ(window->SelectedSlot(), 0xFFFFu);
  Click(*window, "BackKeySet5Btn");
  EXPECT_EQ(window->SelectedSlot(), 29u);
  Click(*window, "BackKeySet1Btn");
  Release(*window, 'A', 0x1E);
  Click(*window, "BackKeySet2Btn");
  EXPECT_EQ(window->SelectedSlot(), 26u);
  EXPECT_EQ(Attr(*window, "BackKeySet1Btn", "normalimage"), "");
  EXPECT_EQ(Attr(*window, "BackKeySet2Btn", "normalimage"), "Key_push.png");

  auto* combo = dynamic_cast<CComboUI*>(Control(*window, "BackKeyTimeCombo4"));
  ASSERT_NE(combo, nullptr);
  combo->SelectItem(1);
  Notify(*window, "itemselect", "BackKeyTimeCombo4");
  EXPECT_EQ(window->Device().config.Code(44), 100);
  Notify(*window, "itemselect", "LeftKeyTimeCombo1");  // has no slot
  Click(*window, "Savebtn");
  EXPECT_EQ(env.emulator->Word(44), 100);
  EXPECT_EQ(env.emulator->Word(25), 0x04);
  Click(*window, "Backbtn");
  Click(*window, "BackKeybtn");
  EXPECT_EQ(combo->GetCurSel(), 1);

  // An edit left behind with Back is gone when the page is entered again.
  Click(*window, "BackKeySet1Btn");
  Release(*window, 'B', 0x30);
  Click(*window, "Backbtn");
  Click(*window, "BackKeybtn");
  EXPECT_EQ(Attr(*window, "BackKeySet1Btn", "bkimage"), "Key_A.png");
  EXPECT_EQ(window->Device().config.Code(25), 0x04);
}

TEST_F(EditCycleTest, RestoreOnBothPagesChangesMemoryOnlyUntilSave) {
  auto window = Open();
  Click(*window, "BackKeybtn");
  Click(*window, "Reductionbtn");
  for (int step = 1; step <= 8; ++step) {
    const std::string name = "BackKeySet" + std::to_string(step) + "Btn";
    EXPECT_EQ(Attr(*window, name.c_str(), "bkimage"), "NC.png") << name;
  }
  EXPECT_EQ(env.emulator->Word(25), 0x29);
  EXPECT_EQ(window->Device().config.Code(25), 0);
  Click(*window, "Backbtn");

  env.emulator->SetWord(33, 2);
  env.emulator->SetWord(34, 0x0011);
  env.emulator->SetWord(36, 0x1E05);
  Click(*window, "ControlKeybtn");
  EXPECT_EQ(Attr(*window, "Vib2", "selected"), "true");
  EXPECT_EQ(Attr(*window, "LedModeBreathed", "selected"), "true");
  EXPECT_EQ(ui::GetText(Control(*window, "LsBoundaryDzValue")), "30");
  Click(*window, "Reductionbtn");
  EXPECT_TRUE(env.boxes.empty());
  EXPECT_EQ(Attr(*window, "Vib1", "selected"), "true");
  EXPECT_EQ(Control(*window, "LedColor0")->GetBorderColor(), 0xFFFFFFFFu);
  EXPECT_EQ(Attr(*window, "LedModeOnOff", "selected"), "false");
  EXPECT_FALSE(Control(*window, "LedModeBreathed")->IsEnabled());
  EXPECT_EQ(ui::GetText(Control(*window, "LsBoundaryDzValue")), "0");
  EXPECT_EQ(env.emulator->Word(33), 2);
  Click(*window, "Savebtn");
  EXPECT_EQ(env.emulator->Word(33), 1);
  EXPECT_EQ(env.emulator->Word(34), 0xFF00);
  EXPECT_EQ(env.emulator->Word(36), 0);
  EXPECT_EQ(env.emulator->Word(25), 0x29);  // the back-key Restore was never saved

  // A Restore whose read fails says so and leaves the record alone.
  window->Device().config.SetCode(33, 2);
  ControllerEmulator::Faults faults;
  faults.unplugAfterReports = 0;
  env.emulator->SetFaults(faults);
  env.boxes.clear();
  Click(*window, "Reductionbtn");
  EXPECT_EQ(Texts(), std::vector<QString>{"Data restore failed"});
  EXPECT_EQ(window->Device().config.Code(33), 2);
}

TEST_F(EditCycleTest, LedAndDeadZonesFollowTheModel) {
  auto window = Open();
  Click(*window, "ControlKeybtn");
  Click(*window, "LedModeOnOff");  // factory: off, constant, red
  EXPECT_EQ(window->Device().config.Code(34), 0xFF01);
  EXPECT_TRUE(ui::IsVisible(Control(*window, "LedColorLayout")));
  Click(*window, "LedModeRotated");
  EXPECT_FALSE(ui::IsVisible(Control(*window, "LedColorLayout")));
  Click(*window, "LedModeOnOff");
  EXPECT_EQ(window->Device().config.Code(34), 0xFF20);
  Click(*window, "LedColor8");
  EXPECT_EQ(window->Device().config.Code(35), 0xFF00);

  ui::SetSliderValue(Control(*window, "LS_BoundaryDzSlider"), 30);
  Notify(*window, "valuechanged", "LS_BoundaryDzSlider");
  EXPECT_EQ(ui::GetText(Control(*window, "LsBoundaryDzValue")), "30");
  EXPECT_EQ(window->Device().config.Code(36), 30 << 8);

  env.SetModel("SOMETHING-ELSE");
  ui::SetSliderValue(Control(*window, "RS_CenterDzSlider"), 7);
  Notify(*window, "valuechanged", "RS_CenterDzSlider");
  EXPECT_EQ(ui::GetText(Control(*window, "RsCenterDzValue")), "7");
  EXPECT_EQ(window->Device().config.Code(37), 0);
}

}  // namespace
