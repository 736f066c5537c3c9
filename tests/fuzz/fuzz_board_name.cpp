// SPDX-License-Identifier: GPL-3.0-or-later
// The board-name reader on arbitrary file contents: the whole read, the newline and the
// trimming of blanks.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "sysinfo/board_model.h"

namespace {
std::string folder;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char name[] = "/tmp/fuzz_board_name.XXXXXX";
  if (mkdtemp(name) == nullptr) std::abort();
  folder = name;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = folder + "/board_name";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);

  std::string result = "unchanged";
  if (!QueryBoardModel(result, folder)) {
    if (result != "unchanged") __builtin_trap();  // a failed query leaves the result alone
    return 0;
  }
  // Trimmed: no blank at either end, unless the name is nothing but blanks.
  const bool allBlanks = result.find_first_not_of(' ') == std::string::npos;
  if (!allBlanks && (result.front() == ' ' || result.back() == ' ')) __builtin_trap();
  if (result.size() > size) __builtin_trap();
  return 0;
}
