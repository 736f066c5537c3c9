// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"

// Reads "ACTION [NAME]" after the word "profile" into `line`, taking what it uses from the
// front of `operands` (what is left over is for the caller to refuse). False with the problem
// in `error` on a missing or unknown action, a missing name or a name that is not a plain
// file name.
bool ParseProfileOperands(std::vector<std::string>& operands, CommandLine& line, Message* error);

// The backup commands a profile is made of, so saving and applying one is exactly a backup
// and a verified restore. Each takes the file and gives padctl's exit code.
struct BackupCommands {
  std::function<int(const std::string& file)> save;
  std::function<int(const std::string& file)> restore;
};

// Runs "profile list|save|apply|remove" on the profile folder the environment gives.
// A missing profile is a usage error (exit 2) and writes nothing.
int RunProfileCommand(const CommandLine& line, CliContext& context, const BackupCommands& backups);
