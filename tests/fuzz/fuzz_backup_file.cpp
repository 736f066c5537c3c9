// SPDX-License-Identifier: GPL-3.0-or-later
// The backup reader (the JSON shape scan and the backup parser together) on arbitrary bytes:
// a refusal always says why, what it accepts encodes to a backup it accepts again with the
// same words, and a byte-order mark in front changes nothing.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "cli/backup_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  std::vector<Message> problems;
  const auto backup = DecodeBackup(bytes, "fuzz", &problems);
  if (!backup) {
    if (problems.empty()) __builtin_trap();
  } else {
    std::vector<Message> again;
    const auto decoded = DecodeBackup(EncodeBackup(*backup), "fuzz", &again);
    if (!decoded || decoded->words != backup->words) __builtin_trap();
  }
  if (!bytes.startsWith("\xEF\xBB\xBF")) {
    std::vector<Message> marked;
    if (DecodeBackup("\xEF\xBB\xBF" + bytes, "fuzz", &marked).has_value() != backup.has_value()) {
      __builtin_trap();
    }
  }
  return 0;
}
