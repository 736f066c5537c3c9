// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/exchange_lock.h"

#include <thread>

namespace {
// Short enough that a waiting program follows the holder's release almost at once, long
// enough that waiting costs next to nothing.
constexpr std::chrono::milliseconds kRetryStep{10};
}  // namespace

ExchangeLockAttempt WaitForExchangeLock(ReportTransport& device, std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    const ExchangeLockAttempt attempt = device.TryLockExchanges();
    if (attempt != ExchangeLockAttempt::kBusy) return attempt;
    if (std::chrono::steady_clock::now() >= deadline) return ExchangeLockAttempt::kBusy;
    std::this_thread::sleep_for(kRetryStep);
  }
}
