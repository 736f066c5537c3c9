// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/command_line.h"
#include "cli/commands.h"

// padctl doctor [--no-read] [--report FILE|-]: the checks on standard output, one line each,
// then the summary; with --report also the report file ("-": the report instead of the lines
// on standard output). Exit 0 when the window and padctl can work with the controller, 1
// when a check failed, 2 when the report cannot be written.
int RunDoctor(const CommandLine& line, CliContext& context);
