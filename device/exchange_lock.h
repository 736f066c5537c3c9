// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

#include "link/report_transport.h"

// How long an exchange waits for another program to finish with the controller. A whole
// read-modify-write-verify takes a fraction of a second, so a hold longer than this is a stuck
// or stopped program, and waiting on would only look like a hang.
inline constexpr std::chrono::milliseconds kExchangeLockWait{3000};

// Tries the transport's exchange lock until it is taken, fails, or `wait` has passed while
// another program held it (then kBusy). Never waits longer than `wait` plus one retry step.
ExchangeLockAttempt WaitForExchangeLock(ReportTransport& device, std::chrono::milliseconds wait);
