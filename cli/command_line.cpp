// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"

#include "cli/named_settings.h"
#include "cli/profile_command.h"
#include "texts/program_version.h"

namespace {

struct CommandWord {
  const char* word;
  Command command;
};
constexpr CommandWord kCommands[] = {
    {"info", Command::kInfo},       {"show", Command::kShow}, {"backup", Command::kBackup},
    {"restore", Command::kRestore}, {"set", Command::kSet},   {"reset", Command::kReset},
    {"keys", Command::kKeys},       {"help", Command::kHelp}, {"profile", Command::kProfile},
    {"doctor", Command::kDoctor},
};

}  // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, Message* error) {
  auto fail = [&](MessageId id, std::vector<std::string> words = {}) -> std::optional<CommandLine> {
    *error = Message{id, std::move(words)};
    return std::nullopt;
  };
  CommandLine line;
  std::optional<std::string> commandWord;
  std::vector<std::string> operands;
  bool help = false;
  bool version = false;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
      continue;
    }
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= args.size() || args[i + 1].empty()) return std::nullopt;
      return args[++i];
    };
    if (optionsEnded && !commandWord) {
      commandWord = arg;
    } else if (optionsEnded) {
      operands.push_back(arg);
    } else if (arg == "--help" || arg == "-h") {
      help = true;
    } else if (arg == "--version") {
      version = true;
    } else if (arg == "--json") {
      line.json = true;
    } else if (arg == "--yes" || arg == "-y") {
      line.yes = true;
    } else if (arg == "--trace") {
      line.trace = true;
    } else if (arg == "--no-read") {
      line.noRead = true;
    } else if (arg == "--report") {
      line.report = value();
      if (!line.report) return fail(MessageId::kMissingValue, {arg});
    } else if (arg == "--emulator") {
      line.emulatorState = value();
      if (!line.emulatorState) return fail(MessageId::kMissingValue, {arg});
    } else if (arg == "--model") {
      line.model = value();
      if (!line.model) return fail(MessageId::kMissingValue, {arg});
    } else if (arg.size() > 1 && arg[0] == '-') {
      return fail(MessageId::kUnknownOption, {arg});
    } else if (!commandWord) {
      commandWord = arg;
    } else {
      operands.push_back(arg);
    }
  }
  if (help || version) {
    line.command = help ? Command::kHelp : Command::kVersion;
    return line;
  }
  if (!commandWord) return fail(MessageId::kNoCommand);
  bool known = false;
  for (const auto& entry : kCommands) {
    if (*commandWord == entry.word) {
      line.command = entry.command;
      known = true;
    }
  }
  if (!known) return fail(MessageId::kUnknownCommand, {*commandWord});
  if (line.model && !line.emulatorState) return fail(MessageId::kModelNeedsEmulator);
  if (line.json && line.command != Command::kShow) {
    return fail(MessageId::kOptionNotForCommand, {"--json", *commandWord});
  }
  if (line.yes && line.command != Command::kReset) {
    return fail(MessageId::kOptionNotForCommand, {"--yes", *commandWord});
  }
  if (line.command != Command::kDoctor) {
    if (line.noRead) return fail(MessageId::kOptionNotForCommand, {"--no-read", *commandWord});
    if (line.report) return fail(MessageId::kOptionNotForCommand, {"--report", *commandWord});
  } else if (line.emulatorState) {
    // The doctor looks at the machine's own controller; the emulator has no interfaces.
    return fail(MessageId::kOptionNotForCommand, {"--emulator", *commandWord});
  }

  switch (line.command) {
    case Command::kBackup:
    case Command::kRestore:
      if (operands.empty()) return fail(MessageId::kMissingFile, {*commandWord});
      line.file = operands.front();
      operands.erase(operands.begin());
      break;
    case Command::kSet:
      if (operands.empty()) return fail(MessageId::kNoAssignments);
      line.assignments = std::move(operands);
      operands.clear();
      break;
    case Command::kProfile:
      if (!ParseProfileOperands(operands, line, error)) return std::nullopt;
      break;
    default:
      break;
  }
  if (!operands.empty()) return fail(MessageId::kUnexpectedArgument, {operands.front()});
  return line;
}

std::string UsageText() {
  return R"(Usage: padctl [--trace] [--emulator STATEFILE [--model CODE]] COMMAND [ARGUMENTS]
Read, change, back up and restore the settings of the handheld's built-in controller.
Messages go to standard error, data to standard output.

Commands:
  info               the device node, firmware version, board model and its layout
  show [--json]      every setting by name (a table, or a JSON object)
  backup FILE        save all settings to FILE (JSON; - for standard output)
  restore FILE       check FILE, write it to the controller and verify every slot
  set NAME=VALUE...  change settings by name in one write, then verify
  reset [--yes]      write the factory values and verify (asks first without --yes)
  keys               the key names that settings take
  profile list       the names of the saved profiles
  profile save NAME  save all settings as profile NAME (a backup file; see Files)
  profile apply NAME
                     restore profile NAME and verify every slot
  profile remove NAME
                     delete profile NAME
  doctor [--no-read] [--report FILE]
                     check everything the window and padctl need, one line each, without
                     writing to the controller; exit 1 when something fails. --no-read
                     skips the one read exchange; --report FILE also writes a report to
                     attach to a bug report (- for standard output), which
                     umockdev-run --device FILE replays
  help               this text

Settings (names as 'show' lists them):
  kbm.wheel-up kbm.wheel-down kbm.home kbm.end kbm.button-a kbm.button-b
  kbm.button-x kbm.button-y kbm.w kbm.s kbm.a kbm.d kbm.space kbm.enter
                     keys sent in keyboard-and-mouse mode: a key name or "none"
  l4.step1..l4.step4, r4.step1..r4.step4
                     the rear buttons' key sequences: a key name or "none"
  l4.delay1..l4.delay3, r4.delay1..r4.delay3
                     )" +
         DelayHelp() + R"(
  rumble             )" +
         RumbleHelp() + R"(
  led.on             on or off
  led.effect         )" +
         EffectHelp() + R"(
  led.color          #RRGGBB
  left-stick.center left-stick.boundary right-stick.center right-stick.boundary
                     )" +
         DeadZoneHelp() + R"(
The keyboard-and-mouse keys take keyboard keys and the wheel; the rear steps take keyboard
keys and gamepad inputs. A step holds a key only when the steps before it do, and a delay
only after a step that holds one; "none" on a step also empties the later steps and their
delays. set and restore refuse what the settings window could not show, and write nothing.

Options:
  --emulator STATEFILE  use the emulated controller whose key map is kept in STATEFILE
                        (the demo's state file; created on the first write)
  --model CODE          with --emulator: the board model to report (default T2803-31)
  --trace               print the debug trace and every report sent and fetched (hex,
                        with the pause before it) on standard error
  -h, --help            this text
  --version             the version of padctl
  --                    the end of the options: what follows is the command and its
                        arguments, even when it starts with '-'

*Exit status*
  0  done
  1  no controller, a failed exchange, a write that did not read back
     the same, or output that could not be written (a full disk, a closed
     pipe)
  2  a bad command line, a bad file or a missing profile; the controller is
     left as it was

Environment:
  XDG_CONFIG_HOME    the folder that holds padcontrols/profiles (default ~/.config)

Files:
  $XDG_CONFIG_HOME/padcontrols/profiles/NAME.json
                     profile NAME, in the format of a backup

Examples:
  $ padctl backup ~/controller.json
  $ padctl set l4.step1=F rumble=2 led.color=#00FF80
  $ padctl restore ~/controller.json
  $ padctl profile save race
  $ padctl profile list

Per game, as a Steam launch option (profile race for the game, then home):
  padctl profile apply race; %command%; padctl profile apply home
)";
}

std::string VersionText() {
  return "padctl (PadControls) " PADCONTROLS_VERSION "\n";
}
