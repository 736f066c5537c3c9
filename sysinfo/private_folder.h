// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// Folders for locks and markers that only their user can write. A fixed name in a folder
// everyone writes to (/tmp) can be taken first by another user; a folder checked to be a
// directory of the user's own that nobody else may write into cannot.

// Whether `path` is a directory (not a link to one) owned by `owner` that no other user may
// write into.
bool FolderIsPrivate(const std::string& path, uid_t owner);

// This user's folder for the single-instance lock and the window's marker: `runtimeDir`
// ($XDG_RUNTIME_DIR) when it is private to the user, else `<tmp>/padcontrols-<uid>`, made
// 0700 when missing and refused when another user made it first. Empty when neither is usable.
std::string PrivateFolder(const char* runtimeDir, const std::string& tmp = "/tmp");
// The same for this process: $XDG_RUNTIME_DIR, /tmp.
std::string PrivateFolder();

// A folder where a window may have left its marker, with the user it belongs to.
struct MarkerFolder {
  std::string path;
  uid_t owner;
  bool operator==(const MarkerFolder&) const = default;
};

// Where the windows are that a program run by `euid` has to know about: its own folders
// (`runtimeDir`, `<runUser>/<euid>` and `<tmp>/padcontrols-<euid>`, as the window may have been
// started with or without $XDG_RUNTIME_DIR), and for root, which can write any user's
// controller (sudo), every user's runtime and private folder. Only folders private to their
// owner are listed, each once.
std::vector<MarkerFolder> MarkerFolders(uid_t euid, const char* runtimeDir,
                                        const std::string& runUser = "/run/user",
                                        const std::string& tmp = "/tmp");
