// SPDX-License-Identifier: GPL-3.0-or-later
// Linux source of the board model: the firmware table export under /sys/class/dmi/id.
#include "sysinfo/board_model.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

namespace {

constexpr const char* kBoardNameFile = "/board_name";
// A board name is a short firmware string; anything longer is not one.
constexpr std::size_t kMaxBoardNameBytes = 256;

// The whole file when it is a regular file of at most the bound and holds no NUL byte.
std::optional<std::string> ReadSmallTextFile(const std::string& path) {
  // Non-blocking, so that a FIFO put in the file's place cannot stall the caller.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return std::nullopt;
  }
  std::string text;
  char buffer[kMaxBoardNameBytes + 1];
  for (;;) {
    const ssize_t count = ::read(fd, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) {
      ::close(fd);
      return std::nullopt;
    }
    if (count == 0) break;
    text.append(buffer, static_cast<std::size_t>(count));
    if (text.size() > kMaxBoardNameBytes) break;
  }
  ::close(fd);
  if (text.size() > kMaxBoardNameBytes || text.find('\0') != std::string::npos) {
    return std::nullopt;
  }
  return text;
}

// Removes leading and trailing blanks (0x20 only). A value of blanks only is kept as it is.
std::string TrimBlanks(const std::string& value) {
  const auto first = value.find_first_not_of(' ');
  if (first == std::string::npos) return value;
  const auto last = value.find_last_not_of(' ');
  return value.substr(first, last - first + 1);
}

}  // namespace

bool QueryBoardModel(std::string& result, const std::string& folder) {
  const auto text = ReadSmallTextFile(folder + kBoardNameFile);
  if (!text) return false;
  std::string value = *text;
  // The kernel ends each exported value with one newline.
  if (!value.empty() && value.back() == '\n') value.pop_back();
  result = TrimBlanks(value);
  return true;
}

bool IsKnownBoardModel(const std::string& model) {
  return model == kModelT2804_11 || model == kModelT2804_12 || model == kModelT2802_21 ||
         model == kModelT2803_31;
}

std::string BoardModel(const std::string& folder) {
  std::string model;
  QueryBoardModel(model, folder);
  return model;
}
