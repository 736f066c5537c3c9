// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/precise_pause.h"

#include <cerrno>
#include <ctime>

void SleepMilliseconds(int milliseconds) {
  if (milliseconds <= 0) return;
  timespec deadline{};
  clock_gettime(CLOCK_MONOTONIC, &deadline);
  deadline.tv_sec += milliseconds / 1000;
  deadline.tv_nsec += static_cast<long>(milliseconds % 1000) * 1'000'000L;
  if (deadline.tv_nsec >= 1'000'000'000L) {
    deadline.tv_sec += 1;
    deadline.tv_nsec -= 1'000'000'000L;
  }
  // A signal wakes us early with EINTR; sleeping again to the same deadline keeps the total.
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
  }
}
