// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "link/device_link.h"

using BoardModelSource = std::function<std::string()>;
using LanguageSource = std::function<std::uint16_t()>;

// What the program asks of the world around it: the controller link (backend and trace) and
// the system facts both front-ends read. Each entry program builds one and hands it to the
// window or to padctl; tests and the demo build one with their own sources. An empty source
// stands for the system's own.
struct ProgramContext : DeviceLink {
  BoardModelSource boardModel;  // empty: /sys/class/dmi/id/board_name
  LanguageSource languageId;    // empty: the locale

  // Asked afresh at every call: the board model and the language are never cached.
  std::string BoardModel() const;
  std::uint16_t LanguageId() const;
  // Chinese exactly when the language is Chinese as used in the PRC (0x0804).
  bool UseChinese() const;
};
