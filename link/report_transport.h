// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

// One HID report as the program handles it: byte 0 is the report ID position.
inline constexpr int kReportSize = 65;
using Report = std::array<std::uint8_t, kReportSize>;

// Why the last failed send or fetch failed, as far as the platform tells.
enum class TransportFault {
  kOther,        // the device answered with an error, or the cause is unknown
  kGone,         // the device node went away (unplugged, suspended, reset): look again
  kUnsupported,  // the system cannot make this request at all (a kernel too old)
};

// What an attempt to take the controller's exchange lock found.
enum class ExchangeLockAttempt {
  kTaken,   // held now (or the node offers no lock at all: then nothing can be shared)
  kBusy,    // another program holds it; try again later
  kFailed,  // the lock or what it guards cannot be used
};

// The seam between the exchange protocol and the platform's HID service.
class ReportTransport {
 public:
  virtual ~ReportTransport() = default;
  // Sends a 65-byte output report. False when the platform reports a failure.
  virtual bool SendOutputReport(const Report& report) = 0;
  // Fetches a 65-byte input report into `report` (whose byte 0 the caller set to the
  // report ID). False when the platform reports a failure.
  virtual bool GetInputReport(Report& report) = 0;
  // Where the controller was found, for people to read (a device node); may be empty.
  virtual std::string Location() const { return {}; }
  // What names this controller to every other program that reaches it, however each found or
  // named it (a node's device number, a state file's folder and name); empty when no other
  // program can reach it.
  virtual std::string Identity() const { return {}; }
  // Meaningful after a call returned false.
  virtual TransportFault LastFault() const { return TransportFault::kOther; }
  // An advisory lock shared by every program of ours that reaches the same controller, so two
  // request sequences never interleave. Never waits; taking it again while held is harmless.
  // A transport nobody else can reach needs none.
  virtual ExchangeLockAttempt TryLockExchanges() { return ExchangeLockAttempt::kTaken; }
  virtual void UnlockExchanges() {}
};
