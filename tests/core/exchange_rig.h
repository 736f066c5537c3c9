// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "device/controller_device.h"
#include "link/debug_trace.h"
#include "device/report_protocol.h"
#include "emulator/controller_emulator.h"

// Passes reports through to another transport and logs every send, fetch and pause in order,
// so tests can compare whole exchanges step by step.
class RecordingTransport final : public ReportTransport {
 public:
  explicit RecordingTransport(std::unique_ptr<ReportTransport> inner) : inner_(std::move(inner)) {}

  bool SendOutputReport(const Report& report) override {
    const bool ok = inner_->SendOutputReport(report);
    sent.push_back(report);
    char text[32];
    std::snprintf(text, sizeof text, "send %02X/%d%s", report[2], report[6], ok ? "" : " FAIL");
    log.emplace_back(text);
    return ok;
  }
  bool GetInputReport(Report& report) override {
    const bool ok = inner_->GetInputReport(report);
    log.emplace_back(ok ? "fetch" : "fetch FAIL");
    return ok;
  }

  std::vector<Report> sent;
  std::vector<std::string> log;

 private:
  std::unique_ptr<ReportTransport> inner_;
};

// A controller object wired to an emulator, with instant pauses that are logged instead.
struct ExchangeRig {
  std::shared_ptr<ControllerEmulator> emulator = std::make_shared<ControllerEmulator>();
  ControllerDevice device;
  RecordingTransport* recorder = nullptr;

  ExchangeRig() {
    auto recording = std::make_unique<RecordingTransport>(MakeEmulatorTransport(emulator));
    recorder = recording.get();
    device.handle = std::move(recording);
    device.pause = [this](int ms) { recorder->log.push_back("pause " + std::to_string(ms)); };
  }

  bool Read() { return device.ReadSettings(device.handle.get()); }
  bool Write() { return device.WriteSettings(device.handle.get()); }
};

// Collects the trace lines sent to its sink; the sink must not outlive the object.
struct TraceCapture {
  std::vector<std::wstring> lines;
  TraceSink Sink() {
    return [this](const std::wstring& line) { lines.push_back(line); };
  }
};

inline std::array<std::uint16_t, 128> RecordCodes(const ControllerConfig& config) {
  std::array<std::uint16_t, 128> codes{};
  for (int slot = 0; slot < 128; ++slot) codes[static_cast<std::size_t>(slot)] = config.Code(slot);
  return codes;
}
