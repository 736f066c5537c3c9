// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// Named profiles are backup files in the user's configuration folder, one per name, so a
// game's launcher can switch the controller's settings with one command before and after the
// game. The controller keeps its settings itself: no service has to stay running.

// True when `name` can name a profile: a plain file name that is not empty, holds no '/' and
// no control character (C0, DEL, C1: the list prints one name a line), and does not start
// with '.' (no hidden files, no "." or "..") or '-' (it would be read as an option).
bool IsProfileName(const std::string& name);

// The folder profiles live in: "$XDG_CONFIG_HOME/padcontrols/profiles", or "~/.config/..."
// when XDG_CONFIG_HOME is unset, empty or relative (a relative one is to be ignored). Nothing
// when neither gives an absolute folder. Either argument may be null.
std::optional<std::string> ProfileFolder(const char* xdgConfigHome, const char* home);

// The file of profile `name` in `folder`.
std::string ProfilePath(const std::string& folder, const std::string& name);

// The names of the profiles in `folder`, in byte order; none when the folder does not exist.
// A path that is there but is no folder, or cannot be searched, is a failure.
// Files that are not "NAME.json" with a valid NAME are not profiles and are left out. On a
// folder that cannot be read returns nothing and puts the reason in `error`.
std::optional<std::vector<std::string>> ProfileNames(const std::string& folder, std::string* error);
