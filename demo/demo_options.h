// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// What the demo's command line asks for. The real program takes no options.
struct DemoOptions {
  std::string model = "T2803-31";   // the handheld that shows every settings group
  std::optional<std::string> lang;  // "zh" or "en"; unset follows the system
  std::optional<std::string> stateFile;
  std::optional<std::string> page;  // "back" or "control": opened at start as by a click
  bool virtualPad = false;          // a gamepad that exists only inside SDL, at rest
  bool unplugged = false;
  // The controller goes away when the exchange after this many starts (a read or a
  // write); with `comesBack` it returns at once under a new node, as after resume.
  std::optional<int> unplugAfterExchanges;
  bool comesBack = false;
  bool neverReady = false;
  bool badChecksum = false;
  bool trace = false;  // debug trace lines on standard error
  bool help = false;
};

// Parses the arguments after the program name. On a bad command line returns nothing and
// fills `error` with a message for the user.
std::optional<DemoOptions> ParseDemoOptions(const std::vector<std::string>& args,
                                            std::string* error);

std::string DemoUsage(const std::string& programName);
