// SPDX-License-Identifier: GPL-3.0-or-later
#include "sysinfo/lock_table.h"

#include <sys/sysmacros.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

bool FlockHeldOn(const struct stat& file) {
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
