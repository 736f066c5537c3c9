// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/regular_file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace {

FileRead Failure(FileReadStatus status) {
  FileRead result;
  result.status = status;
  result.reason = std::strerror(errno);
  return result;
}

}  // namespace

FileRead ReadRegularFile(const std::string& path, std::size_t limit) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return Failure(errno == ENOENT ? FileReadStatus::kMissing : FileReadStatus::kFailed);
  FileRead result;
  struct stat info {};
  if (fstat(fd, &info) != 0) {
    result = Failure(FileReadStatus::kFailed);
  } else if (!S_ISREG(info.st_mode)) {
    result.status = FileReadStatus::kNotRegular;
  } else if (static_cast<std::uint64_t>(info.st_size) > limit) {
    result.status = FileReadStatus::kTooLarge;
    result.size = static_cast<std::uint64_t>(info.st_size);
  } else {
    // One byte more than allowed, so a file that grew since fstat is still caught.
    std::vector<std::uint8_t> data(limit + 1);
    std::size_t done = 0;
    result.status = FileReadStatus::kRead;
    while (done < data.size()) {
      const ssize_t n = read(fd, data.data() + done, data.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        result = Failure(FileReadStatus::kFailed);
        break;
      }
      if (n == 0) break;
      done += static_cast<std::size_t>(n);
    }
    if (result.status == FileReadStatus::kRead && done > limit) {
      result.status = FileReadStatus::kTooLarge;
      struct stat grown {};
      result.size = fstat(fd, &grown) == 0 ? static_cast<std::uint64_t>(grown.st_size) : done;
    } else if (result.status == FileReadStatus::kRead) {
      data.resize(done);
      result.size = done;
      result.bytes = std::move(data);
    }
  }
  close(fd);
  return result;
}
