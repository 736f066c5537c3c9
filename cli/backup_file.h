// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_messages.h"
#include "cli/slot_checks.h"

// A backup of the controller's settings as a JSON file:
//   "format": "padcontrols-backup", "formatVersion": 1,
//   "firmware": the version text, "boardModel": the handheld's board model,
//   "slots": the 64 words the controller takes, by slot,
//   "settings": the same values by name, for people to read.
// The slots are what a restore writes; "settings" must agree with them when present.
inline constexpr const char* kBackupFormat = "padcontrols-backup";
inline constexpr int kBackupFormatVersion = 1;

struct Backup {
  std::string firmware;
  std::string boardModel;
  SlotWords words{};
};

QByteArray EncodeBackup(const Backup& backup);

// The backup in `bytes`, or nothing with every problem found in `problems`. `fileName` only
// names the file in the messages. A leading UTF-8 byte-order mark is skipped; anything else
// before the first '{' but white space is refused. A backup is refused when it is not complete
// JSON, gives a key twice in one object, is not ours, has a format version that is not exactly 1,
// lacks any of the 64 words, holds a value the slot cannot take, has "settings" that are not an
// object, or names a setting whose value disagrees with the words.
std::optional<Backup> DecodeBackup(const QByteArray& bytes, const std::string& fileName,
                                   std::vector<Message>* problems);
