// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tests that use HidrawTestbed call this first thing in main(). When LD_PRELOAD lacks
// umockdev's preload library, the process replaces itself with a fresh copy of the same
// program and arguments that has it, so plain `ctest` works without a wrapper. Returns
// true when the library is in place; false (with a message on stderr) when the re-exec
// failed. ASan's link-order check is switched off for the copy, since the preload library
// then comes before the sanitizer runtime.
bool EnsureUmockdevPreload(char** argv);
