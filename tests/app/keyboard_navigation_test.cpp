// SPDX-License-Identifier: GPL-3.0-or-later
// The whole window from a keyboard alone: focus order, arrows, activation, Escape, the key
// picker opened from a slot, and capture while a slot is armed. What a screen reader sees of
// the focus is checked through AT-SPI (atspi_focus_test.py).
#include <gtest/gtest.h>

#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QToolButton>
#include <QWindow>

#include "app/key_picker_popup.h"
#include "tests/app/app_test_env.h"
#include "tests/support/wait_for.h"
#include "ui/control_widget.h"
#include "ui/controls.h"
#include "ui/paint_manager.h"

namespace {

// Keys as X reports them: Qt's key and the X keycode (evdev code + 8).
struct Key {
  int qtKey;
  quint32 keycode;
};
constexpr Key kTab{Qt::Key_Tab, 23}, kReturn{Qt::Key_Return, 36}, kSpace{Qt::Key_Space, 65},
    kEscape{Qt::Key_Escape, 9}, kLeft{Qt::Key_Left, 113}, kUp{Qt::Key_Up, 111},
    kRight{Qt::Key_Right, 114}, kDown{Qt::Key_Down, 116};
constexpr quint32 kLeftShiftKeycode = 50;

std::vector<std::string> Plain(const std::vector<QString>& names) {
  std::vector<std::string> plain;
  for (const QString& name : names) plain.push_back(name.toStdString());
  return plain;
}

class KeyboardNavigationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = env.MakeWindow();
    window->ShowWindow(true);
    ASSERT_TRUE(WaitFor([&] { return window->GetHost()->isActiveWindow(); }));
    window->Deliver(ui::FocusChange::kGained);
  }
  // A key pressed and released on the window, through its whole input path.
  void Press(const Key& key, bool shift = false) {
    QWindow* target = window->GetHost()->windowHandle();
    auto send = [&](QEvent::Type type, int qtKey, quint32 keycode, Qt::KeyboardModifiers mods) {
      QKeyEvent event(type, qtKey, mods, keycode, 0, 0);
      QApplication::sendEvent(target, &event);
    };
    const Qt::KeyboardModifiers mods = shift ? Qt::ShiftModifier : Qt::NoModifier;
    const int qtKey = shift && key.qtKey == Qt::Key_Tab ? int(Qt::Key_Backtab) : key.qtKey;
    if (shift) send(QEvent::KeyPress, Qt::Key_Shift, kLeftShiftKeycode, Qt::NoModifier);
    send(QEvent::KeyPress, qtKey, key.keycode, mods);
    send(QEvent::KeyRelease, qtKey, key.keycode, mods);
    if (shift) send(QEvent::KeyRelease, Qt::Key_Shift, kLeftShiftKeycode, Qt::ShiftModifier);
    QApplication::processEvents();
  }
  QString Focused() {
    const CControlUI* focus = window->GetManager().GetFocus();
    return focus != nullptr ? focus->GetName() : QString();
  }
  std::vector<std::string> TabThrough(int count, bool shift = false) {
    std::vector<QString> names;
    for (int i = 0; i < count; ++i) {
      Press(kTab, shift);
      names.push_back(Focused());
    }
    return Plain(names);
  }
  QString SpokenName(const char* control) {
    return Control(*window, control)->GetWidget()->accessibleName();
  }
  QWidget* Ring() { return window->GetHost()->findChild<QWidget*>("focusring"); }

  AppTestEnv env;
  std::unique_ptr<MainWindow> window;
};

TEST_F(KeyboardNavigationTest, TabAndShiftTabGoThroughTheShownEnabledControlsInReadingOrder) {
  EXPECT_EQ(Ring(), nullptr);  // no ring before the keyboard is used
  // The first Tab shows the focus on the page's first control, below the title bar.
  EXPECT_EQ(TabThrough(7),
            (std::vector<std::string>{"BackKeybtn", "ControlKeybtn", "BackKeyHelpbtn",
                                      "ControlKeyHelpbtn", "minbtn", "closebtn", "BackKeybtn"}));
  EXPECT_EQ(TabThrough(2, true), (std::vector<std::string>{"closebtn", "minbtn"}));
  // The ring surrounds the focused control; the pointer hides it.
  ASSERT_NE(Ring(), nullptr);
  EXPECT_TRUE(Ring()->isVisible());
  const QRect button(Control(*window, "minbtn")->GetWidget()->mapTo(window->GetHost(), QPoint()),
                     Control(*window, "minbtn")->GetWidget()->size());
  EXPECT_TRUE(Ring()->geometry().contains(button));
  window->GetManager().SetFocusVisible(false);
  EXPECT_FALSE(Ring()->isVisible());

  // On the rear-button page (L4's steps beside R4's, row by row) the delay selectors of empty
  // steps are disabled and skipped; the steps that may not be armed yet are not.
  Click(*window, "BackKeybtn");
  // The selectors follow their steps: L4's second step is empty, so the delay after it (combo
  // 2) is disabled and skipped; R4's holds a key.
  window->Deliver(ui::Tick{});
  window->GetManager().SetFocusVisible(true);
  window->GetManager().FocusFirst();
  EXPECT_EQ(Focused(), "BackKeySet1Btn");
  EXPECT_EQ(TabThrough(6),
            (std::vector<std::string>{"BackKeySet5Btn", "BackKeyTimeCombo1", "BackKeyTimeCombo4",
                                      "BackKeySet2Btn", "BackKeySet6Btn", "BackKeyTimeCombo5"}));
}

TEST_F(KeyboardNavigationTest, ArrowsMoveToTheNearestControlAndStepAFocusedSlider) {
  Click(*window, "ControlKeybtn");
  Press(kDown);  // shows the focus on the first control
  EXPECT_EQ(Focused(), "ConKeyWBtn");
  std::vector<QString> path;
  for (const Key& key : {kRight, kLeft, kDown, kLeft, kUp, kUp}) {
    Press(key);
    path.push_back(Focused());
  }
  // W, A, S, D form a cross with A and D half a key lower than W; above W is only the title
  // bar, where the minimise button is nearer than the close button.
  EXPECT_EQ(Plain(path), (std::vector<std::string>{"ConKeyDBtn", "ConKeyWBtn", "ConKeySBtn",
                                                   "ConKeyABtn", "ConKeyWBtn", "minbtn"}));

  // A slider takes left and right as steps of its value, reported as the user's change.
  ui::SetFocus(Control(*window, "LS_CenterDzSlider"));
  Press(kRight);
  Press(kRight);
  EXPECT_EQ(Focused(), "LS_CenterDzSlider");
  EXPECT_EQ(ui::GetSliderValue(Control(*window, "LS_CenterDzSlider")), 2);
  EXPECT_EQ(ui::GetText(Control(*window, "LsCenterDzValue")), "2");
  Press(kLeft);
  Press(kLeft);
  Press(kLeft);  // at the bottom already
  EXPECT_EQ(ui::GetSliderValue(Control(*window, "LS_CenterDzSlider")), 0);
  Press(kUp);  // up and down still move the focus
  EXPECT_NE(Focused(), "LS_CenterDzSlider");
}

TEST_F(KeyboardNavigationTest, EnterAndSpaceActivateTheFocusedControlOnRelease) {
  Press(kTab);
  Press(kTab);
  ASSERT_EQ(Focused(), "ControlKeybtn");
  // A release whose press went to another window (a message box closed by Enter) does nothing.
  ui::KeyEvent stray;
  stray.virtualKey = 0x0D;
  stray.scanCode = 0x1C;
  stray.pressed = false;
  stray.pressSeen = false;
  window->Deliver(stray);
  EXPECT_EQ(window->CurrentPage(), Page::kMainMenu);
  Press(kReturn);
  EXPECT_EQ(window->CurrentPage(), Page::kControlKeys);
  EXPECT_EQ(Focused(), "ConKeyWBtn");  // the new page's first control

  // Space clicks an option.
  ui::SetFocus(Control(*window, "Vib0"));
  Press(kSpace);
  EXPECT_EQ(Attr(*window, "Vib0", "selected"), "true");
  EXPECT_EQ(window->Device().config.Code(44), 0);  // rumble off

  // Enter opens a delay selector's list.
  Press(kEscape);
  Click(*window, "BackKeybtn");
  window->SetSlotImage(25, "Key_A.png");
  window->Deliver(ui::Tick{});  // the selectors follow their steps
  CControlUI* combo = Control(*window, "BackKeyTimeCombo1");
  ASSERT_EQ(Attr(*window, "BackKeyTimeCombo1", "enabled"), "true");
  ui::SetFocus(combo);
  Press(kReturn);
  EXPECT_TRUE(static_cast<ui::ControlWidget*>(combo->GetWidget())->Combo()->view()->isVisible());
  static_cast<ui::ControlWidget*>(combo->GetWidget())->Combo()->hidePopup();
}

TEST_F(KeyboardNavigationTest, EscapeOnASettingsPageIsBackAndOnTheMainMenuNothing) {
  Press(kEscape);
  EXPECT_EQ(window->CurrentPage(), Page::kMainMenu);
  EXPECT_TRUE(window->GetHost()->isVisible());
  Click(*window, "BackKeybtn");
  Press(kEscape);
  EXPECT_EQ(window->CurrentPage(), Page::kMainMenu);
  EXPECT_TRUE(ui::IsVisible(Control(*window, "BackKeybtn")));
  Click(*window, "ControlKeybtn");
  Press(kEscape);
  EXPECT_EQ(window->CurrentPage(), Page::kMainMenu);
}

TEST_F(KeyboardNavigationTest, EnterOnAKeySlotOpensItsPickerWhoseArrowsEnterAndEscapeWork) {
  Click(*window, "ControlKeybtn");
  Press(kDown);
  ASSERT_EQ(Focused(), "ConKeyWBtn");
  Press(kReturn);
  KeyPickerPopup* picker = window->OpenPicker();
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(picker->Current(), 0);
  // From A: right to B, down to the next row's second key, P (the first row is A to O).
  Press(kRight);
  Press(kDown);
  ASSERT_GE(picker->Current(), 0);
  EXPECT_EQ(picker->Buttons()[static_cast<std::size_t>(picker->Current())]->accessibleName(), "P");
  Press(kReturn);
  EXPECT_TRUE(WaitFor([&] { return window->OpenPicker() == nullptr; }));
  EXPECT_EQ(SpokenName("ConKeyWBtn"), "W: P");
  // Nothing stays armed: the focus is back on the slot and Tab moves it on.
  EXPECT_TRUE(WaitFor([&] { return Focused() == "ConKeyWBtn"; }));
  EXPECT_EQ(window->SelectedSlot(), 0xFFFFu);
  Press(kTab);
  EXPECT_EQ(Focused(), "ConKeyABtn");  // the row below W
  EXPECT_EQ(SpokenName("ConKeyWBtn"), "W: P");

  // Space opens it too; Escape closes it unchanged, and Tab is still no key to capture.
  ui::SetFocus(Control(*window, "ConKeyWBtn"));
  Press(kSpace);
  ASSERT_NE(window->OpenPicker(), nullptr);
  Press(kTab);
  Press(kEscape);
  EXPECT_TRUE(WaitFor([&] { return window->SelectedSlot() == 0xFFFFu; }));
  EXPECT_EQ(window->OpenPicker(), nullptr);
  EXPECT_EQ(window->CurrentPage(), Page::kControlKeys);  // Escape closed the picker only
  EXPECT_EQ(SpokenName("ConKeyWBtn"), "W: P");
}

TEST_F(KeyboardNavigationTest, AnArmedSlotCapturesTabEnterAndEscapeInsteadOfNavigating) {
  Click(*window, "ControlKeybtn");
  Press(kDown);
  ASSERT_EQ(Focused(), "ConKeyWBtn");
  Click(*window, "ConKeyWBtn");  // a click arms it, as always
  ASSERT_NE(window->SelectedSlot(), 0xFFFFu);
  Press(kTab);
  EXPECT_EQ(SpokenName("ConKeyWBtn"), "W: TAB");
  EXPECT_EQ(Focused(), "ConKeyWBtn");
  Press(kReturn);
  EXPECT_EQ(SpokenName("ConKeyWBtn"), "W: Enter");
  EXPECT_EQ(window->OpenPicker(), nullptr);
  Press(kEscape);
  EXPECT_EQ(SpokenName("ConKeyWBtn"), "W: Esc");
  EXPECT_EQ(window->CurrentPage(), Page::kControlKeys);
  Press(kRight);
  EXPECT_EQ(Focused(), "ConKeyWBtn");
}

}  // namespace
