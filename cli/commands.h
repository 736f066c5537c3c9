// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "cli/command_line.h"
#include "cli/doctor_facts.h"
#include "context/program_context.h"
#include "link/interface_survey.h"

enum ExitCode : int {
  kExitDone = 0,
  kExitController = 1,  // no controller, a failed exchange, a write that did not verify, or
                        // data that could not be written out
  kExitUsage = 2,       // a bad command line or a bad file
};

// Where a command reads its world from and writes to. The controller, the board model, the
// language and the trace come from `program`, so the caller decides between hardware and
// emulator.
struct CliContext {
  CliContext(std::ostream& data, std::ostream& messages) : out(data), err(messages) {}
  std::ostream& out;                          // data as text, in the terminal's character set
  std::ostream& err;                          // messages
  std::ostream* json = nullptr;               // data as JSON, always UTF-8; null: `out`
  std::function<int()> outputError;           // why writing the data failed (errno); null: unknown
  std::optional<std::string> controllerFile;  // the controller's own file, never a backup's
  ProgramContext program;
  std::function<bool()> confirm;   // asks before reset without --yes; null: refuse instead
  std::function<void(int)> pause;  // between reports; null: real pauses
  // Whether a settings window shows the controller with this identity (see
  // ReportTransport::Identity); null: never.
  std::function<bool(const std::string& identity)> windowOpen;
  // How long to wait while another program holds the controller; null: the usual few seconds.
  std::optional<std::chrono::milliseconds> lockWait;
  // doctor: how the controller's interfaces are looked at (null: none are found) and the
  // machine's facts (null: the system's own).
  InterfaceSurveyor surveyInterfaces;
  std::function<SystemFacts()> systemFacts;
};

// Runs the command. Data that could not be written (a full disk, a closed pipe) makes it
// fail with kExitController, said on `err` unless the reader has gone away.
int RunCommand(const CommandLine& line, CliContext& context);
