// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_messages.h"

enum class Command {
  kHelp,
  kVersion,
  kInfo,
  kShow,
  kBackup,
  kRestore,
  kSet,
  kReset,
  kKeys,
  kProfile,
  kDoctor,
};

enum class ProfileAction { kList, kSave, kApply, kRemove };

// What one padctl command line asks for.
struct CommandLine {
  Command command = Command::kHelp;
  std::string file;                      // backup, restore
  std::vector<std::string> assignments;  // set: NAME=VALUE
  bool json = false;                     // show
  bool yes = false;                      // reset
  ProfileAction profileAction = ProfileAction::kList;
  std::string profileName;  // profile save, apply, remove
  std::optional<std::string> emulatorState;
  std::optional<std::string> model;   // with the emulator: the board model it stands for
  bool noRead = false;                // doctor: no read exchange
  std::optional<std::string> report;  // doctor: where the report goes ("-": standard output)
  bool trace = false;                 // the debug trace and every report on standard error
};

// Parses the arguments after the program name; options may come before or after the command.
// On a bad command line returns nothing and puts the problem in `error`.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, Message* error);

// The --help text; the man page is generated from it.
std::string UsageText();
// The --version line.
std::string VersionText();
