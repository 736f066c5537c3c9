// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What reading a whole small file found.
enum class FileReadStatus {
  kRead,        // `bytes` holds the whole file
  kMissing,     // there is no file by that name (its folder exists and may be searched)
  kNotRegular,  // a directory, FIFO, socket or device node: refused without reading from it
  kTooLarge,    // more than the limit; `size` is the file's real size
  kFailed,      // anything else (permission denied, an I/O error); `reason` says what
};

struct FileRead {
  FileReadStatus status = FileReadStatus::kFailed;
  std::vector<std::uint8_t> bytes;
  std::uint64_t size = 0;
  std::string reason;  // the system's words for a kFailed or kMissing outcome
};

// Reads the regular file `path` if it holds at most `limit` bytes. Opened non-blocking, so a
// FIFO with no writer or a device node never makes the caller wait.
FileRead ReadRegularFile(const std::string& path, std::size_t limit);
