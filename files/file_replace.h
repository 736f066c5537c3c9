// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Puts `bytes` in the place of the file `path` so that the old contents stay, byte for byte,
// unless the new ones are complete and on the disk:
// - a symbolic link is followed and its target replaced; the link itself stays;
// - an existing file keeps its permission bits (and, where allowed, its owner);
// - anything that is not a regular file (a directory, FIFO, device node) is refused;
// - the new contents go to a file with no name until they are written and synced, so a
//   process killed in the middle leaves no temporary file behind;
// - a full disk, a read-only or missing folder or a name too long is a failure, never an
//   empty or short file.
// False with the reason in `error` when nothing was replaced.
bool ReplaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes,
                 std::string* error);
