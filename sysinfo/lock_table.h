// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>

// Whether some process holds an flock on `file` now. Only looks, through the system's lock
// table: a trial lock, however short, could make the holder's own next attempt fail. False
// when the table cannot be read.
bool FlockHeldOn(const struct stat& file);
