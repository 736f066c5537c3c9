// SPDX-License-Identifier: GPL-3.0-or-later
// The emulator's state file decoder on arbitrary bytes; what it accepts encodes back to
// the same bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "emulator/emulator_state_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  EmulatorSnapshot snapshot;
  std::string error;
  if (DecodeEmulatorState(bytes, &snapshot, &error)) {
    if (EncodeEmulatorState(snapshot) != bytes) __builtin_trap();
  } else if (error.empty()) {
    __builtin_trap();  // a refusal always says why
  }
  return 0;
}
