// SPDX-License-Identifier: GPL-3.0-or-later
#include "sysinfo/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "sysinfo/lock_table.h"
#include "sysinfo/private_folder.h"

std::string InstanceLockPath(const std::string& guardName) {
  const std::string folder = PrivateFolder();
  if (folder.empty()) return {};
  return folder + "/" + guardName + ".lock";
}

InstanceLock AcquireInstanceLock(const std::string& guardName) {
  const std::string path = InstanceLockPath(guardName);
  if (path.empty()) return InstanceLock::kUnavailable;
  // O_NOFOLLOW: nobody else writes the folder, but a link left there must not be followed.
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
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
  const std::string path = InstanceLockPath(guardName);
  struct stat file {};
  if (path.empty() || stat(path.c_str(), &file) != 0) return false;
  return FlockHeldOn(file);
}
