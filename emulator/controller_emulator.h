// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "link/report_transport.h"

// The controller's firmware side of the report protocol, for tests, benchmarks and the demo.
// As strict as the firmware: a request whose bytes are not exactly a known command's, a
// buffer without the report ID, or a request out of order is refused: the report fails and
// is counted in `rejected`, and nothing changes. Out of order: any request but a start
// before the start was answered ready or while a reply is still to be fetched; a block or
// checksum outside its exchange; a read checksum before all four blocks were fetched; a
// read request after the read checksum without a new start; a commit before all the data;
// a fetch with no reply due. A start is always taken and drops whatever was under way.
// Thread-safe: the umockdev ioctl handler calls it from its own worker thread.
class ControllerEmulator {
 public:
  struct Faults {
    int failSendNumber = 0;   // n > 0: the n-th output report (1-based) fails
    int failFetchNumber = 0;  // n > 0: the n-th input report (1-based) fails
    bool wrongReadChecksum = false;
    bool wrongWriteChecksum = false;
    bool corruptChecksumHighByte = false;  // both checksum replies get a wrong high byte
    bool neverReady = false;
    int notReadyReplies = 0;      // not-ready replies before each 0xAA start reply
    int unplugAfterReports = -1;  // n >= 0: every report after the first n fails
    bool garbageReplies = false;  // replies are noise
    int stuckSlot = -1;           // n >= 0: a committed write silently leaves slot n as it was
  };
  struct Counters {
    int sends = 0;
    int fetches = 0;
    int commits = 0;   // 0x23 reports that committed a write
    int rejected = 0;  // reports refused as the firmware would refuse them
    std::array<int, 256> sendsByCommand{};
  };

  ControllerEmulator();
  ~ControllerEmulator();
  ControllerEmulator(const ControllerEmulator&) = delete;
  ControllerEmulator& operator=(const ControllerEmulator&) = delete;

  // Protocol side (what the transport calls).
  bool HandleOutputReport(const Report& report);
  bool HandleInputReport(Report& report);

  // Inspection and set-up.
  std::array<std::uint16_t, 128> Memory() const;
  void SetMemory(const std::array<std::uint16_t, 128>& words);
  void SetWord(int slot, std::uint16_t value);
  std::uint16_t Word(int slot) const;
  void SetVersion(std::array<std::uint8_t, 4> version);
  void SetFaults(const Faults& faults);
  Faults GetFaults() const;
  Counters GetCounters() const;
  void ResetCounters();
  // Why the last refused report was refused; empty when none was.
  std::string LastRejection() const;

  // Optional persistence: memory is loaded from and saved to this file; a save replaces the
  // file whole or not at all. Both return false with a message in `error` when the file is
  // missing, damaged, short, too large, not a regular file or cannot be read or written.
  bool LoadState(const std::string& path, std::string* error);
  bool SaveState(const std::string& path, std::string* error) const;
  // When set, every committed write is saved to the file first: a write the file does not
  // take fails its end report and leaves the key map as it was.
  void SetPersistencePath(std::optional<std::string> path);
  std::optional<std::string> PersistencePath() const;

 private:
  // (implementation detail; see controller_emulator.cpp)
  mutable std::mutex mutex_;
  struct State;
  std::unique_ptr<State> state_;
};

// An in-process transport that talks straight to an emulator; `location` is what it reports
// as the place the controller was found.
std::unique_ptr<ReportTransport> MakeEmulatorTransport(
    std::shared_ptr<ControllerEmulator> emulator, std::string location = "emulated controller");

// An emulator whose key map lives in the state file `path`: loaded from it when the file
// exists, saved to it with every committed write. Null with a reason in `error` when
// something is at `path` that cannot be used (damaged, unreadable, not a regular file, or in
// a folder that may not be searched): it is then left alone rather than overwritten.
std::shared_ptr<ControllerEmulator> MakeEmulatorWithStateFile(const std::string& path,
                                                              std::string* error);
