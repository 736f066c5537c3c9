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

// The bits the node's access list gives `user` after its mask; nothing when the list names no
// such user or cannot be read.
std::optional<std::uint16_t> UserAccessBits(const std::string& path, uid_t user) {
  const std::vector<std::uint8_t> list = AccessList(path);
  if (list.size() < kHeaderSize || (list.size() - kHeaderSize) % kEntrySize != 0 ||
      Little32(list.data()) != kAccessListVersion) {
    return std::nullopt;
  }
  std::optional<std::uint16_t> userBits;
  std::uint16_t mask = kReadWrite;
  for (std::size_t at = kHeaderSize; at < list.size(); at += kEntrySize) {
    const std::uint16_t tag = Little16(&list[at]);
    const std::uint16_t bits = Little16(&list[at + 2]);
    if (tag == kMaskTag) mask = bits;
    if (tag == kNamedUserTag && Little32(&list[at + 4]) == user) userBits = bits;
  }
  if (!userBits) return std::nullopt;
  return static_cast<std::uint16_t>(*userBits & mask & kReadWrite);
}

}  // namespace

std::vector<std::string> HiddenNodeSigns(const std::string& path, int openError) {
  if (openError == ENOENT) return {"the node is missing from /dev"};
  if (openError != EACCES && openError != EPERM) return {};
  struct stat node {};
  if (::stat(path.c_str(), &node) != 0) {
    if (errno == ENOENT) return {"the node is missing from /dev"};
    return {};
  }
  std::vector<std::string> signs;
  if ((node.st_mode & 0777) == 0) signs.push_back("the node has no permission bits at all");
  const auto bits = UserAccessBits(path, ::geteuid());
  if (bits && *bits != kReadWrite) {
    signs.push_back("the node's access list names this user without reading and writing");
  }
  return signs;
}

bool NodeHiddenFromUser(const std::string& path, int openError) {
  return !HiddenNodeSigns(path, openError).empty();
}

bool AccessListGrantsUser(const std::string& path, unsigned user) {
  const auto bits = UserAccessBits(path, static_cast<uid_t>(user));
  return bits && *bits == kReadWrite;
}
