// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Whether `a` and `b` name one file: the same file on the same device when both exist, however
// each is named (links, "..", another mount of it); else the same path once made absolute and
// its links resolved, so a file yet to be created is known by its name.
bool SameFile(const std::string& a, const std::string& b);
