// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <string>

namespace {

struct Ended {
  bool byExit;
  int status;
  std::string err;
};

// Runs the real program with `display` (null: none) and no other way to a display, in the
// locale `lang`, and collects how it ended and its standard error.
Ended RunWithDisplay(const char* display, const char* lang) {
  QTemporaryDir runtime;
  int err[2];
  if (pipe(err) != 0) return {false, 0, "no pipe"};
  const pid_t child = fork();
  if (child == 0) {
    dup2(err[1], STDERR_FILENO);
    close(err[0]);
    unsetenv("QT_QPA_PLATFORM");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    if (display != nullptr) {
      setenv("DISPLAY", display, 1);
    } else {
      unsetenv("DISPLAY");
    }
    setenv("LANG", lang, 1);
    setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
    execl(PADCONTROLS_PROGRAM, PADCONTROLS_PROGRAM, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(err[1]);
  std::string text;
  char buffer[512];
  ssize_t n;
  while ((n = read(err[0], buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<size_t>(n));
  close(err[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return {WIFEXITED(status), WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status), text};
}

TEST(NoDisplay, OneClearLineAndExitOneInsteadOfAnAbort) {
  const std::string english =
      "padcontrols: cannot open a display: neither DISPLAY nor WAYLAND_DISPLAY is set, or the "
      "display refused the connection; start the program in a desktop session\n";
  Ended ended = RunWithDisplay(nullptr, "C.UTF-8");
  EXPECT_TRUE(ended.byExit);
  EXPECT_EQ(ended.status, 1);
  EXPECT_EQ(ended.err, english);
  // A display that is named but not there.
  ended = RunWithDisplay(":4711", "en_US.UTF-8");
  EXPECT_TRUE(ended.byExit);
  EXPECT_EQ(ended.status, 1);
  EXPECT_EQ(ended.err, english);
  ended = RunWithDisplay(nullptr, "zh_CN.UTF-8");
  EXPECT_EQ(ended.status, 1);
  EXPECT_EQ(ended.err,
            "padcontrols: 无法打开显示：DISPLAY 和 WAYLAND_DISPLAY 均未设置，或显示服务拒绝了连接；"
            "请在桌面会话中启动\n");
}

}  // namespace
