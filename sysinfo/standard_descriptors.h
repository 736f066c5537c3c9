// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Makes sure descriptors 0, 1 and 2 are open, putting /dev/null in the place of each closed
// one. A program started with standard output or error closed would otherwise get the first
// file it opens as that descriptor, and its messages would be written into that file, or as
// reports into the controller's device node. Call it first thing in main, before anything is
// opened. False when a closed descriptor could not be filled; the caller should then end.
bool OpenStandardDescriptors();
