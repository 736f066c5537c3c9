// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/same_file.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

bool SameFile(const std::string& a, const std::string& b) {
  struct stat first {};
  struct stat second {};
  const bool firstExists = stat(a.c_str(), &first) == 0;
  const bool secondExists = stat(b.c_str(), &second) == 0;
  if (firstExists && secondExists) {
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
  }
  if (firstExists != secondExists) return false;
  std::error_code code;
  const auto firstPath = std::filesystem::weakly_canonical(a, code);
  if (code) return false;
  const auto secondPath = std::filesystem::weakly_canonical(b, code);
  return !code && firstPath == secondPath;
}
