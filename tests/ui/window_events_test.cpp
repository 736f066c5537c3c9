// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include "tests/ui/ui_test_support.h"
#include "ui/message_box.h"

namespace {

// A window whose key-press and close hooks consume their events or not, as the test asks.
class StagedWindow : public RecordingWindow {
 public:
  using RecordingWindow::RecordingWindow;
  bool keyDownConsumed = false;
  bool closeConsumed = false;
  bool quitWhenReady = false;

  void OnWindowReady() override {
    RecordingWindow::OnWindowReady();
    if (quitWhenReady) PostQuitMessage(3);
  }
  bool OnKeyDown(const ui::KeyEvent&) override { return keyDownConsumed; }
  bool OnCloseRequest() override { return closeConsumed; }
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

class WindowEvents : public ::testing::Test {
 protected:
  void SetUp() override {
    window.GetManager().SetResourceFolder(folder.Path());
    window.Create(nullptr, "PadMainWindow");
    window.ShowWindow(true);
    window.events.clear();
  }
  // A key as the X server reports it: keycode = evdev code + 8.
  void Key(QEvent::Type type, int qtKey, quint32 xKeycode, Qt::KeyboardModifiers mods = {},
           bool autoRepeat = false) {
    QKeyEvent event(type, qtKey, mods, xKeycode, 0, 0, QString(), autoRepeat);
    QCoreApplication::sendEvent(window.GetHost()->windowHandle(), &event);
  }
  void Tap(int qtKey, quint32 xKeycode) {
    Key(QEvent::KeyPress, qtKey, xKeycode);
    Key(QEvent::KeyRelease, qtKey, xKeycode);
  }
  void SendToHost(QEvent::Type type) {
    QEvent event(type);
    QCoreApplication::sendEvent(window.GetHost(), &event);
  }

  SkinFolder folder;
  StagedWindow window{"example.xml"};
};

}  // namespace

TEST_F(WindowEvents, CreateBuildsTheSkinAndCallsReadyOnce) {
  EXPECT_EQ(window.readyCalls, 1);
  EXPECT_TRUE(window.controlsAtReady);
  QWidget* host = window.GetHost();
  EXPECT_EQ(host->size(), QSize(400, 300));
  EXPECT_EQ(host->windowTitle(), "PadMainWindow");
  EXPECT_TRUE(host->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_FALSE(host->testAttribute(Qt::WA_InputMethodEnabled));
  EXPECT_EQ(window.Create(nullptr, "again"), host);
  EXPECT_EQ(window.readyCalls, 1);
  EXPECT_EQ(CPaintManagerUI::GetInstancePath(), QCoreApplication::applicationDirPath() + "/");
}

TEST_F(WindowEvents, KeysCarryVirtualKeyScanCodeAndExtendedFlag) {
  struct Case {
    int qtKey;
    quint32 xKeycode;
    std::uint32_t vk;
    std::uint32_t scan;
    bool extended;
  };
  const Case cases[] = {
      {Qt::Key_Control, 37, 0x11, 0x1D, false}, {Qt::Key_Control, 105, 0x11, 0x1D, true},
      {Qt::Key_Shift, 50, 0x10, 0x2A, false},   {Qt::Key_Shift, 62, 0x10, 0x36, false},
      {Qt::Key_Return, 36, 0x0D, 0x1C, false},  {Qt::Key_Enter, 104, 0x0D, 0x1C, true},
      {Qt::Key_NumLock, 77, 0x90, 0x45, true},  {Qt::Key_Meta, 133, 0x5B, 0x5B, true},
      {Qt::Key_Meta, 134, 0x5C, 0x5C, true},    {Qt::Key_F, 41, 'F', 0x21, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.xKeycode);
    window.events.clear();
    Tap(c.qtKey, c.xKeycode);
    const auto keys = window.Events<ui::KeyEvent>();
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_TRUE(keys[0].pressed);
    EXPECT_FALSE(keys[1].pressed);
    for (const ui::KeyEvent& key : keys) {
      EXPECT_EQ(key.virtualKey, c.vk);
      EXPECT_EQ(key.scanCode, c.scan);
      EXPECT_EQ(key.extended, c.extended);
      EXPECT_FALSE(key.repeat);
      EXPECT_FALSE(key.system);
    }
  }
}

TEST_F(WindowEvents, KeysWithoutNativeCodesStillArrive) {
  Tap(Qt::Key_G, 0);
  const auto keys = window.Events<ui::KeyEvent>();
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0].virtualKey, static_cast<std::uint32_t>('G'));
  EXPECT_EQ(keys[0].scanCode, 0x22u);
  window.events.clear();
  Tap(Qt::Key_VolumeUp, 0);
  EXPECT_TRUE(window.Events<ui::KeyEvent>().empty());
}

TEST_F(WindowEvents, AltAndF10AreSystemKeysUnlessCtrlIsHeld) {
  Key(QEvent::KeyPress, Qt::Key_Alt, 64);
  Key(QEvent::KeyPress, Qt::Key_A, 38, Qt::AltModifier);
  Key(QEvent::KeyRelease, Qt::Key_A, 38, Qt::AltModifier);
  Key(QEvent::KeyRelease, Qt::Key_Alt, 64, Qt::AltModifier);
  Tap(Qt::Key_AltGr, 108);
  Tap(Qt::Key_F10, 76);
  Tap(Qt::Key_F, 41);
  const auto keys = window.Events<ui::KeyEvent>();
  ASSERT_EQ(keys.size(), 10u);
  const bool pressed[] = {true, true, false, false, true, false, true, false, true, false};
  for (std::size_t i = 0; i < keys.size(); ++i) {
    EXPECT_EQ(keys[i].pressed, pressed[i]) << i;
    EXPECT_EQ(keys[i].system, i < 8) << i;
  }
  EXPECT_EQ(keys[0].virtualKey, 0x12u);
  EXPECT_FALSE(keys[0].extended);
  EXPECT_EQ(keys[1].virtualKey, static_cast<std::uint32_t>('A'));
  EXPECT_EQ(keys[4].virtualKey, 0x12u);
  EXPECT_TRUE(keys[4].extended) << "right Alt";
  EXPECT_EQ(keys[6].virtualKey, 0x79u);

  // Alt released while the window was inactive does not stick.
  window.events.clear();
  Key(QEvent::KeyPress, Qt::Key_Alt, 64);
  SendToHost(QEvent::WindowDeactivate);
  Tap(Qt::Key_F, 41);
  ASSERT_FALSE(window.Events<ui::KeyEvent>().empty());
  EXPECT_FALSE(window.Events<ui::KeyEvent>().back().system);

  // Ctrl with Alt, or with F10, is no system combination.
  window.events.clear();
  Key(QEvent::KeyPress, Qt::Key_Control, 37);
  Key(QEvent::KeyPress, Qt::Key_Alt, 64, Qt::ControlModifier);
  Key(QEvent::KeyPress, Qt::Key_F10, 76, Qt::ControlModifier | Qt::AltModifier);
  const auto withCtrl = window.Events<ui::KeyEvent>();
  ASSERT_EQ(withCtrl.size(), 3u);
  for (const ui::KeyEvent& key : withCtrl) EXPECT_FALSE(key.system) << key.virtualKey;
}

TEST_F(WindowEvents, AutoRepeatIsARepeatedPressOnly) {
  Key(QEvent::KeyPress, Qt::Key_F, 41);
  Key(QEvent::KeyRelease, Qt::Key_F, 41, {}, true);
  Key(QEvent::KeyPress, Qt::Key_F, 41, {}, true);
  Key(QEvent::KeyRelease, Qt::Key_F, 41);
  const auto keys = window.Events<ui::KeyEvent>();
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_TRUE(keys[0].pressed);
  EXPECT_FALSE(keys[0].repeat);
  EXPECT_TRUE(keys[1].pressed);
  EXPECT_TRUE(keys[1].repeat);
  EXPECT_FALSE(keys[2].pressed);
  EXPECT_FALSE(keys[2].repeat);
}

TEST_F(WindowEvents, WheelDeltaIsSignedAndSidewaysScrollIsNoTurn) {
  auto turn = [&](QPoint angle) {
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), angle, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(window.GetHost()->windowHandle(), &wheel);
  };
  turn(QPoint(0, 120));
  turn(QPoint(0, -120));
  turn(QPoint(0, 240));
  turn(QPoint(120, 0));
  const auto wheels = window.Events<ui::WheelEvent>();
  ASSERT_EQ(wheels.size(), 3u);
  EXPECT_EQ(wheels[0].delta, 120);
  EXPECT_EQ(wheels[1].delta, -120);
  EXPECT_EQ(wheels[2].delta, 240);
}

TEST_F(WindowEvents, ActivationBecomesFocusChanges) {
  SendToHost(QEvent::WindowDeactivate);
  SendToHost(QEvent::WindowActivate);
  EXPECT_EQ(window.Events<ui::FocusChange>(),
            (std::vector<ui::FocusChange>{ui::FocusChange::kLost, ui::FocusChange::kGained}));
}

TEST_F(WindowEvents, TickRunsAtItsPeriodUntilStopped) {
  StagedWindow unborn("example.xml");
  EXPECT_FALSE(unborn.StartTick(5)) << "no tick before the window exists";

  ASSERT_TRUE(window.StartTick(5));
  ASSERT_TRUE(WaitFor([&] { return window.Events<ui::Tick>().size() >= 3; }));
  window.StopTick();
  QCoreApplication::processEvents();
  const std::size_t ticks = window.Events<ui::Tick>().size();
  WaitFor([] { return false; }, 40);
  EXPECT_EQ(window.Events<ui::Tick>().size(), ticks);

  // A slow tick: none in the first 100 ms of a 500 ms period, one soon after.
  window.events.clear();
  ASSERT_TRUE(window.StartTick(500));
  WaitFor([] { return false; }, 100);
  EXPECT_TRUE(window.Events<ui::Tick>().empty());
  EXPECT_TRUE(WaitFor([&] { return !window.Events<ui::Tick>().empty(); }, 3000));
  window.StopTick();
}

TEST_F(WindowEvents, AConsumedKeyGoesNoFurther) {
  DeliveryProbe probe;
  QWidget* host = window.GetHost();
  host->setFocus();
  host->installEventFilter(&probe);

  Key(QEvent::KeyPress, Qt::Key_F, 41);
  EXPECT_EQ(probe.keys, 1) << "not consumed: Qt delivers it to the window's widgets";

  window.keyDownConsumed = true;
  Key(QEvent::KeyPress, Qt::Key_G, 42);
  EXPECT_EQ(probe.keys, 1) << "consumed by the hook";
  EXPECT_EQ(window.Events<ui::KeyEvent>().size(), 2u);
  const ui::KeyEvent press{.virtualKey = 'F', .scanCode = 0x21, .pressed = true};
  EXPECT_TRUE(window.Deliver(press));
  window.keyDownConsumed = false;
  EXPECT_FALSE(window.Deliver(press));
  host->removeEventFilter(&probe);
}

TEST_F(WindowEvents, CloseRequestHidesTheWindowUnlessConsumed) {
  QWidget* host = window.GetHost();
  window.closeConsumed = true;
  host->close();
  EXPECT_EQ(window.Events<ui::CloseRequest>().size(), 1u);
  EXPECT_TRUE(host->isVisible()) << "the window consumed the close request";

  window.closeConsumed = false;
  host->close();
  EXPECT_EQ(window.Events<ui::CloseRequest>().size(), 2u);
  EXPECT_FALSE(host->isVisible());
}

TEST_F(WindowEvents, CaptionAreaDragsExceptOverButtons) {
  CPaintManagerUI& pm = window.GetManager();
  EXPECT_TRUE(pm.HandleCaptionPress(QPoint(100, 10)));
  EXPECT_FALSE(pm.HandleCaptionPress(QPoint(375, 10))) << "close button";
  EXPECT_FALSE(pm.HandleCaptionPress(QPoint(340, 10))) << "minimise button";
  EXPECT_FALSE(pm.HandleCaptionPress(QPoint(100, 100))) << "below caption";
}

TEST(MessageLoop, QuitPostedDuringCreateEndsTheLoopAtOnce) {
  SkinFolder folder;
  StagedWindow window("example.xml");
  window.GetManager().SetResourceFolder(folder.Path());
  window.quitWhenReady = true;
  window.Create(nullptr, "w");
  window.ShowWindow(true);
  EXPECT_EQ(CPaintManagerUI::MessageLoop(), 3);
  EXPECT_TRUE(window.GetHost()->isVisible());

  // While running, the quit message ends the loop with its code.
  QTimer::singleShot(10, [] { PostQuitMessage(0); });
  EXPECT_EQ(CPaintManagerUI::MessageLoop(), 0);
}

// The box speaks the message's language on its button too, belongs to its owner, and gives
// the owner the keyboard back when it closes.
TEST(MessageBoxes, TheBoxNamesItsButtonAndHandsTheKeyboardBack) {
  QWidget owner;
  owner.show();
  owner.activateWindow();
  ASSERT_TRUE(WaitFor([&] { return owner.isActiveWindow(); }));
  for (const char* okText : {"确定", ""}) {
    QWidget* parent = nullptr;
    QStringList buttonTexts;
    QTimer::singleShot(20, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      parent = box->parentWidget();
      for (QAbstractButton* button : box->buttons()) buttonTexts << button->text();
      box->buttons().value(0)->click();
    });
    MessageBox(&owner, "初始化失败", "提示", QString::fromUtf8(okText));
    EXPECT_EQ(parent, &owner);
    EXPECT_EQ(buttonTexts, QStringList{*okText != 0 ? QString::fromUtf8(okText) : "OK"});
    EXPECT_TRUE(WaitFor([&] { return owner.isActiveWindow(); })) << okText;
  }
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
    MessageBox(nullptr, "保存成功", "提示");
    EXPECT_EQ(title, "提示");
    EXPECT_EQ(text, "保存成功");
    EXPECT_EQ(buttons, 1);
  }
}
