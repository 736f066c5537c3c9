// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/doctor_facts.h"
#include "link/interface_survey.h"

// One result of padctl doctor: a mark that reads without colour, what was found and, for a
// failure, what to do.
enum class DoctorMark { kOk, kInfo, kWarn, kFail, kSkip };

struct DoctorLine {
  DoctorMark mark = DoctorMark::kOk;
  std::string text;
  bool aboutController = false;  // found on the controller's interfaces (replayable)
};

struct DoctorResult {
  std::vector<DoctorLine> lines;
  int failures = 0;
  int warnings = 0;
};

// Runs every check in order. Nothing is written to the controller; the one read exchange
// runs unless `read` is false, through `context.program` (so it meets the same search as
// every other command).
DoctorResult RunDoctorChecks(const SystemFacts& facts, const InterfaceSurvey& survey,
                             CliContext& context, bool read);

// A line as printed: "ok    text", "FAIL  text", ...
std::string RenderDoctorLine(const DoctorLine& line);
// The closing line, with its verdict.
std::string DoctorSummary(const DoctorResult& result);
