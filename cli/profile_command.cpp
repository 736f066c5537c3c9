// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/profile_command.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

#include "cli/profile_store.h"

namespace {

struct ActionWord {
  const char* word;
  ProfileAction action;
  bool takesName;
};
constexpr ActionWord kActions[] = {
    {"list", ProfileAction::kList, false},
    {"save", ProfileAction::kSave, true},
    {"apply", ProfileAction::kApply, true},
    {"remove", ProfileAction::kRemove, true},
};

class ProfileRunner {
 public:
  ProfileRunner(CliContext& context, const BackupCommands& backups)
      : c_(context), backups_(backups) {}

  int Run(const CommandLine& line) {
    const auto folder = ProfileFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    if (!folder) return Fail({MessageId::kNoProfileFolder, {}});
    switch (line.profileAction) {
      case ProfileAction::kList:
        return List(*folder);
      case ProfileAction::kSave:
        return Save(*folder, line.profileName);
      case ProfileAction::kApply:
        return Apply(*folder, line.profileName);
      case ProfileAction::kRemove:
        return Remove(*folder, line.profileName);
    }
    return kExitUsage;
  }

 private:
  void Say(const Message& message) {
    c_.err << "padctl: " << RenderMessage(message, c_.program.UseChinese()) << '\n';
  }
  int Fail(const Message& message) {
    Say(message);
    return kExitUsage;
  }

  int List(const std::string& folder) {
    std::string reason;
    const auto names = ProfileNames(folder, &reason);
    if (!names) return Fail({MessageId::kCannotReadFile, {folder, reason}});
    for (const std::string& name : *names) c_.out << name << '\n';
    return kExitDone;
  }

  int Save(const std::string& folder, const std::string& name) {
    std::error_code code;
    std::filesystem::create_directories(folder, code);
    if (code) return Fail({MessageId::kCannotWriteFile, {folder, code.message()}});
    return backups_.save(ProfilePath(folder, name));
  }

  int Apply(const std::string& folder, const std::string& name) {
    const std::string file = ProfilePath(folder, name);
    if (const auto problem = Unusable(name, file)) {
      Say(*problem);
      return Fail({MessageId::kNothingWritten, {}});
    }
    return backups_.restore(file);
  }

  int Remove(const std::string& folder, const std::string& name) {
    const std::string file = ProfilePath(folder, name);
    if (const auto problem = Unusable(name, file)) return Fail(*problem);
    std::error_code code;
    if (!std::filesystem::remove(file, code) || code) {
      return Fail({MessageId::kCannotRemoveFile, {file, code.message()}});
    }
    Say({MessageId::kProfileRemoved, {name}});
    return kExitDone;
  }

  // Why `file` cannot be taken as profile `name`, if it cannot: it is not there, it is not a
  // regular file (a folder, a FIFO, a link to nothing), or its folder cannot be searched.
  static std::optional<Message> Unusable(const std::string& name, const std::string& file) {
    struct stat entry {};
    if (lstat(file.c_str(), &entry) != 0) {
      if (errno == ENOENT) return Message{MessageId::kNoProfile, {name, file}};
      return Message{MessageId::kCannotReadFile, {file, std::strerror(errno)}};
    }
    struct stat target {};
    if (stat(file.c_str(), &target) != 0) {
      if (errno == ENOENT) return Message{MessageId::kNotRegularFile, {file}};
      return Message{MessageId::kCannotReadFile, {file, std::strerror(errno)}};
    }
    if (!S_ISREG(target.st_mode)) return Message{MessageId::kNotRegularFile, {file}};
    return std::nullopt;
  }

  CliContext& c_;
  const BackupCommands& backups_;
};

}  // namespace

bool ParseProfileOperands(std::vector<std::string>& operands, CommandLine& line, Message* error) {
  if (operands.empty()) {
    *error = {MessageId::kProfileNeedsAction, {}};
    return false;
  }
  const std::string word = operands.front();
  const ActionWord* found = nullptr;
  for (const auto& entry : kActions) {
    if (word == entry.word) found = &entry;
  }
  if (found == nullptr) {
    *error = {MessageId::kUnknownProfileAction, {word}};
    return false;
  }
  operands.erase(operands.begin());
  line.profileAction = found->action;
  if (!found->takesName) return true;
  if (operands.empty()) {
    *error = {MessageId::kProfileNeedsName, {word}};
    return false;
  }
  if (!IsProfileName(operands.front())) {
    *error = {MessageId::kBadProfileName, {operands.front()}};
    return false;
  }
  line.profileName = operands.front();
  operands.erase(operands.begin());
  return true;
}

int RunProfileCommand(const CommandLine& line, CliContext& context, const BackupCommands& backups) {
  return ProfileRunner(context, backups).Run(line);
}
