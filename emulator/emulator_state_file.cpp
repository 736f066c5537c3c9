// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/emulator_state_file.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::array<std::uint8_t, 4> kMagic = {'P', 'C', 'E', 'M'};
constexpr std::uint16_t kFormatVersion = 1;
constexpr std::uint16_t kWordCount = 128;
constexpr std::size_t kHashOffset = kEmulatorStateFileSize - 4;

std::uint32_t Fnv1a(const std::uint8_t* data, std::size_t size) {
  std::uint32_t hash = 2166136261u;
  for (std::size_t i = 0; i < size; ++i) {
    hash ^= data[i];
    hash *= 16777619u;
  }
  return hash;
}

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

std::uint16_t GetU16(const std::vector<std::uint8_t>& in, std::size_t at) {
  return static_cast<std::uint16_t>(in[at] | (in[at + 1] << 8));
}

std::uint32_t GetU32(const std::vector<std::uint8_t>& in, std::size_t at) {
  return static_cast<std::uint32_t>(in[at]) | (static_cast<std::uint32_t>(in[at + 1]) << 8) |
         (static_cast<std::uint32_t>(in[at + 2]) << 16) |
         (static_cast<std::uint32_t>(in[at + 3]) << 24);
}

void SetError(std::string* error, const std::string& message) {
  if (error != nullptr) *error = message;
}

}  // namespace

std::vector<std::uint8_t> EncodeEmulatorState(const EmulatorSnapshot& snapshot) {
  std::vector<std::uint8_t> out(kMagic.begin(), kMagic.end());
  PutU16(out, kFormatVersion);
  PutU16(out, kWordCount);
  out.insert(out.end(), snapshot.version.begin(), snapshot.version.end());
  for (const std::uint16_t word : snapshot.memory) PutU16(out, word);
  const std::uint32_t hash = Fnv1a(out.data(), out.size());
  for (int shift = 0; shift < 32; shift += 8) {
    out.push_back(static_cast<std::uint8_t>((hash >> shift) & 0xFF));
  }
  return out;
}

bool DecodeEmulatorState(const std::vector<std::uint8_t>& bytes, EmulatorSnapshot* snapshot,
                         std::string* error) {
  if (bytes.size() != kEmulatorStateFileSize) {
    SetError(error, "emulator state has " + std::to_string(bytes.size()) + " bytes, expected " +
                        std::to_string(kEmulatorStateFileSize));
    return false;
  }
  if (!std::equal(kMagic.begin(), kMagic.end(), bytes.begin())) {
    SetError(error, "emulator state has no PCEM signature");
    return false;
  }
  if (GetU16(bytes, 4) != kFormatVersion || GetU16(bytes, 6) != kWordCount) {
    SetError(error, "emulator state has an unknown format version or size");
    return false;
  }
  if (Fnv1a(bytes.data(), kHashOffset) != GetU32(bytes, kHashOffset)) {
    SetError(error, "emulator state is damaged (hash mismatch)");
    return false;
  }
  EmulatorSnapshot decoded;
  for (std::size_t i = 0; i < decoded.version.size(); ++i) decoded.version[i] = bytes[8 + i];
  for (std::size_t i = 0; i < decoded.memory.size(); ++i)
    decoded.memory[i] = GetU16(bytes, 12 + 2 * i);
  if (snapshot != nullptr) *snapshot = decoded;
  return true;
}
