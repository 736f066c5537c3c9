// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/verified_write.h"

std::vector<SlotDifference> CompareSlots(const SlotWords& wrote, const SlotWords& found) {
  std::vector<SlotDifference> differences;
  for (int slot = 0; slot < slots::kWritten; ++slot) {
    const auto i = static_cast<std::size_t>(slot);
    if (wrote[i] != found[i]) differences.push_back({slot, wrote[i], found[i]});
  }
  return differences;
}

VerifiedWrite WriteAndVerify(ControllerDevice& device, const SlotWords& words) {
  VerifiedWrite result;
  PutWrittenSlots(device.config, words);
  if (!device.WriteSettings(device.handle.get())) return result;
  const SlotWords sent = WrittenSlots(device.config);
  if (!device.ReadSettings(device.handle.get())) {
    result.outcome = WriteOutcome::kReadBackFailed;
    return result;
  }
  result.differences = CompareSlots(sent, WrittenSlots(device.config));
  result.outcome = result.differences.empty() ? WriteOutcome::kVerified : WriteOutcome::kDifferent;
  return result;
}
