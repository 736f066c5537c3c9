// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/state_file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <utility>

namespace {

// Rounds of open, lock and check before a file that keeps being replaced counts as busy.
constexpr int kRounds = 3;

std::string FolderOf(const std::string& path) {
  const std::string folder = std::filesystem::path(path).parent_path().string();
  return folder.empty() ? "." : folder;
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

int LockNonBlocking(int fd) {
  int result;
  do {
    result = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (result < 0 && errno == EINTR);
  return result;
}

}  // namespace

std::string StateFileIdentity(const std::string& path) {
  struct stat folder {};
  if (::stat(FolderOf(path).c_str(), &folder) != 0) return {};
  return "state " + std::to_string(folder.st_dev) + ":" + std::to_string(folder.st_ino) + " " +
         std::filesystem::path(path).filename().string();
}

StateFileLock::StateFileLock(std::string path) : path_(std::move(path)) {}

StateFileLock::~StateFileLock() {
  Release();
}

ExchangeLockAttempt StateFileLock::TryTake() {
  if (Held()) return ExchangeLockAttempt::kTaken;
  for (int round = 0; round < kRounds; ++round) {
    // Non-blocking: a FIFO planted at the path must not stall the open.
    bool onFile = true;
    int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
      onFile = false;
      fd = ::open(FolderOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      if (fd < 0 && errno == ENOENT) {
        // No folder, so no file another program could be writing: the read finds factory
        // values and a save fails on its own, saying why.
        withoutFolder_ = true;
        return ExchangeLockAttempt::kTaken;
      }
    }
    if (fd < 0) return ExchangeLockAttempt::kFailed;
    struct stat locked {};
    if (::fstat(fd, &locked) != 0 || (onFile && !S_ISREG(locked.st_mode))) {
      ::close(fd);
      return ExchangeLockAttempt::kFailed;
    }
    if (LockNonBlocking(fd) != 0) {
      const bool busy = errno == EWOULDBLOCK;
      ::close(fd);
      return busy ? ExchangeLockAttempt::kBusy : ExchangeLockAttempt::kFailed;
    }
    // The holder before us may have replaced or created the file while we waited for it.
    struct stat now {};
    const bool present = ::stat(path_.c_str(), &now) == 0;
    if (onFile ? present && SameFile(locked, now) : !present && errno == ENOENT) {
      fd_ = fd;
      onFile_ = onFile;
      return ExchangeLockAttempt::kTaken;
    }
    ::close(fd);
  }
  return ExchangeLockAttempt::kBusy;
}

void StateFileLock::Release() {
  withoutFolder_ = false;
  if (fd_ < 0) return;
  ::close(fd_);  // closing the only descriptor drops the lock
  fd_ = -1;
  onFile_ = false;
}
