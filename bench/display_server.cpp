// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/display_server.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>

namespace {
constexpr auto kXvfbStartLimit = std::chrono::seconds(10);

bool Answers(const std::string& display) {
  xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
  const bool answers = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return answers;
}

// Xvfb writes the display number it took, then a newline, once it accepts clients.
bool ReadDisplayNumber(int fd, std::string* number) {
  const auto deadline = std::chrono::steady_clock::now() + kXvfbStartLimit;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                          deadline - std::chrono::steady_clock::now())
                          .count();
    if (left <= 0) return false;
    pollfd readable{fd, POLLIN, 0};
    const int ready = poll(&readable, 1, static_cast<int>(left));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return false;
    char c = 0;
    if (read(fd, &c, 1) != 1) return false;  // Xvfb ended without a display
    if (c == '\n') return !number->empty();
    if (c < '0' || c > '9' || number->size() > 8) return false;
    number->push_back(c);
  }
}
}  // namespace

std::optional<DisplayServer> DisplayServer::Find(std::string* error) {
  const char* current = std::getenv("DISPLAY");
  if (current != nullptr && *current != '\0' && Answers(current)) {
    return DisplayServer(current, std::nullopt);
  }
  int numberPipe[2];
  if (pipe2(numberPipe, O_CLOEXEC) != 0) {
    *error = "cannot make a pipe for Xvfb";
    return std::nullopt;
  }
  LaunchedProgram::Launch launch;
  launch.argv = {"Xvfb",      "-displayfd", std::to_string(numberPipe[1]),
                 "-screen",   "0",          "1280x1024x24",
                 "-nolisten", "tcp"};
  launch.inheritedFd = numberPipe[1];
  launch.quiet = true;
  std::string startError;
  std::optional<LaunchedProgram> xvfb = LaunchedProgram::Start(launch, &startError);
  close(numberPipe[1]);
  std::string number;
  const bool started = xvfb && ReadDisplayNumber(numberPipe[0], &number);
  close(numberPipe[0]);
  if (!started) {
    *error = "no X display" + std::string(current != nullptr ? " answers at $DISPLAY" : "") +
             " and Xvfb did not start" + (xvfb ? "" : " (" + startError + ")");
    return std::nullopt;
  }
  return DisplayServer(":" + number, std::move(xvfb));
}
