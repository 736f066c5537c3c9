// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "config/controller_config.h"
#include "device/controller_device.h"

struct SlotDifference {
  int slot;
  std::uint16_t wrote;
  std::uint16_t found;
};

// The slots 0..63 in which `found` differs from `wrote`, in slot order.
std::vector<SlotDifference> CompareSlots(const SlotWords& wrote, const SlotWords& found);

enum class WriteOutcome { kVerified, kWriteFailed, kReadBackFailed, kDifferent };

struct VerifiedWrite {
  WriteOutcome outcome = WriteOutcome::kWriteFailed;
  std::vector<SlotDifference> differences;  // for kDifferent
};

// Writes `words` as slots 0..63, reads the controller back and compares every slot with
// what was sent (the write itself fixes slots 43 and 47, so those are compared as sent).
VerifiedWrite WriteAndVerify(ControllerDevice& device, const SlotWords& words);
