// Real key events from the X server, sent through XTEST by keycode, must reach the window's
// HandleMessage with the same virtual keys and flags as the offscreen tests expect.
#include <gtest/gtest.h>

#include <QApplication>

#include "tests/ui/ui_test_support.h"
#include "tests/ui/xtest_input.h"

namespace {

struct Expected {
  unsigned keycode;
  const char* name;
  UINT downMessage;
  UINT vk;
  UINT scan;
  bool extended;
};

const Expected kKeys[] = {
    {37, "left Ctrl", WM_KEYDOWN, vk::kControl, 0x1D, false},
    {105, "right Ctrl", WM_KEYDOWN, vk::kControl, 0x1D, true},
    {50, "left Shift", WM_KEYDOWN, vk::kShift, 0x2A, false},
    {62, "right Shift", WM_KEYDOWN, vk::kShift, 0x36, false},
    {64, "left Alt", WM_SYSKEYDOWN, vk::kMenu, 0x38, false},
    {108, "right Alt", WM_SYSKEYDOWN, vk::kMenu, 0x38, true},
    {36, "Return", WM_KEYDOWN, vk::kReturn, 0x1C, false},
    {104, "keypad Enter", WM_KEYDOWN, vk::kReturn, 0x1C, true},
    {76, "F10", WM_SYSKEYDOWN, vk::kF10, 0x44, false},
    {77, "Num Lock", WM_KEYDOWN, vk::kNumLock, 0x45, true},
};

}  // namespace

TEST(RealKeys, XTestKeysReachHandleMessageWithWindowsFlags) {
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
    window.Create(nullptr, "keys", 0, 0);
    window.ShowWindow(true);
    ASSERT_TRUE(WaitFor([&] { return !window.Messages(WM_SETFOCUS).empty(); }, 5000))
        << "the window never became active";

    for (const Expected& key : kKeys) {
      SCOPED_TRACE(key.name);
      window.messages.clear();
      keyboard.Tap(key.keycode);
      const UINT upMessage = key.downMessage == WM_SYSKEYDOWN ? WM_SYSKEYUP : WM_KEYUP;
      ASSERT_TRUE(WaitFor([&] { return !window.Messages(upMessage).empty(); }, 3000));
      const auto downs = window.Messages(key.downMessage);
      const auto ups = window.Messages(upMessage);
      ASSERT_EQ(downs.size(), 1u);
      ASSERT_EQ(ups.size(), 1u);
      for (const RecordedMessage& m : {downs[0], ups[0]}) {
        EXPECT_EQ(m.wParam, key.vk);
        EXPECT_EQ((m.lParam >> 16) & 0xFF, static_cast<LPARAM>(key.scan));
        EXPECT_EQ((m.lParam & kKeyExtendedFlag) != 0, key.extended);
      }
      EXPECT_NE(ups[0].lParam & (LPARAM{1} << 31), 0);
    }
    // Num Lock was toggled once: toggle it back.
    keyboard.Tap(77);
    WaitFor([] { return false; }, 50);
  }
}
