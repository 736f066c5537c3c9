// SPDX-License-Identifier: GPL-3.0-or-later
// The settings read and write against a controller whose replies are fuzzed.
// Input: byte 0 picks the send that fails (0: none) and byte 1 how it fails; the rest is
// cut into 65-byte replies, one per fetch, until it runs out (then fetches fail).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "device/controller_device.h"
#include "device/report_protocol.h"

namespace {

struct Script {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t at = 2;
  int sends = 0;
};

class FuzzedTransport final : public ReportTransport {
 public:
  explicit FuzzedTransport(Script& script) : script_(script) {}

  bool SendOutputReport(const Report& report) override {
    // Whatever the replies said, every request the program sends is well formed.
    if (!HasValidRequestHeader(report)) __builtin_trap();
    return ++script_.sends != script_.data[0];
  }
  bool GetInputReport(Report& report) override {
    if (report[0] != kReportId) __builtin_trap();  // the report ID goes into every fetch
    if (script_.size - script_.at < kReportSize) return false;
    std::memcpy(report.data(), script_.data + script_.at, kReportSize);
    script_.at += kReportSize;
    return true;
  }
  TransportFault LastFault() const override {
    return static_cast<TransportFault>(script_.data[1] % 3);
  }

 private:
  Script& script_;
};

bool SameRecord(const ControllerConfig& a, const ControllerConfig& b) {
  for (int slot = 0; slot < slots::kCount; ++slot) {
    if (a.Code(slot) != b.Code(slot)) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  Script script{data, size};
  // A reconnect finds the controller again on the same fuzzed stream.
  DeviceLink context;
  context.openController = [&script] {
    return ControllerSearch(std::make_unique<FuzzedTransport>(script));
  };
  context.trace = [](const std::wstring&) {};
  ControllerDevice device(context);
  device.pause = [](int) {};
  if (!device.OpenController()) __builtin_trap();

  const ControllerConfig before = device.config;
  const std::wstring version = device.versionPartX + device.versionPartK;
  if (!device.ReadSettings(device.handle.get())) {
    // A failed read changes nothing.
    if (!SameRecord(before, device.config)) __builtin_trap();
    if (device.versionPartX + device.versionPartK != version) __builtin_trap();
  }
  device.WriteSettings(device.handle.get());
  return 0;
}
