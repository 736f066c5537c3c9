// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <chrono>
#include <thread>

namespace {

// Runs the real program with `option` and `value` and reports whether it ended by itself within
// `limit`; a running program is killed. With no controller it waits in its failure message,
// so a program that ignores its arguments is still there at the end.
bool EndsBySelf(const char* option, const char* value, std::chrono::milliseconds limit) {
  QTemporaryDir runtime;  // its own single-instance lock, away from any real one
  const pid_t child = fork();
  if (child == 0) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
    execl(PADCONTROLS_PROGRAM, PADCONTROLS_PROGRAM, option, value, static_cast<char*>(nullptr));
    _exit(127);
  }
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < deadline) {
    if (waitpid(child, nullptr, WNOHANG) == child) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  return false;
}

TEST(ProgramArguments, ToolkitOptionsOnTheCommandLineAreIgnored) {
  // Read by Qt, this option would end the program at once: no such platform exists.
  EXPECT_FALSE(EndsBySelf("-platform", "no-such-platform", std::chrono::seconds(3)));
}

}  // namespace
