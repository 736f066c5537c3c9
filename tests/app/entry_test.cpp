// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include "app/main_window.h"
#include "app/program_entry.h"
#include "sysinfo/single_instance.h"
#include "sysinfo/system_language.h"
#include "tests/app/app_test_env.h"
#include "ui/controls.h"
#include "ui/paint_manager.h"

namespace {

std::string UniqueGuard(const char* tag) {
  return std::string("PadControlsTest-") + tag + "-" + std::to_string(getpid());
}

TEST(SingleInstanceTest, SecondLockIsRefusedUntilTheHolderDies) {
  const std::string guard = UniqueGuard("lock");
  EXPECT_EQ(AcquireInstanceLock(guard), InstanceLock::kAcquired);
  // A lock taken through another open of the file conflicts, even inside one process.
  EXPECT_EQ(AcquireInstanceLock(guard), InstanceLock::kAlreadyRunning);

  const std::string other = UniqueGuard("crash");
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const char result = AcquireInstanceLock(other) == InstanceLock::kAcquired ? 'y' : 'n';
    (void)!write(ready[1], &result, 1);
    pause();  // killed below, never releasing anything itself
    _exit(0);
  }
  char result = 0;
  ASSERT_EQ(read(ready[0], &result, 1), 1);
  EXPECT_EQ(result, 'y');
  // Only looking (as padctl does) neither takes the lock nor keeps the holder from it.
  EXPECT_TRUE(InstanceRunning(other));
  EXPECT_EQ(AcquireInstanceLock(other), InstanceLock::kAlreadyRunning);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  EXPECT_FALSE(InstanceRunning(other));
  EXPECT_EQ(AcquireInstanceLock(other), InstanceLock::kAcquired);
  close(ready[0]);
  close(ready[1]);
  unlink(InstanceLockPath(guard).c_str());
  unlink(InstanceLockPath(other).c_str());
}

TEST(SingleInstanceTest, LockLivesInTheRuntimeFolder) {
  const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
  qputenv("XDG_RUNTIME_DIR", "/run/user/4242");
  EXPECT_EQ(InstanceLockPath("KQVPAD3CONTROLS"), "/run/user/4242/KQVPAD3CONTROLS.lock");
  qunsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(InstanceLockPath("KQVPAD3CONTROLS"),
            "/tmp/KQVPAD3CONTROLS-" + std::to_string(getuid()) + ".lock");
  if (!saved.isEmpty()) qputenv("XDG_RUNTIME_DIR", saved);
}

TEST(EntryTest, SecondCopyShowsTheMessageAndCreatesNoWindow) {
  AppTestEnv env;
  int opens = 0;
  const ControllerOpener open = env.context.openController;
  env.context.openController = [&opens, open] {
    ++opens;
    return open();
  };
  const std::string guard = UniqueGuard("entry");
  ASSERT_EQ(AcquireInstanceLock(guard), InstanceLock::kAcquired);
  for (std::uint16_t lang : {kLangEnglishUs, kLangChinesePrc, kLangChineseTaiwan}) {
    env.boxes.clear();
    env.SetLanguage(lang);
    EXPECT_EQ(RunPadControls(env.context, guard), 0);
    // The copy posts the quit message though it never runs a loop: a loop ends at once.
    EXPECT_EQ(RunLoopFor(3000), 0);
    ASSERT_EQ(env.boxes.size(), 1u);
    const bool chinese = lang == kLangChinesePrc;
    EXPECT_EQ(env.boxes[0].text, chinese ? "程序已在运行中！" : "program already in executing");
    EXPECT_EQ(env.boxes[0].caption, chinese ? "提示" : "prompt");
    EXPECT_EQ(env.boxes[0].owner, nullptr);
  }
  EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
  // The instance check comes before any exchange: the copy never even looked for the controller.
  EXPECT_EQ(opens, 0);
  EXPECT_EQ(env.emulator->GetCounters().sends, 0);
  EXPECT_EQ(env.emulator->GetCounters().fetches, 0);
  unlink(InstanceLockPath(guard).c_str());
}

TEST(EntryTest, FirstCopyRunsTheWindowUntilQuit) {
  AppTestEnv env;
  const std::string guard = UniqueGuard("run");
  // Ends the loop through the window's own close button, once the window is up.
  QTimer::singleShot(200, [] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->isVisible()) widget->setProperty("seenVisible", true);
    }
    PostQuitMessage(0);
  });
  EXPECT_EQ(RunPadControls(env.context, guard), 0);
  EXPECT_TRUE(env.boxes.empty());
  bool shown = false;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->property("seenVisible").toBool()) {
      shown = true;
      EXPECT_EQ(widget->windowTitle(), "PadMainWindow");
    }
  }
  EXPECT_TRUE(shown);
  unlink(InstanceLockPath(guard).c_str());
}

TEST(EntryTest, NoControllerStillEndsWithZero) {
  AppTestEnv env;
  env.Unplug();
  const std::string guard = UniqueGuard("unplugged");
  // Scoped, so that it cannot end a later test's loop once this one is over.
  QTimer limit;
  limit.setSingleShot(true);
  QObject::connect(&limit, &QTimer::timeout, [] { PostQuitMessage(99); });
  limit.start(5000);
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(RunPadControls(env.context, guard), 0);
  // The quit posted during window creation ends the loop at once, not the 5 s guard.
  EXPECT_LT(clock.elapsed(), 4000);
  ASSERT_EQ(env.boxes.size(), 1u);
  EXPECT_EQ(env.boxes[0].text, "initialization failed");
  unlink(InstanceLockPath(guard).c_str());
}

// What the window shows once it is up, looked at just before the loop starts.
struct FirstSight {
  bool ran = false;
  bool started = false;
  Page page = Page::kBackKeys;
  QString version;
  std::uint16_t slotThree = 0;
  bool backPageVisible = true;
  bool controlPageVisible = true;
};

FirstSight RunAndLook(AppTestEnv& env, const char* tag) {
  FirstSight seen;
  const std::string guard = UniqueGuard(tag);
  // Scoped, so that it cannot end a later test's loop once this one is over.
  QTimer limit;
  limit.setSingleShot(true);
  QObject::connect(&limit, &QTimer::timeout, [] { PostQuitMessage(99); });
  limit.start(5000);
  RunPadControls(env.context, guard, nullptr, [&seen](MainWindow& window) {
    seen.ran = true;
    seen.started = window.Started();
    seen.page = window.CurrentPage();
    seen.version = ui::GetText(Control(window, "VerLabel"));
    seen.backPageVisible = ui::IsVisible(Control(window, "BackKeyDevBkgImg"));
    seen.controlPageVisible = ui::IsVisible(Control(window, "ConKeyDevBkgImg"));
    if (window.Started()) seen.slotThree = window.Device().config.Code(3);
    PostQuitMessage(0);
  });
  unlink(InstanceLockPath(guard).c_str());
  return seen;
}

TEST(EntryTest, StartUpReadIsWhatTheFirstPageShows) {
  AppTestEnv env;
  env.emulator->SetWord(3, 0x0123);
  const FirstSight seen = RunAndLook(env, "read");
  ASSERT_TRUE(seen.ran);
  EXPECT_TRUE(seen.started);
  EXPECT_EQ(seen.page, Page::kMainMenu);
  EXPECT_EQ(seen.version, "Ver:1.11 Firmware:X107K215");
  EXPECT_EQ(seen.slotThree, 0x0123);
  EXPECT_FALSE(seen.backPageVisible);
  EXPECT_FALSE(seen.controlPageVisible);
  EXPECT_TRUE(env.boxes.empty());
}

TEST(EntryTest, FailedStartUpReadShowsOnlyTheMessage) {
  AppTestEnv env;
  ControllerEmulator::Faults faults;
  faults.wrongReadChecksum = true;
  env.emulator->SetFaults(faults);
  const FirstSight seen = RunAndLook(env, "badread");
  ASSERT_TRUE(seen.ran);
  EXPECT_FALSE(seen.started);
  // The controller was reached, so the failure is the read's, not the search's.
  EXPECT_GT(env.emulator->GetCounters().fetches, 0);
  ASSERT_EQ(env.boxes.size(), 1u);
  EXPECT_EQ(env.boxes[0].text, "initialization failed");
  EXPECT_EQ(env.boxes[0].caption, "prompt");
  // No firmware from a failed read, and no settings page.
  EXPECT_EQ(seen.version, "Ver:1.11 Firmware:");
  EXPECT_FALSE(seen.backPageVisible);
  EXPECT_FALSE(seen.controlPageVisible);
}

}  // namespace
