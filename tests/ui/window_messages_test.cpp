#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include "tests/ui/ui_test_support.h"
#include "ui/message_box.h"

namespace {

// Stages of the routing chain, each one consuming the message or not as the test asks.
class StagedWindow : public RecordingWindow {
 public:
  using RecordingWindow::RecordingWindow;
  bool hookConsumes = false;
  bool customConsumes = false;
  bool quitWhenReady = false;
  std::vector<std::string> stages;

  void OnWindowReady() override {
    RecordingWindow::OnWindowReady();
    if (quitWhenReady) PostQuitMessage(3);
  }
  LRESULT OnKeyDown(UINT, WPARAM, LPARAM, bool& handled) override {
    stages.push_back("hook");
    handled = hookConsumes;
    return 11;
  }
  LRESULT HandleCustomMessage(UINT uMsg, WPARAM, LPARAM, bool& handled) override {
    if (uMsg == WM_KEYDOWN) stages.push_back("custom");
    handled = customConsumes;
    return 22;
  }
  LRESULT OnSysCommand(UINT, WPARAM wParam, LPARAM, bool& handled) override {
    // Mirrors a window that ends the program itself on the close command.
    handled = wParam == SC_CLOSE && closeQuits;
    return 0;
  }
  bool closeQuits = false;
};

// Sees the key events that Qt goes on to deliver to the window's widgets.
class DeliveryProbe : public QObject {
 public:
  int keys = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) ++keys;
    return false;
  }
};

class WindowMessages : public ::testing::Test {
 protected:
  void SetUp() override {
    window.GetManager().SetResourceFolder(folder.Path());
    window.Create(nullptr, "PadMainWindow", 0, 0);
    window.ShowWindow(true);
    window.messages.clear();
  }
  // A key as the X server reports it: keycode = evdev code + 8.
  void Key(QEvent::Type type, int qtKey, quint32 xKeycode, Qt::KeyboardModifiers mods = {}) {
    QKeyEvent event(type, qtKey, mods, xKeycode, 0, 0);
    QCoreApplication::sendEvent(window.GetHWND()->windowHandle(), &event);
  }
  void Tap(int qtKey, quint32 xKeycode) {
    Key(QEvent::KeyPress, qtKey, xKeycode);
    Key(QEvent::KeyRelease, qtKey, xKeycode);
  }
  std::vector<RecordedMessage> KeyMessages() const {
    std::vector<RecordedMessage> out;
    for (const RecordedMessage& m : window.messages) {
      if (m.msg >= WM_KEYDOWN && m.msg <= WM_SYSKEYUP) out.push_back(m);
    }
    return out;
  }

  SkinFolder folder;
  StagedWindow window{"example.xml"};
};

constexpr LPARAM kExtended = LPARAM{1} << 24;
UINT ScanOf(LPARAM l) {
  return static_cast<UINT>((l >> 16) & 0xFF);
}

}  // namespace

TEST_F(WindowMessages, CreateBuildsTheSkinAndCallsReadyOnce) {
  EXPECT_EQ(window.readyCalls, 1);
  EXPECT_TRUE(window.controlsAtReady);
  QWidget* host = window.GetHWND();
  EXPECT_EQ(host->size(), QSize(400, 300));
  EXPECT_EQ(host->windowTitle(), "PadMainWindow");
  EXPECT_TRUE(host->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_FALSE(host->testAttribute(Qt::WA_InputMethodEnabled));
  EXPECT_EQ(window.Create(nullptr, "again", 0, 0), host);
  EXPECT_EQ(window.readyCalls, 1);
  EXPECT_EQ(CPaintManagerUI::GetInstancePath(), QCoreApplication::applicationDirPath() + "/");
}

TEST_F(WindowMessages, KeysCarryVirtualKeyScanCodeAndExtendedFlag) {
  struct Case {
    int qtKey;
    quint32 xKeycode;
    UINT vk;
    UINT scan;
    bool extended;
  };
  const Case cases[] = {
      {Qt::Key_Control, 37, vk::kControl, 0x1D, false},
      {Qt::Key_Control, 105, vk::kControl, 0x1D, true},
      {Qt::Key_Shift, 50, vk::kShift, 0x2A, false},
      {Qt::Key_Shift, 62, vk::kShift, 0x36, false},
      {Qt::Key_Return, 36, vk::kReturn, 0x1C, false},
      {Qt::Key_Enter, 104, vk::kReturn, 0x1C, true},
      {Qt::Key_NumLock, 77, vk::kNumLock, 0x45, true},
      {Qt::Key_Meta, 133, vk::kLWin, 0x5B, true},
      {Qt::Key_Meta, 134, vk::kRWin, 0x5C, true},
      {Qt::Key_F, 41, 'F', 0x21, false},
  };
  for (const Case& c : cases) {
    window.messages.clear();
    Tap(c.qtKey, c.xKeycode);
    const auto keys = KeyMessages();
    ASSERT_EQ(keys.size(), 2u) << c.xKeycode;
    EXPECT_EQ(keys[0].msg, WM_KEYDOWN);
    EXPECT_EQ(keys[1].msg, WM_KEYUP);
    for (const RecordedMessage& m : keys) {
      EXPECT_EQ(m.wParam, c.vk) << c.xKeycode;
      EXPECT_EQ(ScanOf(m.lParam), c.scan) << c.xKeycode;
      EXPECT_EQ((m.lParam & kExtended) != 0, c.extended) << c.xKeycode;
      EXPECT_EQ(m.lParam & 0xFFFF, 1);
    }
    EXPECT_EQ(keys[0].lParam >> 30, 0) << "fresh press";
    EXPECT_EQ((keys[1].lParam >> 30) & 3, 3) << "release: previous state and transition";
  }
}

TEST_F(WindowMessages, KeysWithoutNativeCodesStillArrive) {
  Tap(Qt::Key_G, 0);
  const auto keys = KeyMessages();
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0].wParam, static_cast<WPARAM>('G'));
  EXPECT_EQ(ScanOf(keys[0].lParam), 0x22u);
  window.messages.clear();
  Tap(Qt::Key_VolumeUp, 0);
  EXPECT_TRUE(KeyMessages().empty());
}

TEST_F(WindowMessages, AltAndF10AreSystemKeys) {
  Key(QEvent::KeyPress, Qt::Key_Alt, 64);
  Key(QEvent::KeyPress, Qt::Key_A, 38, Qt::AltModifier);
  Key(QEvent::KeyRelease, Qt::Key_A, 38, Qt::AltModifier);
  Key(QEvent::KeyRelease, Qt::Key_Alt, 64, Qt::AltModifier);
  Tap(Qt::Key_AltGr, 108);
  Tap(Qt::Key_F10, 76);
  const auto keys = KeyMessages();
  ASSERT_EQ(keys.size(), 8u);
  const UINT expected[] = {WM_SYSKEYDOWN, WM_SYSKEYDOWN, WM_SYSKEYUP,   WM_SYSKEYUP,
                           WM_SYSKEYDOWN, WM_SYSKEYUP,   WM_SYSKEYDOWN, WM_SYSKEYUP};
  for (std::size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(keys[i].msg, expected[i]) << i;
  EXPECT_EQ(keys[0].wParam, vk::kMenu);
  EXPECT_EQ(keys[0].lParam & kExtended, 0);
  EXPECT_EQ(keys[1].wParam, static_cast<WPARAM>('A'));
  EXPECT_NE(keys[1].lParam & (LPARAM{1} << 29), 0) << "Alt is held";
  EXPECT_EQ(keys[4].wParam, vk::kMenu);
  EXPECT_NE(keys[4].lParam & kExtended, 0) << "right Alt";
  EXPECT_EQ(keys[6].wParam, vk::kF10);
  EXPECT_EQ(keys[6].lParam & (LPARAM{1} << 29), 0) << "F10 alone has no Alt context";

  // Alt released while the window was inactive does not stick.
  window.messages.clear();
  Key(QEvent::KeyPress, Qt::Key_Alt, 64);
  QEvent deactivate(QEvent::WindowDeactivate);
  QCoreApplication::sendEvent(window.GetHWND(), &deactivate);
  Tap(Qt::Key_F, 41);
  EXPECT_EQ(KeyMessages().back().msg, WM_KEYUP);

  // Ctrl with Alt is not a system combination.
  window.messages.clear();
  Key(QEvent::KeyPress, Qt::Key_Control, 37);
  Key(QEvent::KeyPress, Qt::Key_Alt, 64, Qt::ControlModifier);
  EXPECT_EQ(KeyMessages().back().msg, WM_KEYDOWN);
}

TEST_F(WindowMessages, AutoRepeatSetsThePreviousStateOnly) {
  Key(QEvent::KeyPress, Qt::Key_F, 41);
  QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_F, {}, 41, 0, 0, QString(), true);
  QCoreApplication::sendEvent(window.GetHWND()->windowHandle(), &repeatUp);
  QKeyEvent repeatDown(QEvent::KeyPress, Qt::Key_F, {}, 41, 0, 0, QString(), true);
  QCoreApplication::sendEvent(window.GetHWND()->windowHandle(), &repeatDown);
  const auto keys = KeyMessages();
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[1].msg, WM_KEYDOWN);
  EXPECT_EQ((keys[1].lParam >> 30) & 3, 1);
}

TEST_F(WindowMessages, WheelDeltaIsSignedInTheHighWord) {
  for (int delta : {120, -120, 240}) {
    window.messages.clear();
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(window.GetHWND()->windowHandle(), &wheel);
    const auto wheels = window.Messages(WM_MOUSEWHEEL);
    ASSERT_EQ(wheels.size(), 1u);
    EXPECT_EQ(static_cast<std::int16_t>(wheels[0].wParam >> 16), delta);
    EXPECT_EQ(static_cast<std::int32_t>(wheels[0].wParam) > 0, delta > 0);
  }
}

TEST_F(WindowMessages, ActivationBecomesFocusMessages) {
  QEvent deactivate(QEvent::WindowDeactivate);
  QCoreApplication::sendEvent(window.GetHWND(), &deactivate);
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(window.GetHWND(), &activate);
  ASSERT_EQ(window.Messages(WM_KILLFOCUS).size(), 1u);
  ASSERT_EQ(window.Messages(WM_SETFOCUS).size(), 1u);
  std::vector<UINT> order;
  for (const RecordedMessage& m : window.messages) {
    if (m.msg == WM_SETFOCUS || m.msg == WM_KILLFOCUS) order.push_back(m.msg);
  }
  EXPECT_EQ(order, (std::vector<UINT>{WM_KILLFOCUS, WM_SETFOCUS}));
}

TEST_F(WindowMessages, TimersTickWithTheirIdUntilKilled) {
  ASSERT_TRUE(window.SetTimer(7, 5));
  ASSERT_TRUE(WaitFor([&] { return window.Messages(WM_TIMER).size() >= 3; }));
  for (const RecordedMessage& m : window.Messages(WM_TIMER)) EXPECT_EQ(m.wParam, 7u);
  window.KillTimer(7);
  QCoreApplication::processEvents();
  const std::size_t ticks = window.Messages(WM_TIMER).size();
  WaitFor([] { return false; }, 40);
  EXPECT_EQ(window.Messages(WM_TIMER).size(), ticks);
}

TEST_F(WindowMessages, RoutingStagesAndTheHandledFlag) {
  DeliveryProbe probe;
  QWidget* host = window.GetHWND();
  host->setFocus();
  host->installEventFilter(&probe);

  // Nobody consumes: hook, custom stage, toolkit, then Qt's own processing.
  Key(QEvent::KeyPress, Qt::Key_F, 41);
  EXPECT_EQ(window.stages, (std::vector<std::string>{"hook", "custom"}));
  EXPECT_EQ(probe.keys, 1);

  window.stages.clear();
  window.customConsumes = true;
  Key(QEvent::KeyPress, Qt::Key_F, 41);
  EXPECT_EQ(window.stages, (std::vector<std::string>{"hook", "custom"}));
  EXPECT_EQ(probe.keys, 1) << "consumed by the custom stage";
  EXPECT_EQ(window.SendMessage(WM_KEYDOWN, 'F', 0), 22);

  window.stages.clear();
  window.hookConsumes = true;
  Key(QEvent::KeyPress, Qt::Key_F, 41);
  EXPECT_EQ(window.stages, (std::vector<std::string>{"hook"}));
  EXPECT_EQ(probe.keys, 1);
  EXPECT_EQ(window.SendMessage(WM_KEYDOWN, 'F', 0), 11);
  host->removeEventFilter(&probe);
}

TEST_F(WindowMessages, SystemCommandsAndUserClose) {
  QWidget* host = window.GetHWND();
  window.SendMessage(WM_SYSCOMMAND, 0xF061);
  EXPECT_TRUE(host->isVisible()) << "a command with extra low bits is not close";
  EXPECT_FALSE(host->isMinimized());

  window.closeQuits = true;
  host->close();
  ASSERT_EQ(window.Messages(WM_SYSCOMMAND).size(), 2u);
  EXPECT_EQ(window.Messages(WM_SYSCOMMAND)[1].wParam, SC_CLOSE);
  EXPECT_TRUE(host->isVisible()) << "the window consumed the close command";

  window.closeQuits = false;
  host->close();
  EXPECT_FALSE(host->isVisible());
  EXPECT_EQ(window.Messages(WM_DESTROY).size(), 1u);
}

TEST_F(WindowMessages, CaptionAreaDragsExceptOverButtons) {
  CPaintManagerUI& pm = window.GetManager();
  auto at = [](int x, int y) { return static_cast<LPARAM>((y << 16) | x); };
  LRESULT result = -1;
  EXPECT_TRUE(pm.MessageHandler(WM_LBUTTONDOWN, 1, at(100, 10), result));
  EXPECT_FALSE(pm.MessageHandler(WM_LBUTTONDOWN, 1, at(375, 10), result)) << "close button";
  EXPECT_FALSE(pm.MessageHandler(WM_LBUTTONDOWN, 1, at(100, 100), result)) << "below caption";
  EXPECT_FALSE(pm.MessageHandler(WM_MOUSEMOVE, 0, at(100, 10), result));
}

TEST(MessageLoop, QuitPostedDuringCreateEndsTheLoopAtOnce) {
  SkinFolder folder;
  StagedWindow window("example.xml");
  window.GetManager().SetResourceFolder(folder.Path());
  window.quitWhenReady = true;
  window.Create(nullptr, "w", 0, 0);
  window.ShowWindow(true);
  EXPECT_EQ(CPaintManagerUI::MessageLoop(), 3);
  EXPECT_TRUE(window.GetHWND()->isVisible());

  // While running, the quit message ends the loop with its code.
  QTimer::singleShot(10, [] { PostQuitMessage(0); });
  EXPECT_EQ(CPaintManagerUI::MessageLoop(), 0);
}

TEST(MessageBoxes, EnterAndEscapeCloseTheRealBox) {
  for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
    QString title, text;
    int buttons = 0;
    QTimer::singleShot(20, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      title = box->windowTitle();
      text = box->text();
      buttons = static_cast<int>(box->buttons().size());
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
      QCoreApplication::sendEvent(box, &press);
    });
    EXPECT_EQ(MessageBox(nullptr, "保存成功", "提示"), IDOK);
    EXPECT_EQ(title, "提示");
    EXPECT_EQ(text, "保存成功");
    EXPECT_EQ(buttons, 1);
  }
}
