// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/hidraw/hidden_node.h"

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace {

// The kernel's POSIX access list as an extended attribute: a 4-byte version (2), then 8-byte
// entries of a 16-bit tag, 16-bit permission bits and a 32-bit user or group id.
constexpr const char* kAccessListAttribute = "system.posix_acl_access";
constexpr std::uint32_t kAccessListVersion = 2;
constexpr std::uint16_t kNamedUserTag = 0x02;
constexpr std::uint16_t kMaskTag = 0x10;
constexpr std::uint16_t kReadWrite = 06;
constexpr std::size_t kHeaderSize = 4;
constexpr std::size_t kEntrySize = 8;

std::uint32_t Little32(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
         (static_cast<std::uint32_t>(bytes[2]) << 16) |
         (static_cast<std::uint32_t>(bytes[3]) << 24);
}

std::uint16_t Little16(const std::uint8_t* bytes) {
  return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

std::vector<std::uint8_t> AccessList(const std::string& path) {
  const ssize_t size = ::getxattr(path.c_str(), kAccessListAttribute, nullptr, 0);
  if (size <= 0) return {};
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  const ssize_t read = ::getxattr(path.c_str(), kAccessListAttribute, bytes.data(), bytes.size());
  if (read <= 0) return {};
  bytes.resize(static_cast<std::size_t>(read));
  return bytes;
}

// True when the node's access list has an entry for `user` that, after the list's mask,
// grants less than reading and writing.
bool AccessListShutsOut(const std::string& path, uid_t user) {
  const std::vector<std::uint8_t> list = AccessList(path);
  if (list.size() < kHeaderSize || (list.size() - kHeaderSize) % kEntrySize != 0 ||
      Little32(list.data()) != kAccessListVersion) {
    return false;
  }
  std::optional<std::uint16_t> userBits;
  std::uint16_t mask = kReadWrite;
  for (std::size_t at = kHeaderSize; at < list.size(); at += kEntrySize) {
    const std::uint16_t tag = Little16(&list[at]);
    const std::uint16_t bits = Little16(&list[at + 2]);
    if (tag == kMaskTag) mask = bits;
    if (tag == kNamedUserTag && Little32(&list[at + 4]) == user) userBits = bits;
  }
  return userBits && (*userBits & mask & kReadWrite) != kReadWrite;
}

}  // namespace

bool NodeHiddenFromUser(const std::string& path, int openError) {
  if (openError == ENOENT) return true;
  if (openError != EACCES && openError != EPERM) return false;
  struct stat node {};
  if (::stat(path.c_str(), &node) != 0) return errno == ENOENT;
  if ((node.st_mode & 0777) == 0) return true;
  return AccessListShutsOut(path, ::geteuid());
}
