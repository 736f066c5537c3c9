// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QToolButton>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "app/key_picker_popup.h"
#include "device/controller_device.h"
#include "sysinfo/system_language.h"
#include "tests/app/app_test_env.h"
#include "ui/controls.h"
#include "ui/paint_manager.h"

// Rules of the window's wiring that single-line changes broke without any other test noticing:
// each is driven through the real window path, against the emulated controller.
namespace {

// Trace lines of one kind ("Type:0" is a slot shown on a page, "Type:1" a captured key).
int CountLines(const std::vector<std::wstring>& trace, const std::wstring& prefix) {
  return static_cast<int>(std::count_if(trace.begin(), trace.end(), [&](const std::wstring& line) {
    return line.rfind(prefix, 0) == 0;
  }));
}

class WiringTest : public ::testing::Test {
 protected:
  void SetUp() override {
    env.context.trace = [this](const std::wstring& line) { trace.push_back(line); };
  }
  std::unique_ptr<MainWindow> Open() {
    auto window = env.MakeWindow();
    window->Deliver(ui::FocusChange::kGained);
    return window;
  }
  AppTestEnv env;
  std::vector<std::wstring> trace;
};

TEST_F(WiringTest, SaveOnTheRearButtonPageReloadsThatPageAndDisarms) {
  env.emulator->SetWord(26, 0);
  auto window = Open();
  Click(*window, "BackKeybtn");
  Click(*window, "BackKeySet1Btn");
  window->Deliver(KeyUp('A', 0x1E));
  // Step 2 is empty: the next tick disables its delay; only a reload enables it again.
  window->Deliver(ui::Tick{});
  ASSERT_EQ(Attr(*window, "BackKeyTimeCombo1", "enabled"), "true");
  ASSERT_EQ(Attr(*window, "BackKeyTimeCombo2", "enabled"), "false");
  trace.clear();

  Click(*window, "Savebtn");
  EXPECT_EQ(env.emulator->Word(25), 0x04);
  // The rear-button page, and only it, was filled again from the controller.
  EXPECT_EQ(CountLines(trace, L"Type:0"), 8);
  EXPECT_EQ(Attr(*window, "BackKeyTimeCombo2", "enabled"), "true");
  EXPECT_EQ(window->CurrentPage(), Page::kBackKeys);
  // Nothing armed: no button looks pressed and a key goes nowhere.
  EXPECT_EQ(window->SelectedSlot(), 0xFFFFu);
  EXPECT_EQ(Attr(*window, "BackKeySet1Btn", "normalimage"), "");
  window->Deliver(KeyUp('Q', 0x10));
  EXPECT_EQ(window->Device().config.Code(25), 0x04);
  EXPECT_EQ(Attr(*window, "BackKeySet1Btn", "bkimage"), "Key_A.png");
}

TEST_F(WiringTest, ASlotMenuArmsLikeAClickAndItsPickIsNamedAndKept) {
  auto window = Open();
  Click(*window, "BackKeybtn");
  // Step 3 waits for step 2, which is empty: no picker, nothing armed.
  Notify(*window, "menu", "BackKeySet3Btn");
  EXPECT_EQ(window->OpenPicker(), nullptr);
  EXPECT_EQ(window->SelectedSlot(), 0xFFFFu);

  Notify(*window, "menu", "BackKeySet2Btn");
  ASSERT_NE(window->OpenPicker(), nullptr);
  EXPECT_EQ(window->SelectedSlot(), 26u);
  EXPECT_EQ(Attr(*window, "BackKeySet2Btn", "normalimage"), "Key_push.png");
  // 26 letters, 10 digits, 12 F-keys, 19 others, 7 modifiers, 16 numpad, 11 symbols, 25
  // gamepad inputs and "none".
  EXPECT_EQ(window->OpenPicker()->Buttons().size(), 127u);
  window->PickKey(0x3E);
  EXPECT_EQ(window->Device().config.Code(26), 0x3E);
  EXPECT_EQ(Attr(*window, "BackKeySet2Btn", "bkimage"), "F5.png");
  EXPECT_EQ(Attr(*window, "BackKeySet2Btn", "accname"), "L4 step 2: F5");
  Click(*window, "Savebtn");
  EXPECT_EQ(env.emulator->Word(26), 0x3E);
  EXPECT_EQ(Attr(*window, "BackKeySet2Btn", "accname"), "L4 step 2: F5");

  Click(*window, "Backbtn");
  Click(*window, "ControlKeybtn");
  Notify(*window, "menu", "ConKeyWBtn");
  ASSERT_NE(window->OpenPicker(), nullptr);
  EXPECT_EQ(window->OpenPicker()->Buttons().size(), 104u);  // the wheel instead of the gamepad
}

// The picker says which slot it fills and offers its way out, in the window's language.
TEST_F(WiringTest, ThePickerNamesItsSlotAndClosesByItsButtonInTheWindowsLanguage) {
  for (const bool chinese : {false, true}) {
    env.SetLanguage(chinese ? kLangChinesePrc : kLangEnglishUs);
    auto window = Open();
    Click(*window, "BackKeybtn");
    Notify(*window, "menu", "BackKeySet2Btn");
    KeyPickerPopup* picker = window->OpenPicker();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->TitleLabel()->text(), chinese ? "L4 第 2 步" : "L4 step 2");
    EXPECT_EQ(picker->CloseButton()->accessibleName(), chinese ? "关闭" : "Close");
    std::map<QString, QString> shown;
    for (QToolButton* key : picker->Buttons()) shown[key->accessibleName()] = key->text();
    EXPECT_EQ(shown["none"], chinese ? "无" : "none");
    EXPECT_EQ(shown["RightCtrl"], chinese ? "右" : "Right");
    EXPECT_EQ(shown["Num1"], chinese ? "小键盘" : "Num");
    EXPECT_EQ(shown["PadHome"], chinese ? "手柄" : "Pad");
    EXPECT_EQ(shown["Rocker_A"], "");
    picker->CloseButton()->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->OpenPicker(), nullptr);
    EXPECT_EQ(window->Device().config.Code(26), 0);

    Click(*window, "Backbtn");
    Click(*window, "ControlKeybtn");
    Notify(*window, "menu", "ConMSRollUpBtn");
    ASSERT_NE(window->OpenPicker(), nullptr);
    EXPECT_EQ(window->OpenPicker()->TitleLabel()->text(), chinese ? "滚轮上" : "Wheel up");
    window->OpenPicker()->close();
  }
}

TEST_F(WiringTest, RestoreDisarmsOnBothPages) {
  auto window = Open();
  Click(*window, "BackKeybtn");
  Click(*window, "BackKeySet5Btn");
  ASSERT_EQ(window->SelectedSlot(), 29u);
  Click(*window, "Reductionbtn");
  EXPECT_EQ(window->SelectedSlot(), 0xFFFFu);
  EXPECT_EQ(Attr(*window, "BackKeySet5Btn", "normalimage"), "");
  window->Deliver(KeyUp('Q', 0x10));
  EXPECT_EQ(window->Device().config.Code(29), 0);
  EXPECT_EQ(Attr(*window, "BackKeySet5Btn", "bkimage"), "NC.png");

  Click(*window, "Backbtn");
  Click(*window, "ControlKeybtn");
  Click(*window, "ConKeyWBtn");
  ASSERT_EQ(window->SelectedSlot(), 8u);
  Click(*window, "Reductionbtn");
  EXPECT_EQ(window->SelectedSlot(), 0xFFFFu);
  EXPECT_EQ(Attr(*window, "ConKeyWBtn", "normalimage"), "");
  window->Deliver(ui::WheelEvent{120});
  window->Deliver(KeyUp('Q', 0x10));
  EXPECT_EQ(window->Device().config.Code(8), 0x1A);  // the factory W
  EXPECT_EQ(Attr(*window, "ConKeyWBtn", "bkimage"), "Key_W.png");
}

TEST_F(WiringTest, AWheelTurnWithoutFocusChangesNothing) {
  auto window = Open();
  Click(*window, "ControlKeybtn");
  Click(*window, "ConMSRollUpBtn");
  window->Deliver(ui::FocusChange::kLost);
  trace.clear();
  EXPECT_TRUE(window->Deliver(ui::WheelEvent{-120}));  // kept from the toolkit too
  EXPECT_EQ(window->Device().config.Code(0), 0xE8);
  EXPECT_EQ(Attr(*window, "ConMSRollUpBtn", "bkimage"), "MS_UP.png");
  EXPECT_EQ(window->SelectedSlot(), 0u);
  EXPECT_TRUE(trace.empty());
  // The same turn with the focus back is captured.
  window->Deliver(ui::FocusChange::kGained);
  EXPECT_FALSE(window->Deliver(ui::WheelEvent{-120}));
  EXPECT_EQ(window->Device().config.Code(0), 0xE9);
  EXPECT_EQ(Attr(*window, "ConMSRollUpBtn", "bkimage"), "MS_DOWN.png");
}

// Notes when each gamepad tick reaches the poll.
class TickTimingWindow : public MainWindow {
 public:
  using MainWindow::MainWindow;
  bool PollGamepad() override {
    times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    return MainWindow::PollGamepad();
  }
  QElapsedTimer clock;
  std::vector<double> times;
};

TEST_F(WiringTest, TheGamepadTickComesEveryTenMilliseconds) {
  auto window = env.MakeWindow<TickTimingWindow>();
  window->clock.start();
  window->Deliver(ui::FocusChange::kGained);
  Click(*window, "BackKeybtn");
  EXPECT_EQ(RunLoopFor(400), 99);
  ASSERT_GE(window->times.size(), 10u);
  std::vector<double> periods;
  for (std::size_t i = 1; i < window->times.size(); ++i) {
    periods.push_back(window->times[i] - window->times[i - 1]);
  }
  std::sort(periods.begin(), periods.end());
  const double median = periods[periods.size() / 2];
  // Timers on a busy machine come late now and then, never early by much: the median tells
  // the period.
  EXPECT_GE(median, 8.0);
  EXPECT_LE(median, 14.0);
}

TEST_F(WiringTest, AnExchangeIsRetriedAtMostOnceAfterTheNodeDisappears) {
  // Once `vanishing` is set, every node the search finds is gone again before it is used.
  int opens = 0;
  bool vanishing = false;
  std::shared_ptr<EmulatedPlug> plug = env.plug;
  env.context.openController = [&opens, &vanishing, plug] {
    ++opens;
    ControllerSearch search = plug->Open();
    if (vanishing) plug->Replug();
    return search;
  };
  auto window = Open();
  ASSERT_EQ(opens, 1);
  vanishing = true;
  plug->Replug();

  opens = 0;
  Click(*window, "ControlKeybtn");  // one read
  EXPECT_EQ(opens, 1);
  ASSERT_EQ(env.boxes.size(), 1u);
  EXPECT_EQ(env.boxes[0].text, "data reading failure");

  opens = 0;
  Click(*window, "Savebtn");  // one write, then the reload's read
  EXPECT_EQ(opens, 2);
  ASSERT_EQ(env.boxes.size(), 2u);
  EXPECT_EQ(env.boxes[1].text, "Save failed !");
}

TEST_F(WiringTest, AReadAndAWriteTakeTheirPausesOnTheRealClock) {
  QElapsedTimer clock;
  qint64 messageAt = 0;
  env.context.showMessage = [&](const ShownMessage& message) {
    messageAt = clock.elapsed();
    env.boxes.push_back(message);
  };
  MainWindow window(env.context);  // the pauses are the program's own, not a test's
  window.Create(nullptr, QStringLiteral("PadMainWindow"));
  ASSERT_TRUE(window.Started());

  clock.start();
  Click(window, "ControlKeybtn");
  EXPECT_GE(clock.elapsed(), 55);
  EXPECT_TRUE(env.boxes.empty());

  clock.restart();
  Click(window, "Savebtn");
  ASSERT_EQ(env.boxes.size(), 1u);
  EXPECT_EQ(env.boxes[0].text, "Saved successfully !");
  EXPECT_GE(messageAt, 60);  // the write alone, before the page is read again
}

TEST_F(WiringTest, SystemKeysRumbleAndDeadZoneSlidersEachDoTheirPart) {
  auto window = Open();
  Click(*window, "ControlKeybtn");
  const std::vector<std::uint16_t> before = [&] {
    std::vector<std::uint16_t> codes;
    for (int slot = 0; slot < 128; ++slot) codes.push_back(window->Device().config.Code(slot));
    return codes;
  }();
  trace.clear();
  // Alt and F10 with nothing armed: kept from the toolkit, nothing traced or stored.
  EXPECT_TRUE(window->Deliver(SysKeyDown(0x12, 0x38)));
  EXPECT_TRUE(window->Deliver(SysKeyDown(0x79, 0x44)));
  EXPECT_TRUE(trace.empty());
  for (int slot = 0; slot < 128; ++slot) {
    EXPECT_EQ(window->Device().config.Code(slot), before[static_cast<std::size_t>(slot)]) << slot;
  }

  Click(*window, "Vib0");
  EXPECT_EQ(window->Device().config.Code(33), 0);
  Click(*window, "Vib1");
  EXPECT_EQ(window->Device().config.Code(33), 1);

  ui::SetSliderValue(Control(*window, "LS_CenterDzSlider"), 9);
  ui::SetSliderValue(Control(*window, "RS_BoundaryDzSlider"), 20);
  Notify(*window, "valuechanged", "RS_BoundaryDzSlider");
  EXPECT_EQ(ui::GetText(Control(*window, "RsBoundaryDzValue")), "20");
  EXPECT_EQ(ui::GetText(Control(*window, "LsCenterDzValue")), "0");  // not its slider
  EXPECT_EQ(window->Device().config.Code(37), 20 << 8);
  EXPECT_EQ(window->Device().config.Code(36), 9);  // every slider is stored
  Notify(*window, "valuechanged", "LS_CenterDzSlider");
  EXPECT_EQ(ui::GetText(Control(*window, "LsCenterDzValue")), "9");
  EXPECT_EQ(ui::GetText(Control(*window, "RsBoundaryDzValue")), "20");
}

}  // namespace
