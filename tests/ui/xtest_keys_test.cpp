// SPDX-License-Identifier: GPL-3.0-or-later
// Real key events from the X server, sent through XTEST by keycode, must reach the window as
// key events with the same virtual keys, scan codes and flags as the offscreen tests expect.
#include <gtest/gtest.h>

#include <QApplication>

#include "keynumbers/key_constants.h"
#include "tests/ui/ui_test_support.h"
#include "tests/ui/xtest_input.h"

namespace {

struct Expected {
  unsigned keycode;
  const char* name;
  bool system;
  std::uint32_t vk;
  std::uint32_t scan;
  bool extended;
};

const Expected kKeys[] = {
    {37, "left Ctrl", false, vk::kControl, 0x1D, false},
    {105, "right Ctrl", false, vk::kControl, 0x1D, true},
    {50, "left Shift", false, vk::kShift, 0x2A, false},
    {62, "right Shift", false, vk::kShift, 0x36, false},
    {64, "left Alt", true, vk::kMenu, 0x38, false},
    {108, "right Alt", true, vk::kMenu, 0x38, true},
    {36, "Return", false, vk::kReturn, 0x1C, false},
    {104, "keypad Enter", false, vk::kReturn, 0x1C, true},
    {76, "F10", true, vk::kF10, 0x44, false},
    {77, "Num Lock", false, vk::kNumLock, 0x45, true},
};

}  // namespace

TEST(RealKeys, XTestKeysReachTheWindowWithScanCodesAndFlags) {
  XTestInput keyboard;
  if (!keyboard.Usable()) GTEST_SKIP() << "no X display with the XTEST extension";

  qputenv("QT_QPA_PLATFORM", "xcb");
  int argc = 1;
  char name[] = "ui_xtest_tests";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  {
    SkinFolder folder;
    RecordingWindow window("example.xml");
    window.GetManager().SetResourceFolder(folder.Path());
    window.Create(nullptr, "keys");
    window.ShowWindow(true);
    ASSERT_TRUE(WaitFor(
        [&] {
          for (ui::FocusChange change : window.Events<ui::FocusChange>()) {
            if (change == ui::FocusChange::kGained) return true;
          }
          return false;
        },
        5000))
        << "the window never became active";

    for (const Expected& key : kKeys) {
      SCOPED_TRACE(key.name);
      window.events.clear();
      keyboard.Tap(key.keycode);
      auto released = [&] {
        for (const ui::KeyEvent& e : window.Events<ui::KeyEvent>()) {
          if (!e.pressed) return true;
        }
        return false;
      };
      ASSERT_TRUE(WaitFor(released, 3000));
      const auto keys = window.Events<ui::KeyEvent>();
      ASSERT_EQ(keys.size(), 2u);
      EXPECT_TRUE(keys[0].pressed);
      EXPECT_FALSE(keys[1].pressed);
      for (const ui::KeyEvent& e : keys) {
        EXPECT_EQ(e.virtualKey, key.vk);
        EXPECT_EQ(e.scanCode, key.scan);
        EXPECT_EQ(e.extended, key.extended);
        EXPECT_EQ(e.system, key.system);
        EXPECT_FALSE(e.repeat);
      }
    }
    // Num Lock was toggled once: toggle it back.
    keyboard.Tap(77);
    WaitFor([] { return false; }, 50);
  }
}
