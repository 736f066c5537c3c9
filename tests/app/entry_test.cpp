// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include "app/main_window.h"
#include "app/program_entry.h"
#include "sysinfo/private_folder.h"
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

// Nobody else may write where the lock and the window's marker live: a name another user
// made first (the fallback in a shared /tmp) would keep the window from ever starting.
TEST(SingleInstanceTest, LockAndMarkerLiveOnlyInAFolderOfTheUsersOwn) {
  QTemporaryDir scratch;
  const std::string base = scratch.path().toStdString();
  const std::string uid = std::to_string(geteuid());
  const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");

  // A private runtime folder is used as it is.
  ASSERT_EQ(mkdir((base + "/run").c_str(), 0700), 0);
  qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(base + "/run"));
  EXPECT_EQ(InstanceLockPath("KQVPAD3CONTROLS"), base + "/run/KQVPAD3CONTROLS.lock");
  // One others may write into, a missing one or none: the per-user folder, made 0700.
  ASSERT_EQ(mkdir((base + "/open").c_str(), 0777), 0);
  ASSERT_EQ(chmod((base + "/open").c_str(), 0777), 0);
  ASSERT_EQ(mkdir((base + "/tmp").c_str(), 0777), 0);
  EXPECT_EQ(PrivateFolder((base + "/open").c_str(), base + "/tmp"),
            base + "/tmp/padcontrols-" + uid);
  EXPECT_EQ(PrivateFolder("/nonexistent/run", base + "/tmp"), base + "/tmp/padcontrols-" + uid);
  struct stat made {};
  ASSERT_EQ(lstat((base + "/tmp/padcontrols-" + uid).c_str(), &made), 0);
  EXPECT_EQ(made.st_mode & 07777, 0700u);
  // That name made first as an open folder, or as a link, is never used: no lock, the window
  // starts anyway.
  ASSERT_EQ(mkdir((base + "/planted").c_str(), 0777), 0);
  ASSERT_EQ(mkdir((base + "/planted/padcontrols-" + uid).c_str(), 0777), 0);
  ASSERT_EQ(chmod((base + "/planted/padcontrols-" + uid).c_str(), 0777), 0);
  EXPECT_EQ(PrivateFolder(nullptr, base + "/planted"), "");
  ASSERT_EQ(mkdir((base + "/linked").c_str(), 0777), 0);
  ASSERT_EQ(symlink((base + "/run").c_str(), (base + "/linked/padcontrols-" + uid).c_str()), 0);
  EXPECT_EQ(PrivateFolder(nullptr, base + "/linked"), "");
  qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(base + "/open"));
  EXPECT_EQ(AcquireInstanceLock("PadControlsTest-private"), InstanceLock::kAcquired);
  EXPECT_EQ(access((base + "/open/PadControlsTest-private.lock").c_str(), F_OK), -1);
  unlink(InstanceLockPath("PadControlsTest-private").c_str());

  // Where padctl looks for windows: its own folders, and as root every user's (sudo), but
  // only folders their owner alone may write.
  ASSERT_EQ(mkdir((base + "/users").c_str(), 0755), 0);
  ASSERT_EQ(mkdir((base + "/users/" + uid).c_str(), 0700), 0);
  ASSERT_EQ(mkdir((base + "/users/" + std::to_string(geteuid() + 1)).c_str(), 0700), 0);
  ASSERT_EQ(mkdir((base + "/users/notauser").c_str(), 0700), 0);
  const std::vector<MarkerFolder> own{{base + "/run", geteuid()},
                                      {base + "/users/" + uid, geteuid()},
                                      {base + "/tmp/padcontrols-" + uid, geteuid()}};
  EXPECT_EQ(MarkerFolders(geteuid(), (base + "/run").c_str(), base + "/users", base + "/tmp"), own);
  std::vector<MarkerFolder> asRoot = MarkerFolders(0, nullptr, base + "/users", base + "/tmp");
  const auto byPath = [](const MarkerFolder& a, const MarkerFolder& b) { return a.path < b.path; };
  std::sort(asRoot.begin(), asRoot.end(), byPath);
  const std::vector<MarkerFolder> everyUser{{base + "/tmp/padcontrols-" + uid, geteuid()},
                                            {base + "/users/" + uid, geteuid()}};
  EXPECT_EQ(asRoot, everyUser);

  if (saved.isEmpty()) {
    qunsetenv("XDG_RUNTIME_DIR");
  } else {
    qputenv("XDG_RUNTIME_DIR", saved);
  }
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

// The read is mostly pauses: it has to be under way while the window is built, not after.
TEST(EntryTest, TheStartUpReadBeginsBeforeTheWindowIsCreated) {
  AppTestEnv env;
  std::mutex mutex;
  std::condition_variable changed;
  bool reading = false;
  std::optional<bool> readingWhileBuilding;
  const ControllerOpener open = env.context.openController;
  env.context.openController = [&, open] {
    {
      const std::lock_guard<std::mutex> hold(mutex);
      reading = true;
    }
    changed.notify_all();
    return open();
  };
  // The model is first asked for while the window lays out its controls, inside Create.
  const auto model = env.context.boardModel;
  env.context.boardModel = [&, model] {
    std::unique_lock<std::mutex> hold(mutex);
    if (!readingWhileBuilding) {
      // Only a read that was never begun makes this wait run out.
      readingWhileBuilding =
          changed.wait_for(hold, std::chrono::seconds(10), [&] { return reading; });
    }
    return model();
  };
  const std::string guard = UniqueGuard("order");
  QTimer::singleShot(0, [] { PostQuitMessage(0); });
  EXPECT_EQ(RunPadControls(env.context, guard), 0);
  ASSERT_TRUE(readingWhileBuilding.has_value());
  EXPECT_TRUE(*readingWhileBuilding);
  EXPECT_TRUE(env.boxes.empty());
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
