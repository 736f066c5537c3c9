// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "device/hidraw/hidden_node.h"

namespace {

// A POSIX access list as the kernel stores it: owner rw, the named user `user` with
// `userBits`, owning group none, mask `mask`, others none.
std::vector<std::uint8_t> AccessList(std::uint32_t user, std::uint8_t userBits, std::uint8_t mask) {
  std::vector<std::uint8_t> list = {2, 0, 0, 0};
  const auto entry = [&list](std::uint8_t tag, std::uint8_t bits, std::uint32_t id) {
    list.insert(list.end(),
                {tag, 0, bits, 0, static_cast<std::uint8_t>(id), static_cast<std::uint8_t>(id >> 8),
                 static_cast<std::uint8_t>(id >> 16), static_cast<std::uint8_t>(id >> 24)});
  };
  entry(0x01, 6, 0xFFFFFFFF);
  entry(0x02, userBits, user);
  entry(0x04, 0, 0xFFFFFFFF);
  entry(0x10, mask, 0xFFFFFFFF);
  entry(0x20, 0, 0xFFFFFFFF);
  return list;
}

TEST(HiddenNode, OnlyANodeHiddenFromTheUserCountsAsTaken) {
  char folder[] = "/tmp/hidden-node-XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  const std::string node = std::string(folder) + "/hidraw0";
  std::FILE* file = std::fopen(node.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fclose(file);

  // Closed to users as every node is without the udev rule.
  ASSERT_EQ(chmod(node.c_str(), 0600), 0);
  EXPECT_FALSE(NodeHiddenFromUser(node, EACCES));
  // Some other failure says nothing about who hid what.
  EXPECT_FALSE(NodeHiddenFromUser(node, EIO));
  // No permission bits at all.
  ASSERT_EQ(chmod(node.c_str(), 0), 0);
  EXPECT_TRUE(NodeHiddenFromUser(node, EACCES));
  // An access list that names this user: shut out, given rw, or given rw but masked.
  const uid_t me = geteuid();
  const struct {
    std::uint8_t userBits, mask;
    bool hidden;
  } lists[] = {{4, 6, true}, {6, 6, false}, {6, 4, true}};
  for (const auto& entry : lists) {
    const std::vector<std::uint8_t> list = AccessList(me, entry.userBits, entry.mask);
    if (setxattr(node.c_str(), "system.posix_acl_access", list.data(), list.size(), 0) != 0) {
      GTEST_SKIP() << "this file system keeps no access lists";
    }
    EXPECT_EQ(NodeHiddenFromUser(node, EACCES), entry.hidden)
        << int(entry.userBits) << " masked by " << int(entry.mask);
  }
  // Listed by the system but gone from its place.
  unlink(node.c_str());
  EXPECT_TRUE(NodeHiddenFromUser(node, ENOENT));
  EXPECT_TRUE(NodeHiddenFromUser(node, EACCES));
  rmdir(folder);
}

}  // namespace
