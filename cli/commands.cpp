// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands.h"

#include <QJsonDocument>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cstdio>
#include <iomanip>
#include <map>
#include <optional>
#include <set>

#include "cli/backup_file.h"
#include "cli/doctor_command.h"
#include "cli/named_settings.h"
#include "cli/profile_command.h"
#include "cli/printable_text.h"
#include "cli/slot_checks.h"
#include "device/verified_write.h"
#include "device/controller_device.h"
#include "link/wide_to_utf8.h"
#include "files/file_replace.h"
#include "files/regular_file_read.h"
#include "files/same_file.h"
#include "keys/key_names.h"
#include "models/model_layout.h"
#include "settings/record_rules.h"
#include "settings/setting_values.h"
#include "texts/phrases.h"

namespace {

// A backup is a few kilobytes; anything far larger is not one and is not read whole.
constexpr std::size_t kMaxBackupBytes = 1 << 20;
// `backup -` writes to standard output, as most tools read "-".
constexpr char kStandardOutput[] = "-";
constexpr int kNameColumn = 22;
// `show --json`'s member for what the window cannot show; present only when there is some.
constexpr char kNotShownKey[] = "notShownByWindow";

class Runner {
 public:
  Runner(CliContext& context, const CommandLine& line)
      : c_(context), line_(line), device_(context.program) {
    if (c_.pause) device_.pause = c_.pause;
    if (c_.lockWait) device_.lockWait = *c_.lockWait;
  }
  ~Runner() {
    if (holding_) device_.ReleaseExchanges();
  }
  Runner(const Runner&) = delete;
  Runner& operator=(const Runner&) = delete;

  int Run() {
    const CommandLine& line = line_;
    switch (line.command) {
      case Command::kHelp:
        c_.out << UsageText();
        return kExitDone;
      case Command::kVersion:
        c_.out << VersionText();
        return kExitDone;
      case Command::kKeys:
        return Keys();
      case Command::kInfo:
        return Info();
      case Command::kShow:
        return Show(line.json);
      case Command::kBackup:
        return SaveBackup(line.file);
      case Command::kRestore:
        return Restore(line.file);
      case Command::kSet:
        return Set(line.assignments);
      case Command::kReset:
        return Reset(line.yes);
      case Command::kDoctor:
        return RunDoctor(line, c_);
      case Command::kProfile:
        return RunProfileCommand(line, c_,
                                 {[this](const std::string& file) { return SaveBackup(file); },
                                  [this](const std::string& file) { return Restore(file); }});
    }
    return kExitUsage;
  }

 private:
  void Say(const Message& message) {
    c_.err << "padctl: " << RenderMessage(message, c_.program.UseChinese()) << '\n';
  }
  int Fail(const Message& message, int code) {
    Say(message);
    return code;
  }

  // Opens the controller, takes it from other programs for the rest of the command, and reads
  // it; on failure says why and gives the exit code. Holding it from the read to the check
  // after a write is what keeps two writers from undoing each other's change.
  std::optional<int> OpenAndRead() {
    if (!device_.OpenController()) return Fail(NotFound(), kExitController);
    const ExchangeLockAttempt hold = device_.HoldExchanges();
    if (hold == ExchangeLockAttempt::kBusy) {
      return Fail({MessageId::kControllerBusy, {}}, kExitController);
    }
    holding_ = hold == ExchangeLockAttempt::kTaken;
    if (!holding_ || !device_.ReadSettings(device_.handle.get())) {
      return Fail({MessageId::kReadFailed, {}}, kExitController);
    }
    return std::nullopt;
  }

  // Why no controller could be opened, as precisely as the search could tell.
  Message NotFound() const {
    if (device_.deniedNode.empty()) return {MessageId::kNoController, {}};
    return {device_.deniedNodeTaken ? MessageId::kControllerTaken : MessageId::kNoPermission, {}};
  }

  std::ostream& Json() { return c_.json != nullptr ? *c_.json : c_.out; }

  std::string Firmware() const { return WideToUtf8(device_.versionPartX + device_.versionPartK); }
  std::string BoardModel() const { return c_.program.BoardModel(); }

  int Keys() {
    for (const auto& key : KnownKeys()) {
      c_.out << std::left << std::setw(kNameColumn) << KeyName(key.keyCode)
             << HexText(key.keyCode, 4) << '\n';
    }
    return kExitDone;
  }

  int Info() {
    if (auto failed = OpenAndRead()) return *failed;
    const std::string board = BoardModel();
    const int layout = LayoutNumberOf(board);
    const auto yesNo = [](bool value) { return value ? "yes" : "no"; };
    c_.out << "node      " << device_.handle->Location() << '\n'
           << "firmware  " << phrases::kVersionPrefix.Text(c_.program.UseChinese()) << Firmware()
           << '\n'
           << "board     " << (board.empty() ? "(unknown)" : EscapeControls(board)) << '\n'
           << "layout    ";
    if (layout == 0) {
      c_.out << "none: the plain window, no model-specific settings groups\n";
    } else {
      c_.out << layout << ": LED settings " << yesNo(ShowsLedGroups(board)) << ", dead zones "
             << yesNo(ShowsDeadZoneGroup(board)) << ", rear buttons titled L4/R4 "
             << yesNo(UsesRearButtonTitles(board)) << '\n';
    }
    return kExitDone;
  }

  int Show(bool json) {
    if (auto failed = OpenAndRead()) return *failed;
    const ControllerConfig& config = device_.config;
    // What the window could not show is said as such, next to the value as it is.
    std::map<const settings::Setting*, std::string> notShown;
    for (const auto& problem : settings::RecordProblems(config)) {
      notShown[problem.setting] = ProblemReason(config, problem);
    }
    if (json) {
      QJsonObject view = NamedView(config);
      if (!notShown.empty()) {
        QJsonObject reasons;
        for (const auto& [setting, reason] : notShown) {
          reasons.insert(QLatin1String(setting->name), QString::fromStdString(reason));
        }
        view.insert(QLatin1String(kNotShownKey), reasons);
      }
      Json() << QJsonDocument(view).toJson().toStdString();
      return kExitDone;
    }
    for (const auto& setting : settings::Settings()) {
      c_.out << std::left << std::setw(kNameColumn) << setting.name << SettingText(config, setting);
      if (const auto reason = notShown.find(&setting); reason != notShown.end()) {
        c_.out << " (the window cannot show this: " << reason->second << ')';
      }
      c_.out << '\n';
    }
    return kExitDone;
  }

  int SaveBackup(const std::string& file) {
    // The emulated controller's state file in JSON would leave no controller to restore to.
    if (file != kStandardOutput && c_.controllerFile && SameFile(file, *c_.controllerFile)) {
      return Fail({MessageId::kControllerOwnFile, {file}}, kExitUsage);
    }
    if (auto failed = OpenAndRead()) return *failed;
    const Backup backup{Firmware(), BoardModel(), WrittenSlots(device_.config)};
    const QByteArray bytes = EncodeBackup(backup);
    if (file == kStandardOutput) {
      // A backup that did not get out is no backup: RunCommand says why.
      if (!(Json() << bytes.toStdString() << std::flush)) return kExitController;
    } else {
      std::string reason;
      if (!ReplaceFile(file, std::vector<std::uint8_t>(bytes.begin(), bytes.end()), &reason)) {
        return Fail({MessageId::kCannotWriteFile, {file, reason}}, kExitUsage);
      }
      Say({MessageId::kBackupSaved, {file}});
    }
    // Said now rather than on the day the backup is needed.
    const std::vector<Message> unrestorable = CheckSlots(backup.words);
    if (!unrestorable.empty()) Say({MessageId::kBackupNotRestorable, {}});
    for (const auto& problem : unrestorable) Say(problem);
    return kExitDone;
  }

  int Restore(const std::string& file) {
    const FileRead in = ReadRegularFile(file, kMaxBackupBytes);
    std::vector<Message> problems;
    std::optional<Backup> backup;
    switch (in.status) {
      case FileReadStatus::kRead:
        backup = DecodeBackup(QByteArray(reinterpret_cast<const char*>(in.bytes.data()),
                                         static_cast<qsizetype>(in.bytes.size())),
                              file, &problems);
        break;
      case FileReadStatus::kNotRegular:
        problems.push_back({MessageId::kNotRegularFile, {file}});
        break;
      case FileReadStatus::kTooLarge:
        problems.push_back({MessageId::kFileTooLarge,
                            {file, std::to_string(in.size), std::to_string(kMaxBackupBytes)}});
        break;
      case FileReadStatus::kMissing:
      case FileReadStatus::kFailed:
        problems.push_back({MessageId::kCannotReadFile, {file, in.reason}});
        break;
    }
    if (!backup) {
      for (const auto& problem : problems) Say(problem);
      return Fail({MessageId::kNothingWritten, {}}, kExitUsage);
    }
    if (auto failed = OpenAndRead()) return *failed;
    const std::string board = BoardModel();
    if (backup->boardModel != board) Say({MessageId::kOtherBoard, {backup->boardModel, board}});
    return WriteChecked(backup->words);
  }

  int Set(const std::vector<std::string>& assignments) {
    // Every assignment is checked before the controller is touched, so a typo in the last
    // one writes nothing; every mistake is said at once.
    std::vector<std::pair<const settings::Setting*, std::int32_t>> changes;
    std::set<const settings::Setting*> named;
    std::vector<Message> mistakes;
    for (const std::string& text : assignments) {
      const std::size_t equals = text.find('=');
      if (equals == std::string::npos) {
        mistakes.push_back({MessageId::kNotAssignment, {text}});
        continue;
      }
      const std::string name = text.substr(0, equals);
      const settings::Setting* setting = settings::FindSetting(name);
      std::int32_t value = 0;
      if (setting == nullptr) {
        mistakes.push_back({MessageId::kUnknownSetting, {name}});
      } else if (auto problem = ParseValue(*setting, text.substr(equals + 1), value)) {
        mistakes.push_back(*problem);
      } else if (!named.insert(setting).second) {
        // Which of two values was meant is a guess: refuse rather than write the last one.
        mistakes.push_back({MessageId::kSettingTwice, {name}});
      } else {
        changes.emplace_back(setting, value);
      }
    }
    if (!mistakes.empty()) {
      for (const auto& mistake : mistakes) Say(mistake);
      return kExitUsage;
    }
    if (auto failed = OpenAndRead()) return *failed;
    ControllerConfig wanted = device_.config;
    std::vector<Message> notes;
    for (const auto& [setting, value] : changes) {
      settings::StoreValue(wanted, *setting, value);
      if (setting->kind == settings::SettingKind::kRearStep && value == 0) {
        if (auto note = EmptyLaterSteps(wanted, *setting)) notes.push_back(*note);
      }
    }
    // The result is judged whole, so steps filled in one command need not come in order. A
    // problem in what the command touched blocks it; one the controller already held
    // elsewhere is said and left, so a damaged controller can still be mended setting by
    // setting.
    std::vector<Message> refused, kept;
    for (const auto& problem : settings::RecordProblems(wanted)) {
      const bool touched = std::any_of(changes.begin(), changes.end(), [&](const auto& change) {
        return SameRule(*change.first, *problem.setting);
      });
      (touched ? refused : kept).push_back(ProblemMessage(wanted, problem));
    }
    if (!refused.empty()) {
      for (const auto& problem : refused) Say(problem);
      return kExitUsage;
    }
    for (const auto& note : notes) Say(note);
    if (!kept.empty()) Say({MessageId::kHeldProblemsKept, {}});
    for (const auto& problem : kept) Say(problem);
    return WriteChecked(WrittenSlots(wanted));
  }

  // "none" on a rear step empties the later steps and their delays, as the window's does; the
  // settings that held something are named.
  static std::optional<Message> EmptyLaterSteps(ControllerConfig& config,
                                                const settings::Setting& step) {
    const ControllerConfig before = config;
    std::string emptied;
    for (const int slot : settings::EmptyStepsFrom(config, step)) {
      if (slot == step.slot || before.Code(slot) == 0) continue;
      for (const auto& setting : settings::Settings()) {
        if (setting.slot == slot && setting.button == step.button) {
          emptied += (emptied.empty() ? "" : ", ") + std::string(setting.name);
        }
      }
    }
    if (emptied.empty()) return std::nullopt;
    return Message{MessageId::kNoneEmptiesMore, {step.name, emptied}};
  }

  // Whether a change to `changed` answers for a problem in `troubled`: the same setting, the
  // same rear button's sequence, or the same LED mode byte.
  static bool SameRule(const settings::Setting& changed, const settings::Setting& troubled) {
    if (&changed == &troubled) return true;
    if (changed.button >= 0 && changed.button == troubled.button) return true;
    const auto isMode = [](const settings::Setting& s) {
      return s.kind == settings::SettingKind::kLedOn || s.kind == settings::SettingKind::kLedEffect;
    };
    return isMode(changed) && isMode(troubled);
  }

  int Reset(bool yes) {
    // Asked before the controller is opened: the factory values do not depend on what it
    // holds, and a question nobody answers must not keep the window or padctl from it.
    if (!yes) {
      if (!c_.confirm) return Fail({MessageId::kResetNeedsYes, {}}, kExitUsage);
      c_.err << RenderMessage({MessageId::kResetQuestion, {}}, c_.program.UseChinese())
             << std::flush;
      if (!c_.err || !c_.confirm()) return Fail({MessageId::kNothingWritten, {}}, kExitUsage);
    }
    if (auto failed = OpenAndRead()) return *failed;
    ControllerConfig factory;
    factory.LoadDefaults();
    return WriteChecked(WrittenSlots(factory));
  }

  int WriteChecked(const SlotWords& words) {
    if (c_.windowOpen && device_.handle && c_.windowOpen(device_.handle->Identity())) {
      const Phrase& window =
          line_.emulatorState ? phrases::padctl::kDemoWindow : phrases::padctl::kRealWindow;
      Say({MessageId::kWindowOpen,
           {window.Text(c_.program.UseChinese()), EscapeControls(device_.handle->Location())}});
    }
    const VerifiedWrite result = WriteAndVerify(device_, words);
    switch (result.outcome) {
      case WriteOutcome::kVerified:
        Say({MessageId::kWrittenAndVerified, {std::to_string(slots::kWritten)}});
        return kExitDone;
      case WriteOutcome::kWriteFailed:
        return Fail({MessageId::kWriteFailed, {}}, kExitController);
      case WriteOutcome::kReadBackFailed:
        return Fail({MessageId::kReadBackFailed, {}}, kExitController);
      case WriteOutcome::kDifferent:
        break;
    }
    Say({MessageId::kDifferentAfterWrite, {}});
    for (const SlotDifference& difference : result.differences) {
      c_.err << RenderMessage({MessageId::kSlotDifference,
                               {std::to_string(difference.slot), SlotLabel(difference.slot),
                                HexText(difference.wrote, 4), HexText(difference.found, 4)}},
                              c_.program.UseChinese())
             << '\n';
    }
    return kExitController;
  }

  // The names of the settings a slot holds, or "-" for a slot carried as it is.
  static std::string SlotLabel(int slot) {
    std::string label;
    for (const auto& setting : settings::Settings()) {
      const settings::SettingBits bits = settings::BitsOf(setting);
      bool holds = false;
      for (int part = 0; part < bits.count; ++part) {
        holds = holds || bits.parts[static_cast<std::size_t>(part)].slot == slot;
      }
      if (holds) label += (label.empty() ? "" : ", ") + std::string(setting.name);
    }
    return label.empty() ? "-" : label;
  }

  CliContext& c_;
  const CommandLine& line_;
  ControllerDevice device_;
  bool holding_ = false;
};

}  // namespace

int RunCommand(const CommandLine& line, CliContext& context) {
  const int result = Runner(context, line).Run();
  context.out.flush();
  if (context.json != nullptr) context.json->flush();
  const bool dataLost = !context.out || (context.json != nullptr && !*context.json);
  if (!dataLost) return result;
  const int error = context.outputError ? context.outputError() : 0;
  // A reader that has gone away (head, a closed pipe) wants no more, not even a message.
  if (error != EPIPE) {
    const std::string reason = error != 0 ? std::strerror(error) : "write error";
    context.err << "padctl: "
                << RenderMessage({MessageId::kCannotWriteOutput, {reason}},
                                 context.program.UseChinese())
                << '\n'
                << std::flush;
  }
  return result == kExitDone ? kExitController : result;
}
