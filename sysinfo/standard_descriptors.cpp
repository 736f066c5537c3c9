// SPDX-License-Identifier: GPL-3.0-or-later
#include "sysinfo/standard_descriptors.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>

bool OpenStandardDescriptors() {
  std::array<bool, 3> closed{};
  bool anyClosed = false;
  for (int descriptor = 0; descriptor <= 2; ++descriptor) {
    closed[static_cast<std::size_t>(descriptor)] =
        fcntl(descriptor, F_GETFD) == -1 && errno == EBADF;
    anyClosed = anyClosed || closed[static_cast<std::size_t>(descriptor)];
  }
  if (!anyClosed) return true;
  // One /dev/null copied onto each closed number: dup2 puts it exactly there, whatever else
  // the open may have set up on the way.
  const int null = open("/dev/null", O_RDWR | O_NOCTTY);
  if (null == -1) return false;
  bool filled = true;
  for (int descriptor = 0; descriptor <= 2; ++descriptor) {
    if (closed[static_cast<std::size_t>(descriptor)] && descriptor != null) {
      filled = dup2(null, descriptor) == descriptor && filled;
    }
  }
  if (null > 2) close(null);
  return filled;
}
