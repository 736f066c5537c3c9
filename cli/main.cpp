// SPDX-License-Identifier: GPL-3.0-or-later
// padctl: the controller's settings from a terminal. This entry only wires the world (the
// real controller or the emulator, the board model, the terminal) to the commands; the rest of
// the context (the system log, the locale) is the system's own.
#include <unistd.h>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/locale_messages.h"
#include "cli/report_trace.h"
#include "device/hidraw/hidraw_controller.h"
#include "device/hidraw/hidraw_survey.h"
#include "emulator/controller_emulator.h"
#include "sysinfo/board_model.h"
#include "sysinfo/single_instance.h"

namespace {

bool AskYes() {
  std::string answer;
  if (!std::getline(std::cin, answer)) return false;
  return answer == "y" || answer == "Y" || answer == "yes";
}

}  // namespace

int main(int argc, char** argv) {
  // Messages are written in UTF-8 and reach the terminal in its own character set.
  ConvertingStream messages(std::cerr, MessageCodeset());
  CliContext context(std::cout, messages);
  // The real controller through the system's hidraw nodes, unless --emulator says otherwise.
  context.program.openController = OpenHidrawController;
  context.surveyInterfaces = SurveyHidrawInterfaces;

  Message error{};
  const auto line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), &error);
  if (!line) {
    messages << "padctl: " << RenderMessage(error, context.program.UseChinese()) << '\n'
             << RenderMessage({MessageId::kUsageHint, {}}, context.program.UseChinese()) << '\n';
    return kExitUsage;
  }

  if (line->emulatorState) {
    std::string reason;
    auto emulator = MakeEmulatorWithStateFile(*line->emulatorState, &reason);
    if (!emulator) {
      messages << "padctl: "
               << RenderMessage({MessageId::kEmulatorState, {reason}}, context.program.UseChinese())
               << '\n';
      return kExitUsage;
    }
    const std::string location = "emulator " + *line->emulatorState;
    context.program.openController = [emulator, location] {
      return MakeEmulatorTransport(emulator, location);
    };
    const std::string model = line->model.value_or(kModelT2803_31);
    context.program.boardModel = [model] { return model; };
  }
  if (line->trace) EnableReportTrace(context, messages);
  if (isatty(STDIN_FILENO)) context.confirm = AskYes;
  // The window that shows this controller: the demo's for the emulator, else the real one's.
  const std::string guard = line->emulatorState ? kDemoGuardName : kInstanceGuardName;
  context.windowOpen = [guard] { return InstanceRunning(guard); };

  return RunCommand(*line, context);
}
