// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Whether another program has hidden the controller's node at `path` from this user, judged
// after opening it failed with `openError` while /sys still lists the controller: the node is
// gone from its place, it has no permission bits at all, or its access list names this user
// and leaves out reading or writing. A node that is merely closed to users, as without our
// udev rule, is not hidden.
bool NodeHiddenFromUser(const std::string& path, int openError);
