// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <cstdint>

#include "device/controller_device.h"
#include "link/debug_trace.h"
#include "device/report_protocol.h"

namespace {

constexpr int kPauseMs = 5;
// A controller that never says ready would otherwise hold the UI thread forever; 200 polls
// at 5 ms is a full second, far beyond the few polls a working controller needs.
constexpr int kMaxStartPolls = 200;

// Sends a start command and polls its reply until the controller reports ready.
// The reply buffer is prepared once; later fetches overwrite it in place. Byte 0 names the
// report to fetch, so it is set again before each poll: a reply that put something else
// there must not turn the next poll into a request for another report.
bool StartExchange(ReportTransport& device, std::uint8_t startCommand,
                   const std::function<void(int)>& pause, Report& reply) {
  if (!device.SendOutputReport(BuildRequest(startCommand))) return false;
  pause(kPauseMs);
  reply = PreparedReply();
  for (int polls = 1;; ++polls) {
    reply[0] = kReportId;
    if (!device.GetInputReport(reply)) return false;
    pause(kPauseMs);
    if (ParseStartReply(reply).ready) return true;
    if (polls >= kMaxStartPolls) return false;
  }
}

bool ReadOnce(ControllerDevice& self, ReportTransport& device) {
  const auto& pause = self.pause;

  Report reply{};
  if (!StartExchange(device, command::kReadStart, pause, reply)) return false;
  const VersionBytes version = ParseStartReply(reply).version;

  // Everything is staged and committed only after the checksum matched, so a failed or
  // corrupted read never leaves a half-updated record behind.
  std::array<std::uint16_t, slots::kCount> staged{};
  std::uint32_t sum = 0;
  for (int block = 0; block < kReadBlocks; ++block) {
    if (!device.SendOutputReport(
            BuildRequest(command::kReadBlock, static_cast<std::uint8_t>(block)))) {
      return false;
    }
    pause(kPauseMs);
    Report blockReply = PreparedReply();
    if (!device.GetInputReport(blockReply)) return false;
    sum += ReadBlockByteSum(blockReply);
    const ReadBlockWords words = DecodeBlockReply(blockReply);
    for (int k = 0; k < kWordsPerReadBlock; ++k) {
      staged[static_cast<std::size_t>(kWordsPerReadBlock * block + k)] =
          words[static_cast<std::size_t>(k)];
    }
    pause(kPauseMs);
  }

  if (!device.SendOutputReport(BuildRequest(command::kReadChecksum))) return false;
  pause(kPauseMs);
  Report checksumReply = PreparedReply();
  if (!device.GetInputReport(checksumReply)) return false;
  if (sum != ReplyChecksum(checksumReply)) return false;

  for (int slot = 0; slot < slots::kCount; ++slot) {
    self.config.SetCode(slot, staged[static_cast<std::size_t>(slot)]);
  }
  self.versionPartX = VersionPartXText(version);
  self.versionPartK = VersionPartKText(version);
  return true;
}

bool WriteOnce(ControllerDevice& self, ReportTransport& device) {
  const auto& pause = self.pause;
  ControllerConfig& config = self.config;

  Report reply{};
  if (!StartExchange(device, command::kWriteStart, pause, reply)) return false;

  config.SetCode(slots::kFirstRearFixed, slots::kFixedDelayValue);
  config.SetCode(slots::kSecondRearFixed, slots::kFixedDelayValue);
  DebugTrace(self.trace, L"IsChooseKey:%d,KeyCode:%x", 4,
             static_cast<unsigned>(config.Code(slots::kFaceA)));

  std::uint32_t sum = 0;
  for (int block = 0; block < kWriteBlocks; ++block) {
    WriteBlockCodes codes{};
    for (int m = 0; m < kWordsPerWriteBlock; ++m) {
      codes[static_cast<std::size_t>(m)] = config.Code(kWordsPerWriteBlock * block + m);
    }
    const Report request = BuildWriteBlockRequest(static_cast<std::uint8_t>(block), codes);
    sum += WriteBlockByteSum(request);
    if (!device.SendOutputReport(request)) return false;
    pause(kPauseMs);
  }

  if (!device.SendOutputReport(BuildRequest(command::kWriteChecksum))) return false;
  pause(kPauseMs);
  Report checksumReply = PreparedReply();
  if (!device.GetInputReport(checksumReply)) return false;
  // A mismatch means the controller holds something other than what was sent; without the
  // end command it discards the blocks instead of storing them.
  if (sum != ReplyChecksum(checksumReply)) return false;

  pause(kPauseMs);
  return device.SendOutputReport(BuildRequest(command::kWriteEnd));
}

}  // namespace

bool ControllerDevice::ExchangeOnceMore(ReportTransport* deviceHandle, Exchange exchange) {
  if (!handle || deviceHandle == nullptr) return false;
  if (LockedExchange(*deviceHandle, exchange)) return true;
  // Each exchange starts from the beginning, so repeating it whole on the new node is safe;
  // the old node is closed by the reconnect and not touched again.
  if (busy || deviceHandle->LastFault() != TransportFault::kGone || !Reconnect()) return false;
  return LockedExchange(*handle, exchange);
}

bool ControllerDevice::LockedExchange(ReportTransport& device, Exchange exchange) {
  if (!TakeLock(device)) return false;
  const bool done = exchange(*this, device);
  if (holds_ == 0) device.UnlockExchanges();
  return done;
}

bool ControllerDevice::TakeLock(ReportTransport& device) {
  const ExchangeLockAttempt attempt = WaitForExchangeLock(device, lockWait);
  busy = attempt == ExchangeLockAttempt::kBusy;
  if (busy) DebugTrace(trace, L"Exchange: the controller is busy with another program");
  if (attempt == ExchangeLockAttempt::kFailed) {
    DebugTrace(trace, L"Exchange: the controller's exchange lock cannot be taken");
  }
  return attempt == ExchangeLockAttempt::kTaken;
}

ExchangeLockAttempt ControllerDevice::HoldExchanges() {
  if (!handle) return ExchangeLockAttempt::kFailed;
  if (holds_ == 0 && !TakeLock(*handle)) {
    return busy ? ExchangeLockAttempt::kBusy : ExchangeLockAttempt::kFailed;
  }
  ++holds_;
  return ExchangeLockAttempt::kTaken;
}

void ControllerDevice::ReleaseExchanges() {
  if (holds_ == 0 || --holds_ > 0) return;
  if (handle) handle->UnlockExchanges();
}

bool ControllerDevice::ReadSettings(ReportTransport* deviceHandle) {
  return ExchangeOnceMore(deviceHandle, ReadOnce);
}

bool ControllerDevice::WriteSettings(ReportTransport* deviceHandle) {
  return ExchangeOnceMore(deviceHandle, WriteOnce);
}
