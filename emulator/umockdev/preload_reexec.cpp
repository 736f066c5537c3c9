// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/umockdev/preload_reexec.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr const char* kPreloadLibrary = "libumockdev-preload.so.0";
constexpr const char* kPreloadMarker = "libumockdev-preload";
constexpr const char* kAsanLinkOrderOff = "verify_asan_link_order=0";

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

bool EnsureUmockdevPreload(char** argv) {
  const std::string preload = Environment("LD_PRELOAD");
  if (preload.find(kPreloadMarker) != std::string::npos) return true;

  const std::string newPreload =
      preload.empty() ? std::string(kPreloadLibrary) : std::string(kPreloadLibrary) + ":" + preload;
  std::string asanOptions = Environment("ASAN_OPTIONS");
  if (asanOptions.find(kAsanLinkOrderOff) == std::string::npos) {
    asanOptions = asanOptions.empty() ? std::string(kAsanLinkOrderOff)
                                      : asanOptions + ":" + kAsanLinkOrderOff;
  }
  if (::setenv("LD_PRELOAD", newPreload.c_str(), 1) != 0 ||
      ::setenv("ASAN_OPTIONS", asanOptions.c_str(), 1) != 0) {
    std::fprintf(stderr, "cannot set the environment for umockdev: %s\n", std::strerror(errno));
    return false;
  }
  std::fflush(nullptr);
  ::execv("/proc/self/exe", argv);
  std::fprintf(stderr, "cannot restart under umockdev's preload library: %s\n",
               std::strerror(errno));
  return false;
}
