// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <optional>

namespace {

constexpr int kMaxLinkHops = 40;  // the kernel's own limit before ELOOP

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool Fail(std::string* error, const std::string& text) {
  if (error != nullptr) *error = text;
  return false;
}

bool FailErrno(std::string* error) {
  return Fail(error, std::strerror(errno));
}

// The file a chain of symbolic links ends at (which need not exist yet).
std::optional<std::string> FinalTarget(const std::string& path, std::string* error) {
  std::string target = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat info {};
    if (lstat(target.c_str(), &info) != 0) {
      if (errno == ENOENT) return target;
      FailErrno(error);
      return std::nullopt;
    }
    if (!S_ISLNK(info.st_mode)) return target;
    char link[PATH_MAX];
    const ssize_t length = readlink(target.c_str(), link, sizeof link - 1);
    if (length < 0) {
      FailErrno(error);
      return std::nullopt;
    }
    const std::string next(link, static_cast<std::size_t>(length));
    target = !next.empty() && next[0] == '/' ? next : FolderOf(target) + "/" + next;
  }
  errno = ELOOP;
  FailErrno(error);
  return std::nullopt;
}

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = ENOSPC;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::string TemporaryName(const std::string& folder, int attempt) {
  return folder + "/.padcontrols-" + std::to_string(getpid()) + "-" + std::to_string(attempt) +
         ".tmp";
}

// The file the new contents are written to: one with no name where the file system offers
// that, else a named one beside the target (`named` then holds its name).
int OpenScratch(const std::string& folder, std::optional<std::string>* named) {
  const int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR)) return fd;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = TemporaryName(folder, attempt);
    const int namedFd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (namedFd >= 0) {
      *named = name;
      return namedFd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

// Gives the unnamed file a name beside the target; the name exists only until the rename
// that follows at once.
std::optional<std::string> NameTheFile(int fd, const std::string& folder) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = TemporaryName(folder, attempt);
    if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      return name;
    }
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

bool ReplaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes,
                 std::string* error) {
  const auto target = FinalTarget(path, error);
  if (!target) return false;
  struct stat old {};
  const bool exists = stat(target->c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) return Fail(error, "not a regular file");

  const std::string folder = FolderOf(*target);
  std::optional<std::string> temporary;
  const int fd = OpenScratch(folder, &temporary);
  if (fd < 0) return FailErrno(error);
  bool done = WriteAll(fd, bytes) && fsync(fd) == 0;
  if (done && exists) {
    // Only root may give a file away; for anyone else the new file is their own, as any
    // editor would leave it, so a refusal here is no failure.
    if (old.st_uid != geteuid() || old.st_gid != getegid()) {
      [[maybe_unused]] const int owned = fchown(fd, old.st_uid, old.st_gid);
    }
    done = fchmod(fd, old.st_mode & 07777) == 0;
  }
  if (done && !temporary) temporary = NameTheFile(fd, folder);
  done = done && temporary.has_value() && rename(temporary->c_str(), target->c_str()) == 0;
  const int savedErrno = errno;
  if (temporary && !done) unlink(temporary->c_str());
  close(fd);
  if (!done) {
    errno = savedErrno;
    return FailErrno(error);
  }
  // The rename itself reaches the disk with the folder's entry.
  const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    fsync(folderFd);
    close(folderFd);
  }
  return true;
}
