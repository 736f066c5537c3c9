// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <dirent.h>
#include <unistd.h>

#include <string>

// How many of this process's descriptors are open testbed nodes. umockdev backs every fake
// /dev node with a pseudo-terminal, so they show up as /dev/pts/N.
inline int OpenTestbedNodes() {
  int count = 0;
  DIR* folder = ::opendir("/proc/self/fd");
  if (folder == nullptr) return -1;
  while (const dirent* entry = ::readdir(folder)) {
    const std::string link = std::string("/proc/self/fd/") + entry->d_name;
    char target[512];
    const ssize_t length = ::readlink(link.c_str(), target, sizeof target);
    if (length > 0 &&
        std::string(target, static_cast<std::size_t>(length)).rfind("/dev/pts/", 0) == 0)
      ++count;
  }
  ::closedir(folder);
  return count;
}
