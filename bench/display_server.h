// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "bench/launched_program.h"

// The X display the benchmark measures on: the caller's ($DISPLAY) when it answers, else a
// private Xvfb started here and ended with this object.
class DisplayServer {
 public:
  // Nothing and a message in `error` when there is no display and Xvfb cannot be started.
  static std::optional<DisplayServer> Find(std::string* error);

  const std::string& Name() const { return name_; }
  bool Private() const { return xvfb_.has_value(); }

 private:
  DisplayServer(std::string name, std::optional<LaunchedProgram> xvfb)
      : name_(std::move(name)), xvfb_(std::move(xvfb)) {}

  std::string name_;
  std::optional<LaunchedProgram> xvfb_;
};
