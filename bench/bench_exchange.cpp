// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how close a settings read and write come to their pause floor when the controller
// answers instantly (the in-process emulator), with the real 5 ms pauses.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "device/controller_device.h"
#include "emulator/controller_emulator.h"

namespace {

constexpr int kRuns = 30;
constexpr double kPauseMs = 5.0;
constexpr int kReadPauses = 11;
constexpr int kWritePauses = 12;

struct Result {
  double medianMs = 0;
  int reports = 0;
  int failures = 0;
};

Result Measure(ControllerEmulator& emulator, const std::function<bool()>& exchange) {
  std::vector<double> times;
  Result result;
  for (int run = 0; run < kRuns; ++run) {
    emulator.ResetCounters();
    const auto start = std::chrono::steady_clock::now();
    const bool ok = exchange();
    const auto end = std::chrono::steady_clock::now();
    if (!ok) ++result.failures;
    times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    const auto counters = emulator.GetCounters();
    result.reports = counters.sends + counters.fetches;
  }
  std::sort(times.begin(), times.end());
  result.medianMs = (times[kRuns / 2 - 1] + times[kRuns / 2]) / 2.0;
  return result;
}

void Print(const char* name, const Result& result, int pauses) {
  const double floorMs = pauses * kPauseMs;
  std::printf("%-5s median %7.3f ms  floor %5.1f ms  ratio %.4f  reports %d  failures %d\n", name,
              result.medianMs, floorMs, result.medianMs / floorMs, result.reports, result.failures);
}

}  // namespace

int main() {
  auto emulator = std::make_shared<ControllerEmulator>();
  ControllerDevice device;
  device.handle = MakeEmulatorTransport(emulator);

  const Result read = Measure(*emulator, [&] { return device.ReadSettings(device.handle.get()); });
  const Result write =
      Measure(*emulator, [&] { return device.WriteSettings(device.handle.get()); });

  std::printf("%d runs each, in-process emulator, real pauses\n", kRuns);
  Print("read", read, kReadPauses);
  Print("write", write, kWritePauses);
  return read.failures == 0 && write.failures == 0 ? 0 : 1;
}
