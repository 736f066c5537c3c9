// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// Runs the event loop until `done` holds or `ms` pass; returns `done`'s last answer.
bool WaitFor(const std::function<bool()>& done, int ms = 2000);
