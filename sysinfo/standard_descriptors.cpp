// SPDX-License-Identifier: GPL-3.0-or-later
#include "sysinfo/standard_descriptors.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

bool OpenStandardDescriptors() {
  for (int descriptor = 0; descriptor <= 2; ++descriptor) {
    if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) continue;
    // open() takes the lowest free number, which is this one: the lower ones are open.
    const int opened = open("/dev/null", O_RDWR | O_NOCTTY);
    if (opened != descriptor) {
      if (opened != -1) close(opened);
      return false;
    }
  }
  return true;
}
