#include "app/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

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
