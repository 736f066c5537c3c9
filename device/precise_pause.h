// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sleeps for `milliseconds` against an absolute monotonic deadline, so that interrupted or
// coarse sleeps neither cut the pause short nor stretch it by more than the wake-up latency.
void SleepMilliseconds(int milliseconds);
