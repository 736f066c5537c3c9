// SPDX-License-Identifier: GPL-3.0-or-later
// The demo as a user runs it: a separate process on a real X display, driven by XTEST clicks,
// key presses and wheel turns. What it saves must be in the emulated controller's state file
// and on the buttons when the demo is started again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>
#include <QWidget>
#include <fstream>
#include <iterator>

#include "app/key_picker_popup.h"
#include "emulator/emulator_state_file.h"
#include "tests/app/app_test_env.h"
#include "tests/support/wait_for.h"
#include "tests/ui/xtest_input.h"
#include "ui/controls.h"

namespace {

// What the demo saved in its state file; a file that does not decode fails the test.
EmulatorSnapshot SavedState(const QString& stateFile) {
  std::ifstream file(stateFile.toStdString(), std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  EmulatorSnapshot snapshot;
  std::string error;
  EXPECT_TRUE(DecodeEmulatorState(bytes, &snapshot, &error)) << error;
  return snapshot;
}

constexpr unsigned kKeyF = 41, kRightCtrl = 105, kReturn = 36, kEscape = 9;

QPoint Centre(CControlUI* control) {
  QWidget* widget = control != nullptr ? control->GetWidget() : nullptr;
  if (widget == nullptr) return {};
  return widget->mapTo(widget->window(), widget->rect().center());
}

// Where the controls sit in the window: the same skin and model, built in this process. With a
// `pickerOf` slot button, also where the picker that slot opens puts its keys, by key name.
std::map<std::string, QPoint> ControlCentres(const std::vector<const char*>& names,
                                             const char* page = "ControlKeybtn",
                                             const char* pickerOf = nullptr) {
  AppTestEnv env;
  auto window = env.MakeWindow();
  window->ShowWindow(true);
  TNotifyUI open;
  open.sType = QStringLiteral("click");
  open.pSender = Control(*window, page);
  std::map<std::string, QPoint> centres;
  centres[page] = Centre(Control(*window, page));
  window->Notify(open);
  QApplication::processEvents();
  for (const char* name : names) centres[name] = Centre(Control(*window, name));
  if (pickerOf != nullptr) {
    TNotifyUI menu;
    menu.sType = QStringLiteral("menu");
    menu.pSender = Control(*window, pickerOf);
    window->Notify(menu);
    QApplication::processEvents();
    if (KeyPickerPopup* picker = window->OpenPicker()) {
      for (QToolButton* key : picker->Buttons()) {
        centres["key " + key->accessibleName().toStdString()] =
            key->mapTo(picker, key->rect().center());
      }
      picker->close();
    }
  }
  window->ShowWindow(false);
  return centres;
}

class Demo {
 public:
  Demo(const QString& stateFile, XTestInput& x) : x_(x) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // A runtime folder of its own, so the single-instance lock of a demo running elsewhere
    // (another test, a user's) does not stop this one.
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir_.path());
    process_.setProcessEnvironment(environment);
    process_.start(QCoreApplication::applicationDirPath() + QStringLiteral("/padcontrols-demo"),
                   {"--state", stateFile, "--model", "T2803-31", "--lang", "en", "--trace"});
  }
  ~Demo() {
    if (process_.state() != QProcess::NotRunning) {
      process_.kill();
      process_.waitForFinished(3000);
    }
  }
  bool WaitForWindow() {
    if (!process_.waitForStarted(5000)) return false;
    return WaitFor(
               [&] {
                 return (window_ = x_.FindWindow("PadMainWindow", process_.processId())) != 0;
               },
               10000) &&
           x_.WindowOrigin(window_, &originX_, &originY_);
  }
  void Focus() {
    x_.Focus(window_);
    Settle();
  }
  void Click(const QPoint& point) {
    x_.Click(originX_ + point.x(), originY_ + point.y());
    Settle();
  }
  // A finger held on the point for `ms` milliseconds, then lifted.
  void Hold(const QPoint& point, int ms) {
    x_.Press(originX_ + point.x(), originY_ + point.y(), 1);
    WaitFor([] { return false; }, ms);
    x_.Release(1);
    Settle();
  }
  void RightClick(const QPoint& point) {
    x_.Press(originX_ + point.x(), originY_ + point.y(), 3);
    x_.Release(3);
    Settle();
  }
  // Answers the message box the demo shows with its OK button.
  bool DismissMessage() {
    unsigned long box = 0;
    if (!WaitFor([&] { return (box = x_.FindWindow("prompt", process_.processId())) != 0; },
                 5000)) {
      return false;
    }
    x_.Focus(box);
    Settle();
    x_.Tap(kReturn);
    return WaitFor([&] { return x_.FindWindow("prompt", process_.processId()) == 0; }, 5000);
  }
  bool WaitForExit() {
    if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(10000)) return false;
    return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
  }
  // Debug trace lines written so far.
  QStringList Trace() {
    trace_ += QString::fromUtf8(process_.readAllStandardError());
    return trace_.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }
  static void Settle() {
    WaitFor([] { return false; }, 150);
  }

 private:
  XTestInput& x_;
  QTemporaryDir runtimeDir_;
  QProcess process_;
  QString trace_;
  unsigned long window_ = 0;
  int originX_ = 0, originY_ = 0;
};

QStringList ShownCodes(const QStringList& trace) {
  QStringList shown;
  for (const QString& line : trace) {
    if (line.startsWith(QStringLiteral("Type:0"))) shown << line;
  }
  return shown;
}

TEST(DemoUnderX, KeysAndTheWheelSavedInOneRunAreThereInTheNext) {
  XTestInput x;
  if (!x.Usable()) GTEST_SKIP() << "no X display with the XTEST extension";
  qputenv("QT_QPA_PLATFORM", "xcb");
  int argc = 1;
  char name[] = "app_xtest_tests";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  const auto at =
      ControlCentres({"ConKeyABtn", "ConKeyDBtn", "ConKeyWBtn", "Savebtn", "Backbtn", "closebtn"});
  QTemporaryDir folder;
  const QString stateFile = folder.filePath(QStringLiteral("controller.state"));

  {
    Demo demo(stateFile, x);
    ASSERT_TRUE(demo.WaitForWindow());
    demo.Focus();
    demo.Click(at.at("ControlKeybtn"));
    ASSERT_TRUE(WaitFor([&] { return ShownCodes(demo.Trace()).size() >= 14; }, 5000));
    auto traced = [&](const char* line) {
      return WaitFor([&] { return demo.Trace().contains(QString::fromUtf8(line)); }, 5000);
    };
    demo.Click(at.at("ConKeyABtn"));
    x.Tap(kKeyF);
    EXPECT_TRUE(traced("Type:1\uFF0CKeyCode:9"));
    demo.Click(at.at("ConKeyWBtn"));
    x.Tap(kRightCtrl);
    EXPECT_TRUE(traced("Type:1\uFF0CKeyCode:e4"));
    demo.Click(at.at("ConKeyDBtn"));
    x.Wheel(false);
    Demo::Settle();
    demo.Click(at.at("Savebtn"));
    ASSERT_TRUE(demo.DismissMessage());
    demo.Focus();
    demo.Click(at.at("closebtn"));
    EXPECT_TRUE(demo.WaitForExit());
  }

  const EmulatorSnapshot snapshot = SavedState(stateFile);
  EXPECT_EQ(snapshot.memory[10], 0x09);  // F
  EXPECT_EQ(snapshot.memory[8], 0xE4);   // right Ctrl
  EXPECT_EQ(snapshot.memory[11], 0xE9);  // wheel down
  EXPECT_EQ(snapshot.memory[9], 0x16);   // untouched: S

  Demo again(stateFile, x);
  ASSERT_TRUE(again.WaitForWindow());
  again.Focus();
  again.Click(at.at("ControlKeybtn"));
  ASSERT_TRUE(WaitFor([&] { return ShownCodes(again.Trace()).size() >= 14; }, 5000));
  // The page shows A, D, W first: now F, the wheel turned down and the right Ctrl.
  const QStringList shown = ShownCodes(again.Trace());
  EXPECT_EQ(shown[0], QStringLiteral("Type:0\uFF0CKeyCode:46"));
  EXPECT_EQ(shown[1], QStringLiteral("Type:0\uFF0CKeyCode:fffe"));
  EXPECT_EQ(shown[2], QStringLiteral("Type:0\uFF0CKeyCode:fff9"));
}

TEST(DemoUnderX, KeysChosenByTouchAreStoredAsTheirCaptureWouldAndSaved) {
  XTestInput x;
  if (!x.Usable()) GTEST_SKIP() << "no X display with the XTEST extension";
  qputenv("QT_QPA_PLATFORM", "xcb");
  int argc = 1;
  char name[] = "app_xtest_tests";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  const auto at = ControlCentres({"BackKeySet1Btn", "BackKeySet2Btn", "BackKeySet3Btn",
                                  "BackKeySet5Btn", "Savebtn", "closebtn"},
                                 "BackKeybtn", "BackKeySet1Btn");
  ASSERT_EQ(at.count("key F5") + at.count("key Rocker_A") + at.count("key none"), 3u);
  QTemporaryDir folder;
  const QString stateFile = folder.filePath(QStringLiteral("controller.state"));
  {
    Demo demo(stateFile, x);
    ASSERT_TRUE(demo.WaitForWindow());
    demo.Focus();
    demo.Click(at.at("BackKeybtn"));
    ASSERT_TRUE(WaitFor([&] { return ShownCodes(demo.Trace()).size() >= 8; }, 5000));
    auto traced = [&](const QString& line) {
      return WaitFor([&] { return demo.Trace().contains(line); }, 5000);
    };
    // Held half a second and more: the picker opens; F5 goes in as its key release would.
    demo.Hold(at.at("BackKeySet2Btn"), 800);
    demo.Click(at.at("key F5"));
    EXPECT_TRUE(traced(QStringLiteral("IsChooseKey:26,KeyCode:0")));
    EXPECT_TRUE(traced(QStringLiteral("Type:1\uFF0CKeyCode:3e")));
    EXPECT_TRUE(traced(QStringLiteral("IsChooseKey:26,KeyCode:3e")));
    // A right click opens it too; a gamepad input is taken as the poll would.
    demo.RightClick(at.at("BackKeySet3Btn"));
    demo.Click(at.at("key Rocker_A"));
    // Escape closes it unchanged.
    demo.RightClick(at.at("BackKeySet1Btn"));
    x.Tap(kEscape);
    Demo::Settle();
    // "none" on step 1 of the second rear button empties the whole sequence.
    demo.Hold(at.at("BackKeySet5Btn"), 800);
    demo.Click(at.at("key none"));
    // A plain tap after a hold is still a click: step 1 is armed and takes a key.
    demo.Click(at.at("BackKeySet1Btn"));
    x.Tap(kKeyF);
    EXPECT_TRUE(traced(QStringLiteral("IsChooseKey:25,KeyCode:9")));
    // The Escape that closed the picker never reached the window as a key to capture.
    EXPECT_FALSE(demo.Trace().contains(QStringLiteral("Type:1\uFF0CKeyCode:29")));
    demo.Click(at.at("Savebtn"));
    ASSERT_TRUE(demo.DismissMessage());
    demo.Focus();
    demo.Click(at.at("closebtn"));
    EXPECT_TRUE(demo.WaitForExit());
  }
  const EmulatorSnapshot snapshot = SavedState(stateFile);
  EXPECT_EQ(snapshot.memory[25], 0x09);    // F, typed after the Escape left Esc alone
  EXPECT_EQ(snapshot.memory[26], 0x3E);    // F5
  EXPECT_EQ(snapshot.memory[27], 0xFF05);  // gamepad A
  EXPECT_EQ(snapshot.memory[28], 0);
  for (std::size_t slot : {29u, 30u, 31u, 32u, 44u, 45u, 46u}) {
    EXPECT_EQ(snapshot.memory[slot], 0) << slot;
  }
}

}  // namespace
