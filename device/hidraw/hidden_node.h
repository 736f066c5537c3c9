// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// Whether another program has hidden the controller's node at `path` from this user, judged
// after opening it failed with `openError` while /sys still lists the controller: the node is
// gone from its place, it has no permission bits at all, or its access list names this user
// and leaves out reading or writing. A node that is merely closed to users, as without our
// udev rule, is not hidden.
bool NodeHiddenFromUser(const std::string& path, int openError);

// The same judgement with its evidence: each sign seen, in words ("the node is missing from
// /dev", ...); empty when the node is not hidden.
std::vector<std::string> HiddenNodeSigns(const std::string& path, int openError);

// True when the node's access list has an entry for `user` that, after the list's mask,
// grants reading and writing: what udev's "uaccess" tag gives the user at the seat.
bool AccessListGrantsUser(const std::string& path, unsigned user);
