// SPDX-License-Identifier: GPL-3.0-or-later
// The report-descriptor summary on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "device/hidraw/report_descriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const DescriptorSummary summary = SummarizeReportDescriptor(data, size);
  // Every top-level collection takes at least its one-byte item.
  if (summary.topLevel.size() > size) __builtin_trap();
  if (IsKeyboardOrMouseOnly(summary) && (!summary.wellFormed || summary.topLevel.empty())) {
    __builtin_trap();
  }
  return 0;
}
