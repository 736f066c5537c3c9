// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// One running copy per user: an exclusive lock on a file named after the guard. The lock
// belongs to the process, so the system drops it when the process ends in any way, and a
// crashed copy never blocks the next start.
enum class InstanceLock { kAcquired, kAlreadyRunning, kUnavailable };

// The guard of the real window, and the demo's own, so that a running demo never keeps the
// real tool from starting.
inline constexpr const char* kInstanceGuardName = "KQVPAD3CONTROLS";
inline constexpr const char* kDemoGuardName = "KQVPAD3CONTROLS-demo";

// The lock file in the user's private folder (see PrivateFolder); empty when the user has none.
std::string InstanceLockPath(const std::string& guardName);

// Takes the lock and keeps it for the rest of the process. kUnavailable when the user has no
// private folder or the lock file
// cannot be opened: the caller then starts anyway rather than lock the user out.
InstanceLock AcquireInstanceLock(const std::string& guardName);

// Whether some process holds the lock now. Only looks, through the system's lock table: a
// trial lock, however short, could make a window starting at that moment think it runs
// twice. False when the table cannot be read.
bool InstanceRunning(const std::string& guardName);
