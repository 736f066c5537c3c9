// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "device/controller_device.h"
#include "tests/app/app_test_env.h"
#include "tests/app/fake_gamepad_source.h"
#include "ui/controls.h"
#include "ui/paint_manager.h"
#include "app/key_picker_popup.h"
#include "tests/support/wait_for.h"

#include <QApplication>
#include <QToolButton>

namespace {

class GamepadPollTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = env.MakeWindow();
    window->SetGamepadSource(&pad);
  }
  // The rear-button page with slot 25 (first step of L4) armed, focus on the window.
  void ArmFirstStep() {
    window->Deliver(ui::FocusChange::kGained);
    Click(*window, Control(*window, "BackKeybtn"));
    Click(*window, Control(*window, "BackKeySet1Btn"));
    ASSERT_EQ(window->CurrentPage(), Page::kBackKeys);
    ASSERT_EQ(window->SelectedSlot(), 25u);
  }
  // One tick; returns whether the poll kept it to itself.
  bool Tick() { return window->Deliver(ui::Tick{}); }
  std::uint16_t Slot(int slot) { return window->Device().config.Code(slot); }
  QString FirstStepPicture() { return Attr(*window, "BackKeySet1Btn", "bkimage"); }

  AppTestEnv env;
  FakeGamepadSource pad;
  std::unique_ptr<MainWindow> window;
};

std::vector<std::uint16_t> CodesOf(const ControllerConfig& config) {
  std::vector<std::uint16_t> codes;
  for (const KeyMapEntry& entry : config.entries) codes.push_back(entry.code);
  return codes;
}

GamepadState Held(std::uint16_t buttons) {
  GamepadState state;
  state.buttons = buttons;
  return state;
}

TEST_F(GamepadPollTest, HeldInputsRewriteTheArmedSlotOnEveryTickAndTheLastControllerWins) {
  ArmFirstStep();
  env.emulator->ResetCounters();
  pad.readings[0] = Held(0x1000);
  EXPECT_FALSE(Tick());
  EXPECT_EQ(Slot(25), 0xFF05);
  EXPECT_EQ(FirstStepPicture(), "Rocker_A.png");
  EXPECT_EQ(window->SelectedSlot(), 25u);  // still armed
  // A key typed meanwhile is replaced on the next tick while A stays down.
  window->Device().config.SetCode(25, 0x09);
  EXPECT_FALSE(Tick());
  EXPECT_EQ(Slot(25), 0xFF05);

  // Index 0 pushes the left stick and R2 (R2 comes later), index 1 holds Y: index 1 wins.
  GamepadState stickAndTrigger;
  stickAndTrigger.leftX = -4097;
  stickAndTrigger.rightTrigger = 33;
  pad.readings[0] = stickAndTrigger;
  pad.readings[1] = Held(0x8000);
  Tick();
  EXPECT_EQ(Slot(25), 0xFF08);
  EXPECT_EQ(FirstStepPicture(), "Rocker_Y.png");
  pad.readings[1].reset();  // index 1 stops answering
  Tick();
  EXPECT_EQ(Slot(25), 0xFF15);
  EXPECT_EQ(FirstStepPicture(), "R2.png");
  EXPECT_EQ(env.emulator->GetCounters().sends, 0);  // capture never talks to the controller
}

TEST_F(GamepadPollTest, WithoutFocusThePadIsNotReadAndOffTheRearPageItFillsNoSlot) {
  ArmFirstStep();
  pad.readings[0] = Held(0x1000);
  const ControllerConfig before = window->Device().config;
  const QString firstStep = FirstStepPicture();

  window->Deliver(ui::FocusChange::kLost);
  const int readsBefore = pad.reads;
  EXPECT_TRUE(Tick());  // kept: the toolkit never sees it
  EXPECT_EQ(pad.reads, readsBefore);
  window->Deliver(ui::FocusChange::kGained);
  Click(*window, Control(*window, "Backbtn"));
  EXPECT_FALSE(Tick());
  Click(*window, Control(*window, "ControlKeybtn"));
  Click(*window, Control(*window, "ConKeyABtn"));
  ASSERT_EQ(window->SelectedSlot(), 10u);
  const QString controlKeyA = Attr(*window, "ConKeyABtn", "bkimage");
  EXPECT_FALSE(Tick());

  // Read for navigation, but an armed slot off the rear-button page takes no pad input.
  EXPECT_GT(pad.reads, readsBefore);
  EXPECT_EQ(window->SelectedSlot(), 10u);
  EXPECT_EQ(CodesOf(window->Device().config), CodesOf(before));
  EXPECT_EQ(FirstStepPicture(), firstStep);
  EXPECT_EQ(Attr(*window, "ConKeyABtn", "bkimage"), controlKeyA);
}

TEST_F(GamepadPollTest, DelaySelectorsFollowTheirStepsWithOrWithoutSlotAndPad) {
  ArmFirstStep();
  window->SelectSlot(0xFFFF);
  GamepadState everything = Held(0x1000);
  everything.leftX = 30000;
  everything.leftTrigger = 255;
  pad.readings[0] = everything;
  const ControllerConfig before = window->Device().config;

  // Steps 1..8; the fourth and eighth govern no selector.
  const char* const pictures[8] = {"Key_A.png", "NC.png", "",       "Key_B.png",
                                   "NC.png",    "L2.png", "NC.png", "NC.png"};
  for (int step = 0; step < 8; ++step) window->SetSlotImage(25 + step, pictures[step]);
  auto steps = [&] {
    std::vector<QString> values;
    for (int step = 1; step <= 8; ++step) {
      values.push_back(
          Attr(*window, ("BackKeySet" + std::to_string(step) + "Btn").c_str(), "bkimage"));
    }
    return values;
  };
  const std::vector<QString> stepsBefore = steps();

  auto selectors = [&] {
    std::vector<QString> values;
    for (int i = 1; i <= 6; ++i) {
      const std::string name = "BackKeyTimeCombo" + std::to_string(i);
      values.push_back(Attr(*window, name.c_str(), "enabled"));
    }
    return values;
  };
  EXPECT_FALSE(Tick());
  EXPECT_EQ(selectors(), (std::vector<QString>{"true", "false", "true", "false", "true", "false"}));
  // No slot armed: the pad's inputs change neither the record nor any button.
  EXPECT_EQ(CodesOf(window->Device().config), CodesOf(before));
  EXPECT_EQ(steps(), stepsBefore);

  // No pad at all: the selectors still follow, both ways.
  window->SetGamepadSource(nullptr);
  const char* const flipped[8] = {"NC.png",  "nc.png", "NC.png", "NC.png",
                                  "NC.png ", "NC.png", "",       "Key_D.png"};
  for (int step = 0; step < 8; ++step) window->SetSlotImage(25 + step, flipped[step]);
  EXPECT_FALSE(Tick());
  EXPECT_EQ(selectors(), (std::vector<QString>{"false", "true", "false", "true", "false", "true"}));
}

// Counts the timer ticks that reach the gamepad poll.
class TickCountingWindow : public MainWindow {
 public:
  using MainWindow::MainWindow;
  int ticks = 0;
  bool PollGamepad() override {
    ++ticks;
    return MainWindow::PollGamepad();
  }
};

TEST(GamepadTickTest, TicksOnlyOnTheRearPageWithFocusAfterASuccessfulStart) {
  AppTestEnv env;
  auto window = env.MakeWindow<TickCountingWindow>();
  auto ticksDuring = [&](int ms) {
    const int before = window->ticks;
    EXPECT_EQ(RunLoopFor(ms), 99);
    return window->ticks - before;
  };
  auto click = [&](CControlUI* sender) { Click(*window, sender); };
  window->Deliver(ui::FocusChange::kGained);
  EXPECT_EQ(ticksDuring(100), 0);  // main menu
  click(Control(*window, "BackKeybtn"));
  EXPECT_GE(ticksDuring(150), 3);
  window->Deliver(ui::FocusChange::kLost);
  EXPECT_EQ(ticksDuring(100), 0);
  window->Deliver(ui::FocusChange::kGained);
  EXPECT_GE(ticksDuring(150), 3);
  click(Control(*window, "Backbtn"));
  EXPECT_EQ(ticksDuring(100), 0);
  click(Control(*window, "ControlKeybtn"));
  EXPECT_EQ(ticksDuring(100), 0);

  env.Unplug();
  auto failed = env.MakeWindow<TickCountingWindow>();
  EXPECT_EQ(RunLoopFor(3000), 0);
  Click(*failed, Control(*failed, "BackKeybtn"));  // the page stays shut, the page number moves
  ASSERT_EQ(failed->CurrentPage(), Page::kBackKeys);
  failed->Deliver(ui::FocusChange::kGained);
  EXPECT_EQ(RunLoopFor(150), 99);
  EXPECT_EQ(failed->ticks, 0);
}

}  // namespace

namespace {

class PadNavigationTest : public GamepadPollTest {
 protected:
  // One poll with the pad in this state, then what the window does with it.
  void Poll(std::uint16_t buttons) {
    pad.readings[0] = Held(buttons);
    Tick();
    // A closed picker goes, and what waits for its going runs, as in the window's own loop.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
  }
  // A button pressed and released over two polls.
  void Tap(std::uint16_t button) {
    Poll(button);
    Poll(0);
  }
  QString Focused() {
    const CControlUI* focus = window->GetManager().GetFocus();
    return focus != nullptr ? focus->GetName() : QString();
  }
  static constexpr std::uint16_t kUp = 0x0001, kDown = 0x0002, kRight = 0x0008, kA = 0x1000,
                                 kB = 0x2000;
};

TEST_F(PadNavigationTest, DpadMovesAOpensAndPicksBGoesBackAndAnArmedSlotTakesThePadInstead) {
  pad.readings[0] = Held(0);
  window->ShowWindow(true);
  window->Deliver(ui::FocusChange::kGained);
  Poll(0);
  Tap(kRight);  // the first move shows the focus on the page's first control
  EXPECT_EQ(Focused(), "BackKeybtn");
  Tap(kRight);
  EXPECT_EQ(Focused(), "ControlKeybtn");
  Tap(kA);
  EXPECT_EQ(window->CurrentPage(), Page::kControlKeys);
  EXPECT_EQ(Focused(), "ConKeyWBtn");

  // A on a key slot opens its picker; the D-pad moves between keys, A picks, nothing stays armed.
  Tap(kA);
  KeyPickerPopup* picker = window->OpenPicker();
  ASSERT_NE(picker, nullptr);
  Tap(kRight);
  Tap(kDown);
  EXPECT_EQ(picker->Buttons()[static_cast<std::size_t>(picker->Current())]->accessibleName(), "P");
  Tap(kA);
  EXPECT_TRUE(WaitFor([&] { return window->SelectedSlot() == 0xFFFFu; }));
  EXPECT_EQ(window->OpenPicker(), nullptr);
  EXPECT_EQ(Control(*window, "ConKeyWBtn")->GetWidget()->accessibleName(), "W: P");
  EXPECT_EQ(Focused(), "ConKeyWBtn");
  // B closes an open picker unchanged, and on a page is Back.
  Tap(kA);
  ASSERT_NE(window->OpenPicker(), nullptr);
  Tap(kB);
  EXPECT_TRUE(WaitFor([&] { return window->SelectedSlot() == 0xFFFFu; }));
  EXPECT_EQ(window->CurrentPage(), Page::kControlKeys);
  EXPECT_EQ(Control(*window, "ConKeyWBtn")->GetWidget()->accessibleName(), "W: P");
  Tap(kB);
  EXPECT_EQ(window->CurrentPage(), Page::kMainMenu);

  // On the rear-button page a slot armed by a click takes the pad's input, which moves nothing.
  Click(*window, "BackKeybtn");
  Click(*window, "BackKeySet1Btn");
  ASSERT_EQ(window->SelectedSlot(), 25u);
  const QString before = Focused();
  Poll(kA);
  EXPECT_EQ(Slot(25), 0xFF05);
  Poll(kRight);
  EXPECT_EQ(FirstStepPicture(), "Handle_Right.png");
  EXPECT_EQ(Focused(), before);
  EXPECT_EQ(window->SelectedSlot(), 25u);
}

TEST(PadTickTest, WithAPadEveryPageIsPolledAndWithoutOneOnlyTheRearPage) {
  AppTestEnv env;
  FakeGamepadSource pad;
  auto window = env.MakeWindow<TickCountingWindow>();
  window->SetGamepadSource(&pad);
  auto ticksDuring = [&](int ms) {
    const int before = window->ticks;
    EXPECT_EQ(RunLoopFor(ms), 99);
    return window->ticks - before;
  };
  window->Deliver(ui::FocusChange::kGained);
  EXPECT_EQ(ticksDuring(100), 0);  // no pad: the main menu sleeps
  EXPECT_EQ(pad.reads, 1);         // looked once, as the focus came
  pad.readings[0] = GamepadState{};
  window->Deliver(ui::FocusChange::kLost);
  window->Deliver(ui::FocusChange::kGained);
  EXPECT_GE(ticksDuring(150), 3);
  Click(*window, Control(*window, "ControlKeybtn"));
  EXPECT_GE(ticksDuring(150), 3);
  // The pad goes away: its next poll stops the tick off the rear-button page.
  pad.readings[0].reset();
  ticksDuring(50);
  EXPECT_EQ(ticksDuring(100), 0);
  window->Deliver(ui::FocusChange::kLost);
  EXPECT_EQ(ticksDuring(100), 0);
}

}  // namespace
