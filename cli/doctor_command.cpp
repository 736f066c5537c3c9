// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/doctor_command.h"

#include <vector>

#include "cli/doctor.h"
#include "cli/doctor_report.h"
#include "files/file_replace.h"

int RunDoctor(const CommandLine& line, CliContext& context) {
  const SystemFacts facts = context.systemFacts ? context.systemFacts() : GatherSystemFacts();
  const InterfaceSurvey survey =
      context.surveyInterfaces ? context.surveyInterfaces() : InterfaceSurvey{};
  const DoctorResult result = RunDoctorChecks(facts, survey, context, !line.noRead);
  const int verdict = result.failures == 0 ? kExitDone : kExitController;

  const bool reportToOutput = line.report && *line.report == "-";
  if (!reportToOutput) {
    for (const DoctorLine& doctorLine : result.lines) {
      context.out << RenderDoctorLine(doctorLine) << '\n';
    }
    context.out << DoctorSummary(result) << '\n';
  }
  if (!line.report) return verdict;
  const std::string report = DoctorReport(result, facts, survey, context.program.BoardModel());
  if (reportToOutput) {
    context.out << report << std::flush;
    return verdict;
  }
  std::string reason;
  if (!ReplaceFile(*line.report, std::vector<std::uint8_t>(report.begin(), report.end()),
                   &reason)) {
    context.err << "padctl: "
                << RenderMessage({MessageId::kCannotWriteFile, {*line.report, reason}},
                                 context.program.UseChinese())
                << '\n';
    return kExitUsage;
  }
  return verdict;
}
