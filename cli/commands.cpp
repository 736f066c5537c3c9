// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands.h"

#include <QJsonDocument>
#include <cstdio>
#include <iomanip>
#include <optional>
#include <set>

#include "cli/backup_file.h"
#include "cli/named_settings.h"
#include "cli/profile_command.h"
#include "cli/printable_text.h"
#include "device/verified_write.h"
#include "device/controller_device.h"
#include "link/wide_to_utf8.h"
#include "files/file_replace.h"
#include "files/regular_file_read.h"
#include "keys/key_names.h"
#include "models/model_layout.h"
#include "texts/phrases.h"

namespace {

// A backup is a few kilobytes; anything far larger is not one and is not read whole.
constexpr std::size_t kMaxBackupBytes = 1 << 20;
// `backup -` writes to standard output, as most tools read "-".
constexpr char kStandardOutput[] = "-";
constexpr int kNameColumn = 22;

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
    if (json) {
      c_.out << QJsonDocument(NamedView(device_.config)).toJson().toStdString();
      return kExitDone;
    }
    for (const auto& setting : NamedSettings()) {
      c_.out << std::left << std::setw(kNameColumn) << setting.name
             << SettingText(device_.config, setting) << '\n';
    }
    return kExitDone;
  }

  int SaveBackup(const std::string& file) {
    if (auto failed = OpenAndRead()) return *failed;
    const Backup backup{Firmware(), BoardModel(), WrittenSlots(device_.config)};
    const QByteArray bytes = EncodeBackup(backup);
    if (file == kStandardOutput) {
      c_.out << bytes.toStdString() << std::flush;
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
    // Both names are shown escaped: one comes from a file, the other from the system.
    if (backup->boardModel != board) {
      Say({MessageId::kOtherBoard, {EscapeControls(backup->boardModel), EscapeControls(board)}});
    }
    return WriteChecked(backup->words);
  }

  int Set(const std::vector<std::string>& assignments) {
    // Every assignment is checked before the controller is touched, so a typo in the last
    // one writes nothing.
    std::vector<std::pair<const NamedSetting*, std::string>> changes;
    ControllerConfig scratch;
    std::set<const NamedSetting*> named;
    for (const std::string& text : assignments) {
      const std::size_t equals = text.find('=');
      if (equals == std::string::npos) {
        return Fail({MessageId::kNotAssignment, {text}}, kExitUsage);
      }
      const std::string name = text.substr(0, equals);
      const NamedSetting* setting = FindSetting(name);
      if (setting == nullptr) return Fail({MessageId::kUnknownSetting, {name}}, kExitUsage);
      const std::string value = text.substr(equals + 1);
      if (auto problem = ApplySetting(scratch, *setting, value)) return Fail(*problem, kExitUsage);
      // Which of two values was meant is a guess: refuse rather than write the last one.
      if (!named.insert(setting).second) {
        return Fail({MessageId::kSettingTwice, {name}}, kExitUsage);
      }
      changes.emplace_back(setting, value);
    }
    if (auto failed = OpenAndRead()) return *failed;
    ControllerConfig wanted = device_.config;
    for (const auto& [setting, value] : changes) ApplySetting(wanted, *setting, value);
    return WriteChecked(WrittenSlots(wanted));
  }

  int Reset(bool yes) {
    if (auto failed = OpenAndRead()) return *failed;
    if (!yes) {
      if (!c_.confirm) return Fail({MessageId::kResetNeedsYes, {}}, kExitUsage);
      c_.err << RenderMessage({MessageId::kResetQuestion, {}}, c_.program.UseChinese())
             << std::flush;
      if (!c_.confirm()) return Fail({MessageId::kNothingWritten, {}}, kExitUsage);
    }
    ControllerConfig factory;
    factory.LoadDefaults();
    return WriteChecked(WrittenSlots(factory));
  }

  int WriteChecked(const SlotWords& words) {
    if (c_.windowOpen && c_.windowOpen()) {
      const Phrase& window =
          line_.emulatorState ? phrases::padctl::kDemoWindow : phrases::padctl::kRealWindow;
      Say({MessageId::kWindowOpen, {window.Text(c_.program.UseChinese())}});
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
    for (const auto& setting : NamedSettings()) {
      const bool colourHalf =
          setting.kind == SettingKind::kLedColour && slot == slots::kLedGreenBlue;
      if (setting.slot != slot && !colourHalf) continue;
      label += (label.empty() ? "" : ", ") + std::string(setting.name);
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
  return Runner(context, line).Run();
}
