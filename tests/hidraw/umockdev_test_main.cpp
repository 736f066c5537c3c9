// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry for suites that need umockdev's fake /sys and /dev.
#include <unistd.h>

#include <gtest/gtest.h>

#include "emulator/umockdev/preload_reexec.h"

int main(int argc, char** argv) {
  if (!EnsureUmockdevPreload(argv)) return 1;
  // A fake node whose handler never answers would block its client for ever.
  ::alarm(120);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
