// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <QTemporaryDir>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "app/main_window.h"
#include "names/control_names.h"
#include "app/program_entry.h"
#include "app/toolkit_start.h"
#include "demo/demo_options.h"
#include "demo/pad_script.h"
#include "emulator/controller_emulator.h"
#include "emulator/emulated_plug.h"
#include "keys/sdl_gamepad_source.h"
#include "keys/sdl_virtual_pad.h"
#include "sysinfo/board_model.h"
#include "sysinfo/standard_descriptors.h"
#include "sysinfo/system_language.h"

// The demo is the program wired to the firmware emulator instead of a real controller,
// with the handheld model and the system language chosen on the command line.
namespace {
// Firmware version bytes the emulated controller reports (shown as X107K215).
constexpr std::array<std::uint8_t, 4> kDemoFirmware{0x01, 0x07, 0x02, 0x15};

// The plug the signal handlers pull; set once before they are installed.
EmulatedPlug* signalPlug = nullptr;

void OnReplugSignal(int) {
  signalPlug->Replug();
}

void OnTogglePlugSignal(int) {
  if (signalPlug->PluggedIn()) {
    signalPlug->Unplug();
  } else {
    signalPlug->Plug();
  }
}

// Drives the virtual pad from standard input, one command a line. The window reads the pad
// every 10 ms, so commands take effect one every kPadScriptStepMs: a press and its release on
// consecutive lines are both seen. A bad line is reported and skipped; the end of the input
// leaves the pad as it is.
constexpr int kPadScriptStepMs = 50;

class PadScriptReader {
 public:
  PadScriptReader(SdlVirtualPad& pad, std::string programName)
      : pad_(pad),
        programName_(std::move(programName)),
        notifier_(STDIN_FILENO, QSocketNotifier::Read) {
    QObject::connect(&notifier_, &QSocketNotifier::activated, [this] { ReadSome(); });
    step_.setSingleShot(true);
    step_.setInterval(kPadScriptStepMs);
    QObject::connect(&step_, &QTimer::timeout, [this] { RunLines(); });
  }

 private:
  void ReadSome() {
    char buffer[4096];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) return;
    if (got <= 0) {
      notifier_.setEnabled(false);
      if (!pending_.empty() && pending_.back() != '\n') pending_ += '\n';
    } else {
      pending_.append(buffer, static_cast<std::size_t>(got));
    }
    if (!step_.isActive()) RunLines();
  }

  // Runs the complete lines waiting, up to the first one that changes the pad; the rest wait
  // for the next step.
  void RunLines() {
    for (std::size_t end = pending_.find('\n'); end != std::string::npos;
         end = pending_.find('\n')) {
      const std::string line = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      if (Run(line)) {
        step_.start();
        return;
      }
    }
  }

  // True when the line changed the pad.
  bool Run(const std::string& line) {
    ++lineNumber_;
    std::string error;
    const auto command = ParsePadScriptLine(line, &error);
    if (!command) {
      std::fprintf(stderr, "%s: standard input line %d skipped: %s\n", programName_.c_str(),
                   lineNumber_, error.c_str());
      return false;
    }
    switch (command->kind) {
      case PadScriptLine::Kind::kNothing:
        return false;
      case PadScriptLine::Kind::kButton:
        pad_.SetButton(command->button, command->down);
        return true;
      case PadScriptLine::Kind::kStick:
        pad_.SetStick(command->axis, command->value);
        return true;
      case PadScriptLine::Kind::kTrigger:
        pad_.SetTrigger(command->axis, command->value);
        return true;
    }
    return false;
  }

  SdlVirtualPad& pad_;
  std::string programName_;
  QSocketNotifier notifier_;
  QTimer step_;
  std::string pending_;
  int lineNumber_ = 0;
};

bool WriteBoardName(const QString& folder, const std::string& model) {
  QFile file(QDir(folder).filePath(QStringLiteral("board_name")));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const std::string line = model + "\n";
  return file.write(line.data(), static_cast<qint64>(line.size())) ==
         static_cast<qint64>(line.size());
}
}  // namespace

int main(int argc, char** argv) {
  if (!OpenStandardDescriptors()) return 1;
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  const auto options = ParseDemoOptions(args, &error);
  const std::string programName = std::filesystem::path(argv[0]).filename().string();
  if (!options) {
    std::fprintf(stderr, "%s: %s\n%s", programName.c_str(), error.c_str(),
                 DemoUsage(programName).c_str());
    return 2;
  }
  if (options->help) {
    std::fputs(DemoUsage(programName).c_str(), stdout);
    return 0;
  }

  auto emulator = std::make_shared<ControllerEmulator>();
  emulator->SetVersion(kDemoFirmware);
  if (options->stateFile) {
    const std::string& path = *options->stateFile;
    emulator = MakeEmulatorWithStateFile(path, &error);
    if (!emulator) {
      // Refuse rather than overwrite a file we cannot read with the next save.
      std::fprintf(stderr, "%s: cannot use state file %s: %s\n", programName.c_str(), path.c_str(),
                   error.c_str());
      return 1;
    }
  }
  ControllerEmulator::Faults faults;
  faults.neverReady = options->neverReady;
  faults.wrongReadChecksum = options->badChecksum;
  emulator->SetFaults(faults);

  auto plug = EmulatedPlug::Create(emulator);
  if (options->unplugged) plug->Unplug();
  if (options->unplugAfterExchanges) {
    plug->UnplugAfterExchanges(*options->unplugAfterExchanges, options->comesBack);
  }
  WindowContext context;
  context.openController = [plug] { return plug->Open(); };
  signalPlug = plug.get();  // the opener keeps the plug alive for the whole run
  std::signal(SIGUSR1, OnReplugSignal);
  std::signal(SIGUSR2, OnTogglePlugSignal);

  if (options->trace) {
    context.trace = [](const std::wstring& line) {
      std::fprintf(stderr, "%s\n", QString::fromStdWString(line).toUtf8().constData());
      std::fflush(stderr);
    };
  }
  if (options->lang) {
    const std::uint16_t langId = *options->lang == "zh" ? kLangChinesePrc : kLangEnglishUs;
    context.languageId = [langId] { return langId; };
  }

  const auto application = StartToolkit(argc, argv, programName.c_str(), context.UseChinese());
  QTemporaryDir boardFolder;
  if (!boardFolder.isValid() || !WriteBoardName(boardFolder.path(), options->model)) {
    std::fprintf(stderr, "%s: cannot prepare the board model folder\n", programName.c_str());
    return 1;
  }
  const std::string boardModelFolder = boardFolder.path().toStdString();
  context.boardModel = [boardModelFolder] { return BoardModel(boardModelFolder); };

  SdlGamepadSource gamepads;
  std::unique_ptr<SdlVirtualPad> virtualPad;
  std::unique_ptr<PadScriptReader> padScript;
  if (options->virtualPad) {
    virtualPad = std::make_unique<SdlVirtualPad>();
    if (!virtualPad->Attached()) {
      std::fprintf(stderr, "%s: cannot attach a virtual gamepad\n", programName.c_str());
      return 1;
    }
    padScript = std::make_unique<PadScriptReader>(*virtualPad, programName);
  }
  BeforeLoop openPage;
  if (options->page) {
    const bool back = *options->page == "back";
    openPage = [back](MainWindow& window) {
      if (!window.Started()) return;  // the window is on its way out already
      TNotifyUI click;
      click.sType = QStringLiteral("click");
      click.pSender = window.GetManager().FindControl(
          QString::fromLatin1(back ? names::kBackKeyMenu : names::kControlKeyMenu));
      window.Notify(click);
    };
  }
  return RunPadControls(context, kDemoGuardName, &gamepads, openPage);
}
