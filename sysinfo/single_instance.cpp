// SPDX-License-Identifier: GPL-3.0-or-later
#include "sysinfo/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

std::string InstanceLockPath(const std::string& guardName) {
  const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
  if (runtimeDir != nullptr && runtimeDir[0] == '/') {
    return std::string(runtimeDir) + "/" + guardName + ".lock";
  }
  return "/tmp/" + guardName + "-" + std::to_string(getuid()) + ".lock";
}

InstanceLock AcquireInstanceLock(const std::string& guardName) {
  // O_NOFOLLOW: in a shared /tmp another user could plant a link to one of our files.
  const int fd =
      open(InstanceLockPath(guardName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return InstanceLock::kUnavailable;
  int result;
  do {
    result = flock(fd, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result == 0) return InstanceLock::kAcquired;  // fd stays open until the process ends
  const bool held = errno == EWOULDBLOCK;
  close(fd);
  return held ? InstanceLock::kAlreadyRunning : InstanceLock::kUnavailable;
}

bool InstanceRunning(const std::string& guardName) {
  struct stat file {};
  if (stat(InstanceLockPath(guardName).c_str(), &file) != 0) return false;
  // Lines read "1: FLOCK  ADVISORY  WRITE 1234 00:1a:5678 0 EOF"; a process waiting for a
  // lock is listed as "1: -> FLOCK ...", which its second field keeps out.
  std::ifstream table("/proc/locks");
  std::string line;
  while (std::getline(table, line)) {
    std::istringstream fields(line);
    std::string number, kind, mode, access, pid, where;
    fields >> number >> kind >> mode >> access >> pid >> where;
    if (kind != "FLOCK") continue;
    unsigned fileMajor = 0, fileMinor = 0;
    unsigned long long inode = 0;
    if (std::sscanf(where.c_str(), "%x:%x:%llu", &fileMajor, &fileMinor, &inode) != 3) continue;
    if (fileMajor == major(file.st_dev) && fileMinor == minor(file.st_dev) &&
        inode == file.st_ino) {
      return true;
    }
  }
  return false;
}
