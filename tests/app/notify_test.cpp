// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QWidget>

#include "device/controller_device.h"

#include "tests/app/app_test_env.h"
#include "ui/controls.h"
#include "ui/paint_manager.h"

namespace {

class NotifyTest : public ::testing::Test {
 protected:
  void Send(MainWindow& window, const char* type, CControlUI* sender) {
    TNotifyUI msg;
    msg.sType = QString::fromLatin1(type);
    msg.pSender = sender;
    window.Notify(msg);
  }
  AppTestEnv env;
};

TEST_F(NotifyTest, CloseButtonQuitsWithoutWriting) {
  auto window = env.MakeWindow();
  env.emulator->ResetCounters();
  Send(*window, "click", Control(*window, "closebtn"));
  EXPECT_EQ(RunLoopFor(3000), 0);
  EXPECT_EQ(env.emulator->GetCounters().sends, 0);
}

TEST_F(NotifyTest, MinimiseButtonMinimisesTheWindow) {
  auto window = env.MakeWindow();
  window->ShowWindow(true);
  ASSERT_FALSE(window->GetHost()->isMinimized());
  Send(*window, "click", Control(*window, "minbtn"));
  EXPECT_TRUE(window->GetHost()->isMinimized());
  EXPECT_EQ(RunLoopFor(100), 99);  // minimising is no way out
}

TEST_F(NotifyTest, BackOnTheRearButtonPageShowsTheMainMenuWithBothHelpButtons) {
  auto window = env.MakeWindow();
  Send(*window, "click", Control(*window, "BackKeybtn"));
  ASSERT_EQ(window->CurrentPage(), Page::kBackKeys);
  ASSERT_TRUE(ui::IsVisible(Control(*window, "LeftKeylayout")));
  Send(*window, "click", Control(*window, "Backbtn"));
  EXPECT_EQ(window->CurrentPage(), Page::kMainMenu);
  EXPECT_FALSE(ui::IsVisible(Control(*window, "LeftKeylayout")));
  EXPECT_FALSE(ui::IsVisible(Control(*window, "RightKeylayout")));
  EXPECT_FALSE(ui::IsVisible(Control(*window, "Backbtn")));
  for (const char* name : {"BackKeybtn", "ControlKeybtn", "BackKeyHelpbtn", "ControlKeyHelpbtn"}) {
    EXPECT_TRUE(ui::IsVisible(Control(*window, name))) << name;
  }
}

TEST_F(NotifyTest, DoubleClickIsNotAClick) {
  auto window = env.MakeWindow();
  Send(*window, "dbclick", Control(*window, "closebtn"));
  Send(*window, "dbclick", Control(*window, "ControlKeybtn"));
  EXPECT_EQ(RunLoopFor(100), 99);
  EXPECT_EQ(window->CurrentPage(), Page::kMainMenu);
  EXPECT_TRUE(ui::IsVisible(Control(*window, "ControlKeybtn")));
}

TEST_F(NotifyTest, PagesOpenAndCloseWithTheirButtons) {
  auto window = env.MakeWindow();
  window->SelectSlot(3);
  Send(*window, "click", Control(*window, "ControlKeybtn"));
  EXPECT_TRUE(env.boxes.empty());
  EXPECT_EQ(window->CurrentPage(), Page::kControlKeys);
  EXPECT_FALSE(ui::IsVisible(Control(*window, "ControlKeybtn")));
  EXPECT_TRUE(ui::IsVisible(Control(*window, "ConMSRollUpBtn")));
  EXPECT_TRUE(ui::IsVisible(Control(*window, "Savebtn")));
  // Factory key map: slot 10 (A) holds usage 0x04.
  EXPECT_EQ(Attr(*window, "ConKeyABtn", "bkimage"), "Key_A.png");
  EXPECT_EQ(Attr(*window, "ConKeyABtn", "hotimage"), "Key_hot.png");

  window->SelectSlot(10);
  Send(*window, "click", Control(*window, "Backbtn"));
  EXPECT_EQ(window->CurrentPage(), Page::kMainMenu);
  EXPECT_EQ(window->SelectedSlot(), 0xFFFFu);
  EXPECT_TRUE(ui::IsVisible(Control(*window, "ControlKeybtn")));
  EXPECT_FALSE(ui::IsVisible(Control(*window, "ConMSRollUpBtn")));
  EXPECT_FALSE(ui::IsVisible(Control(*window, "Savebtn")));

  Send(*window, "click", Control(*window, "BackKeybtn"));
  EXPECT_EQ(window->CurrentPage(), Page::kBackKeys);
  EXPECT_TRUE(ui::IsVisible(Control(*window, "BackKeySet1Btn")));
  EXPECT_TRUE(ui::IsVisible(Control(*window, "LeftKeylayout")));
  EXPECT_FALSE(ui::IsVisible(Control(*window, "BackKeybtn")));
}

TEST_F(NotifyTest, UnreadableControllerKeepsTheMenu) {
  auto window = env.MakeWindow();
  // An edit in memory must survive the failed read: neither defaults nor a half read replace it.
  ControllerDevice& device = window->Device();
  device.config.SetCode(10, 0x09);
  device.config.SetCode(40, 100);
  const ControllerConfig before = device.config;
  ControllerEmulator::Faults faults;
  faults.unplugAfterReports = 0;
  env.emulator->SetFaults(faults);
  Send(*window, "click", Control(*window, "ControlKeybtn"));
  ASSERT_EQ(env.boxes.size(), 1u);
  EXPECT_EQ(env.boxes[0].text, "data reading failure");
  EXPECT_EQ(env.boxes[0].caption, "prompt");
  EXPECT_EQ(env.boxes[0].owner, window->GetHost());
  EXPECT_EQ(window->CurrentPage(),
            Page::kControlKeys);  // the page number moves even though the page stays shut
  EXPECT_TRUE(ui::IsVisible(Control(*window, "ControlKeybtn")));
  EXPECT_FALSE(ui::IsVisible(Control(*window, "ConMSRollUpBtn")));
  for (int slot = 0; slot < 128; ++slot) {
    EXPECT_EQ(device.config.Code(slot), before.Code(slot)) << "slot " << slot;
  }
}

}  // namespace
