// SPDX-License-Identifier: GPL-3.0-or-later
// padctl: the controller's settings from a terminal. This entry only wires the world (the
// real controller or the emulator, the board model, the terminal) to the commands; the rest of
// the context (the system log, the locale) is the system's own.
#include <unistd.h>

#include <cstdlib>
#include <csignal>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/descriptor_output.h"
#include "cli/locale_messages.h"
#include "cli/report_trace.h"
#include "device/hidraw/hidraw_controller.h"
#include "device/hidraw/hidraw_survey.h"
#include "emulator/controller_emulator.h"
#include "sysinfo/board_model.h"
#include "sysinfo/window_marker.h"
#include "sysinfo/standard_descriptors.h"

namespace {

bool AskYes() {
  std::string answer;
  if (!std::getline(std::cin, answer)) return false;
  return answer == "y" || answer == "Y" || answer == "yes";
}

}  // namespace

int main(int argc, char** argv) {
  if (!OpenStandardDescriptors()) return kExitController;
  // A reader that goes away is seen as a failed write and ends padctl in order, never as a
  // signal in the middle of an exchange with the controller.
  std::signal(SIGPIPE, SIG_IGN);
  DescriptorOutput standardOutput(STDOUT_FILENO);
  DescriptorOutput standardError(STDERR_FILENO);
  // Text is written in UTF-8 and reaches the terminal in its own character set; JSON stays
  // UTF-8, as JSON must.
  const std::string codeset = MessageCodeset();
  ConvertingStream messages(standardError, codeset);
  ConvertingStream text(standardOutput, codeset);
  CliContext context(text, messages);
  context.json = &standardOutput;
  context.outputError = [&standardOutput] { return standardOutput.Error(); };
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
    context.controllerFile = *line->emulatorState;
    const std::string model = line->model.value_or(kModelT2803_31);
    context.program.boardModel = [model] { return model; };
  }
  if (line->trace) EnableReportTrace(context, messages);
  if (isatty(STDIN_FILENO)) context.confirm = AskYes;
  // A window of this user, or under sudo of any user, that shows the same controller.
  context.windowOpen = [](const std::string& identity) {
    return WindowShows(identity, MarkerFolders(geteuid(), std::getenv("XDG_RUNTIME_DIR")));
  };

  return RunCommand(*line, context);
}
