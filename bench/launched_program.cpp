// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/launched_program.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

std::vector<char*> PointersTo(const std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (const std::string& text : strings) pointers.push_back(const_cast<char*>(text.c_str()));
  pointers.push_back(nullptr);
  return pointers;
}

// Only async-signal-safe calls between fork and exec: the benchmark may hold locks.
[[noreturn]] void BecomeProgram(const LaunchedProgram::Launch& launch, char* const* argv,
                                char* const* environment, int errorPipe) {
  const int nowhere = open("/dev/null", O_RDWR);
  if (nowhere >= 0) {
    dup2(nowhere, STDIN_FILENO);
    dup2(nowhere, STDOUT_FILENO);
    if (launch.quiet) dup2(nowhere, STDERR_FILENO);
  }
  if (launch.inheritedFd >= 0) fcntl(launch.inheritedFd, F_SETFD, 0);
  execvpe(argv[0], argv, environment);
  const int failure = errno;
  [[maybe_unused]] const ssize_t written = write(errorPipe, &failure, sizeof(failure));
  _exit(127);
}

}  // namespace

std::optional<LaunchedProgram> LaunchedProgram::Start(const Launch& launch, std::string* error) {
  if (launch.argv.empty()) {
    *error = "no program to start";
    return std::nullopt;
  }
  extern char** environ;
  std::vector<char*> argv = PointersTo(launch.argv);
  std::vector<char*> environment = PointersTo(launch.environment);
  char* const* envp = launch.environment.empty() ? environ : environment.data();

  // The child reports a failed exec through this pipe; a successful exec closes it.
  int errorPipe[2];
  if (pipe2(errorPipe, O_CLOEXEC) != 0) {
    *error = std::string("cannot make a pipe: ") + std::strerror(errno);
    return std::nullopt;
  }
  const pid_t pid = fork();
  if (pid == 0) BecomeProgram(launch, argv.data(), envp, errorPipe[1]);
  close(errorPipe[1]);
  if (pid < 0) {
    close(errorPipe[0]);
    *error = std::string("cannot fork: ") + std::strerror(errno);
    return std::nullopt;
  }
  int execError = 0;
  ssize_t got;
  do {
    got = read(errorPipe[0], &execError, sizeof(execError));
  } while (got < 0 && errno == EINTR);
  close(errorPipe[0]);
  if (got == static_cast<ssize_t>(sizeof(execError))) {
    waitpid(pid, nullptr, 0);
    *error = "cannot run " + launch.argv[0] + ": " + std::strerror(execError);
    return std::nullopt;
  }

  const int endedFd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
  if (endedFd < 0) {
    const int failure = errno;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    *error = std::string("cannot watch a started program (pidfd_open): ") + std::strerror(failure);
    return std::nullopt;
  }
  return LaunchedProgram(pid, endedFd);
}

LaunchedProgram::LaunchedProgram(LaunchedProgram&& other) noexcept
    : pid_(other.pid_), endedFd_(other.endedFd_) {
  other.pid_ = -1;
  other.endedFd_ = -1;
}

LaunchedProgram::~LaunchedProgram() {
  End(std::chrono::milliseconds(2000));
}

long LaunchedProgram::End(std::chrono::milliseconds grace) {
  if (pid_ < 0) return -1;
  kill(pid_, SIGTERM);
  pollfd ended{endedFd_, POLLIN, 0};
  int ready;
  do {
    ready = poll(&ended, 1, static_cast<int>(grace.count()));
  } while (ready < 0 && errno == EINTR);
  if (ready <= 0) kill(pid_, SIGKILL);
  rusage usage{};
  int status = 0;
  pid_t reaped;
  do {
    reaped = wait4(pid_, &status, 0, &usage);
  } while (reaped < 0 && errno == EINTR);
  close(endedFd_);
  pid_ = -1;
  endedFd_ = -1;
  return reaped > 0 ? usage.ru_maxrss : -1;
}
