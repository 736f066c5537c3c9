// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The emulator's saved state, little-endian throughout (272 bytes):
//   0   4  magic "PCEM"
//   4   2  format version (1)
//   6   2  word count (128)
//   8   4  firmware version bytes
//   12 256 key-map memory, 128 words
//   268 4  FNV-1a 32-bit hash of bytes 0..267
struct EmulatorSnapshot {
  std::array<std::uint16_t, 128> memory{};
  std::array<std::uint8_t, 4> version{};
};

inline constexpr std::size_t kEmulatorStateFileSize = 272;

std::vector<std::uint8_t> EncodeEmulatorState(const EmulatorSnapshot& snapshot);
// False with a reason in `error` when the bytes are not a complete, intact state.
bool DecodeEmulatorState(const std::vector<std::uint8_t>& bytes, EmulatorSnapshot* snapshot,
                         std::string* error);
