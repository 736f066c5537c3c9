// SPDX-License-Identifier: GPL-3.0-or-later
#include "sysinfo/window_marker.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>

#include "sysinfo/lock_table.h"

namespace {

// An identity is a short line; a longer file is not a marker.
constexpr std::size_t kLongestMarker = 4096;

std::string MarkerText(const std::string& identity) {
  return identity + "\n";
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

std::string MarkerFileName(const std::string& identity) {
  // FNV-1a: stable across builds and machines; the file's content settles any collision.
  std::uint64_t hash = 0xcbf29ce484222325ull;
  for (const char c : identity) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
  }
  char name[40];
  std::snprintf(name, sizeof name, "window-%016llx.lock", static_cast<unsigned long long>(hash));
  return name;
}

WindowMarker::~WindowMarker() {
  Drop();
}

void WindowMarker::Drop() {
  if (fd_ >= 0) ::close(fd_);  // the only descriptor: closing it drops the lock
  fd_ = -1;
  shown_.clear();
}

void WindowMarker::Show(const std::string& identity, const std::string& folder) {
  if (fd_ >= 0 && identity == shown_) return;
  Drop();
  if (identity.empty() || folder.empty()) return;
  const std::string path = folder + "/" + MarkerFileName(identity);
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return;
  // Only one window per user, so the lock is free unless a window of ours is ending.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ftruncate(fd, 0) != 0 ||
      !WriteAll(fd, MarkerText(identity))) {
    ::close(fd);
    return;
  }
  fd_ = fd;
  shown_ = identity;
}

bool WindowShows(const std::string& identity, const std::vector<MarkerFolder>& folders) {
  if (identity.empty()) return false;
  const std::string expected = MarkerText(identity);
  for (const MarkerFolder& folder : folders) {
    const std::string path = folder.path + "/" + MarkerFileName(identity);
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat file {};
    std::string text(kLongestMarker, '\0');
    ssize_t got = -1;
    if (::fstat(fd, &file) == 0 && S_ISREG(file.st_mode) && file.st_uid == folder.owner) {
      got = ::read(fd, text.data(), text.size());
    }
    ::close(fd);
    if (got < 0) continue;
    text.resize(static_cast<std::size_t>(got));
    if (text == expected && FlockHeldOn(file)) return true;
  }
  return false;
}
