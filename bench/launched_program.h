// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// A program started by a benchmark and ended by it: it is never left running, even when the
// benchmark gives up half way.
class LaunchedProgram {
 public:
  struct Launch {
    std::vector<std::string> argv;         // argv[0] is looked up on PATH when it has no slash
    std::vector<std::string> environment;  // "NAME=value"; empty keeps the benchmark's own
    int inheritedFd = -1;                  // one descriptor the program is meant to write to
    bool quiet = false;                    // its standard error goes nowhere too
  };

  // Starts the program; nothing and a message in `error` when it cannot be started.
  static std::optional<LaunchedProgram> Start(const Launch& launch, std::string* error);

  LaunchedProgram(LaunchedProgram&& other) noexcept;
  LaunchedProgram& operator=(LaunchedProgram&&) = delete;
  LaunchedProgram(const LaunchedProgram&) = delete;
  LaunchedProgram& operator=(const LaunchedProgram&) = delete;
  ~LaunchedProgram();

  pid_t Pid() const { return pid_; }
  // Turns readable once the program has ended, for poll() beside other descriptors.
  int EndedFd() const { return endedFd_; }

  // Asks it to stop, forces it after `grace`, reaps it, and gives its peak resident set in KiB
  // (-1 when it had already been reaped).
  long End(std::chrono::milliseconds grace);

 private:
  LaunchedProgram(pid_t pid, int endedFd) : pid_(pid), endedFd_(endedFd) {}

  pid_t pid_ = -1;
  int endedFd_ = -1;
};
