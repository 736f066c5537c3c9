// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/controller_emulator.h"

#include <cstdio>
#include <optional>

#include "config/controller_config.h"
#include "device/report_protocol.h"
#include "emulator/emulator_state_file.h"
#include "files/file_replace.h"
#include "files/regular_file_read.h"

namespace {

constexpr std::array<std::uint8_t, 4> kFactoryVersion = {0x01, 0x07, 0x02, 0x15};
constexpr std::uint8_t kRequestLead = 0xA5;
constexpr std::uint8_t kRequestTrail = 0x5A;

// Where the firmware is in the protocol.
enum class Phase { kIdle, kReadStarting, kReading, kWriteStarting, kWriting };
// What the next fetch answers.
enum class Due { kNothing, kStartPoll, kBlock, kReadChecksum, kWriteChecksum };

using KeyMap = std::array<std::uint16_t, 128>;

// Why the request's bytes are not exactly those of a known command; null when they are.
// Checked byte by byte here rather than with the program's own encoder, so a mistake there
// shows up as a refusal instead of being shared.
const char* RequestProblem(const Report& report) {
  if (report[0] != 0x01) return "report ID is not 0x01";
  const std::uint8_t cmd = report[2];
  if (report[1] != kRequestLead || report[3] != kRequestTrail) return "bad header bytes";
  if (report[4] != static_cast<std::uint8_t>(0xFF - cmd)) return "bad command complement";
  const bool known = (cmd >= 0x10 && cmd <= 0x12) || (cmd >= 0x20 && cmd <= 0x23);
  if (!known) return "unknown command";
  if (report[5] != 0 || report[7] != 0) return "bytes 5 and 7 must be zero";
  const int blockLimit = cmd == command::kReadBlock    ? kReadBlocks
                         : cmd == command::kWriteBlock ? kWriteBlocks
                                                       : 1;
  if (report[6] >= blockLimit) return "block index out of range";
  const std::size_t zeroFrom = cmd == command::kWriteBlock ? 24 : 8;
  for (std::size_t i = zeroFrom; i < report.size(); ++i) {
    if (report[i] != 0) return "padding bytes must be zero";
  }
  return nullptr;
}

// The sum of the bytes of `count` little-endian words: the checksum of a key map.
std::uint32_t KeyMapByteSum(const KeyMap& words, int count) {
  std::uint32_t sum = 0;
  for (int i = 0; i < count; ++i) {
    const unsigned word = words[static_cast<std::size_t>(i)];
    sum += (word & 0xFFu) + (word >> 8);
  }
  return sum;
}

}  // namespace

struct ControllerEmulator::State {
  KeyMap memory{};
  std::array<std::uint8_t, 4> version = kFactoryVersion;
  Faults faults;
  Counters counters;
  std::string lastRejection;

  Phase phase = Phase::kIdle;
  Due due = Due::kNothing;
  int dueBlock = 0;
  int notReadyLeft = 0;
  // Bit b: read block b was fetched since the read started. The checksum covers the whole
  // key map, so it is given only to a reader that has fetched all of it.
  unsigned fetchedBlocks = 0;

  // A write is staged on a copy of the key map; only the end command, after all eight
  // blocks and the checksum request, puts it into memory. A torn write never reaches it.
  KeyMap staged{};
  unsigned receivedBlocks = 0;  // bit b: block b arrived
  bool checksumAsked = false;

  std::optional<std::string> persistencePath;
  std::uint32_t noise = 0x2545F491u;

  bool Reject(const char* why) {
    ++counters.rejected;
    lastRejection = why;
    return false;
  }
};

namespace {

// Counts the report and decides whether the injected faults make it fail.
bool CountAndCheckFault(ControllerEmulator::Counters& counters,
                        const ControllerEmulator::Faults& faults, bool isSend) {
  const int reportsBefore = counters.sends + counters.fetches;
  int& counter = isSend ? counters.sends : counters.fetches;
  ++counter;
  if (faults.unplugAfterReports >= 0 && reportsBefore >= faults.unplugAfterReports) return false;
  const int failNumber = isSend ? faults.failSendNumber : faults.failFetchNumber;
  return !(failNumber > 0 && counter == failNumber);
}

void PutChecksum(Report& reply, std::uint32_t sum, bool wrongByOne, bool corruptHighByte) {
  if (wrongByOne) ++sum;
  reply[kChecksumLowByte] = static_cast<std::uint8_t>(sum & 0xFF);
  reply[kChecksumHighByte] = static_cast<std::uint8_t>((sum >> 8) & 0xFF);
  if (corruptHighByte) reply[kChecksumHighByte] ^= 0xFF;
}

bool SaveSnapshot(const std::string& path, const EmulatorSnapshot& snapshot, std::string* error) {
  if (ReplaceFile(path, EncodeEmulatorState(snapshot), error)) return true;
  if (error != nullptr) *error = "cannot write " + path + ": " + *error;
  return false;
}

// A write is committed only once the state file holds it: a controller that said "stored"
// and forgot it at the next start would be lying to the program.
bool SaveCommitted(const std::optional<std::string>& path, const EmulatorSnapshot& snapshot) {
  if (!path) return true;
  std::string error;
  if (SaveSnapshot(*path, snapshot, &error)) return true;
  std::fprintf(stderr, "controller emulator: %s\n", error.c_str());
  return false;
}

// The state in the file at `path`, or false with the reason. A missing file is reported as
// kMissing in `status`, so the caller can tell "no file yet" from a file it may not read.
bool ReadSnapshot(const std::string& path, EmulatorSnapshot* snapshot, FileReadStatus* status,
                  std::string* error) {
  const FileRead file = ReadRegularFile(path, kEmulatorStateFileSize);
  *status = file.status;
  std::string reason;
  switch (file.status) {
    case FileReadStatus::kRead:
      if (DecodeEmulatorState(file.bytes, snapshot, &reason)) return true;
      break;
    case FileReadStatus::kNotRegular:
      reason = "not a regular file";
      break;
    case FileReadStatus::kTooLarge:
      reason = "emulator state has " + std::to_string(file.size) + " bytes, expected " +
               std::to_string(kEmulatorStateFileSize);
      break;
    case FileReadStatus::kMissing:
    case FileReadStatus::kFailed:
      reason = "cannot open: " + file.reason;
      break;
  }
  if (error != nullptr) *error = path + ": " + reason;
  return false;
}

}  // namespace

ControllerEmulator::ControllerEmulator() : state_(std::make_unique<State>()) {
  for (int slot = 0; slot < slots::kCount; ++slot) {
    state_->memory[static_cast<std::size_t>(slot)] = DefaultCode(slot);
  }
}

ControllerEmulator::~ControllerEmulator() = default;

bool ControllerEmulator::HandleOutputReport(const Report& report) {
  std::lock_guard lock(mutex_);
  State& s = *state_;
  if (!CountAndCheckFault(s.counters, s.faults, true)) return false;
  ++s.counters.sendsByCommand[report[2]];
  if (const char* problem = RequestProblem(report)) return s.Reject(problem);

  const std::uint8_t cmd = report[2];
  const int block = report[6];
  const bool reading = s.phase == Phase::kReading;
  const bool writing = s.phase == Phase::kWriting;
  if (cmd == command::kReadStart || cmd == command::kWriteStart) {
    // A new start drops whatever exchange was under way, a reply still due included: it is
    // how a program that lost a reply, or gave up polling, gets the controller back.
    s.phase = cmd == command::kReadStart ? Phase::kReadStarting : Phase::kWriteStarting;
    s.due = Due::kStartPoll;
    s.notReadyLeft = s.faults.notReadyReplies;
    s.staged = s.memory;
    s.receivedBlocks = 0;
    s.checksumAsked = false;
    s.fetchedBlocks = 0;
    return true;
  }
  if (s.phase == Phase::kReadStarting || s.phase == Phase::kWriteStarting) {
    return s.Reject("request before the start was answered ready");
  }
  // The firmware answers one request at a time: until its reply is fetched, any other
  // request is ignored and the reply stays as it was.
  if (s.due != Due::kNothing) return s.Reject("request while a reply is still to be fetched");
  switch (cmd) {
    case command::kReadBlock:
    case command::kReadChecksum:
      if (!reading) return s.Reject("read request outside a started read");
      if (cmd == command::kReadChecksum && s.fetchedBlocks != (1u << kReadBlocks) - 1) {
        return s.Reject("read checksum request before all four blocks were fetched");
      }
      s.due = cmd == command::kReadBlock ? Due::kBlock : Due::kReadChecksum;
      s.dueBlock = block;
      return true;
    case command::kWriteBlock:
      if (!writing) return s.Reject("block write outside a started write");
      for (int m = 0; m < kWordsPerWriteBlock; ++m) {
        const std::size_t at = static_cast<std::size_t>(kWritePayloadOffset + 2 * m);
        s.staged[static_cast<std::size_t>(block * kWordsPerWriteBlock + m)] =
            static_cast<std::uint16_t>(report[at] | (report[at + 1] << 8));
      }
      s.receivedBlocks |= 1u << block;
      s.checksumAsked = false;  // the checksum must cover every block
      s.due = Due::kNothing;
      return true;
    case command::kWriteChecksum:
      if (!writing) return s.Reject("checksum request outside a started write");
      s.checksumAsked = true;
      s.due = Due::kWriteChecksum;
      return true;
    default:  // the end command; RequestProblem lets no other through
      if (!writing || s.receivedBlocks != (1u << kWriteBlocks) - 1 || !s.checksumAsked) {
        return s.Reject("end of write before all blocks and the checksum request");
      }
      KeyMap committed = s.memory;
      for (int slot = 0; slot < slots::kWritten; ++slot) {
        if (slot == s.faults.stuckSlot) continue;
        committed[static_cast<std::size_t>(slot)] = s.staged[static_cast<std::size_t>(slot)];
      }
      s.phase = Phase::kIdle;
      s.due = Due::kNothing;
      if (!SaveCommitted(s.persistencePath, EmulatorSnapshot{committed, s.version})) return false;
      s.memory = committed;
      ++s.counters.commits;
      return true;
  }
}

bool ControllerEmulator::HandleInputReport(Report& report) {
  std::lock_guard lock(mutex_);
  State& s = *state_;
  if (!CountAndCheckFault(s.counters, s.faults, false)) return false;
  if (report[0] != kReportId) return s.Reject("fetch buffer without report ID 0x01");

  if (s.faults.garbageReplies) {
    for (auto& byte : report) {
      s.noise ^= s.noise << 13;
      s.noise ^= s.noise >> 17;
      s.noise ^= s.noise << 5;
      byte = static_cast<std::uint8_t>(s.noise >> 24);
    }
    // Noise never reads as a ready start reply, so it cannot pass for a real exchange.
    if (report[kReadyByte] == kReady) report[kReadyByte] = 0;
    return true;
  }

  Report reply = PreparedReply();
  switch (s.due) {
    case Due::kNothing:
      return s.Reject("fetch with no reply due");
    case Due::kStartPoll:
      if (s.faults.neverReady) break;
      if (s.notReadyLeft > 0) {
        --s.notReadyLeft;
        break;
      }
      reply[kReadyByte] = kReady;
      if (s.phase == Phase::kReadStarting) {
        for (std::size_t i = 0; i < s.version.size(); ++i) reply[kVersionOffset + i] = s.version[i];
      }
      s.phase = s.phase == Phase::kReadStarting ? Phase::kReading : Phase::kWriting;
      s.due = Due::kNothing;
      break;
    case Due::kBlock:
      for (int k = 0; k < kWordsPerReadBlock; ++k) {
        const std::uint16_t word =
            s.memory[static_cast<std::size_t>(s.dueBlock * kWordsPerReadBlock + k)];
        reply[static_cast<std::size_t>(2 * k)] = static_cast<std::uint8_t>(word & 0xFF);
        reply[static_cast<std::size_t>(2 * k + 1)] = static_cast<std::uint8_t>(word >> 8);
      }
      s.fetchedBlocks |= 1u << s.dueBlock;
      s.due = Due::kNothing;
      break;
    case Due::kReadChecksum:
      PutChecksum(reply, KeyMapByteSum(s.memory, slots::kCount), s.faults.wrongReadChecksum,
                  s.faults.corruptChecksumHighByte);
      // The checksum ends the read: more blocks or checksums need a new start.
      s.phase = Phase::kIdle;
      s.due = Due::kNothing;
      break;
    case Due::kWriteChecksum:
      PutChecksum(reply, KeyMapByteSum(s.staged, slots::kWritten), s.faults.wrongWriteChecksum,
                  s.faults.corruptChecksumHighByte);
      s.due = Due::kNothing;
      break;
  }
  report = reply;
  return true;
}

std::array<std::uint16_t, 128> ControllerEmulator::Memory() const {
  std::lock_guard lock(mutex_);
  return state_->memory;
}

void ControllerEmulator::SetMemory(const std::array<std::uint16_t, 128>& words) {
  std::lock_guard lock(mutex_);
  state_->memory = words;
}

void ControllerEmulator::SetWord(int slot, std::uint16_t value) {
  if (slot < 0 || slot >= slots::kCount) return;
  std::lock_guard lock(mutex_);
  state_->memory[static_cast<std::size_t>(slot)] = value;
}

std::uint16_t ControllerEmulator::Word(int slot) const {
  if (slot < 0 || slot >= slots::kCount) return 0;
  std::lock_guard lock(mutex_);
  return state_->memory[static_cast<std::size_t>(slot)];
}

void ControllerEmulator::SetVersion(std::array<std::uint8_t, 4> version) {
  std::lock_guard lock(mutex_);
  state_->version = version;
}

void ControllerEmulator::SetFaults(const Faults& faults) {
  std::lock_guard lock(mutex_);
  state_->faults = faults;
}

ControllerEmulator::Faults ControllerEmulator::GetFaults() const {
  std::lock_guard lock(mutex_);
  return state_->faults;
}

ControllerEmulator::Counters ControllerEmulator::GetCounters() const {
  std::lock_guard lock(mutex_);
  return state_->counters;
}

void ControllerEmulator::ResetCounters() {
  std::lock_guard lock(mutex_);
  state_->counters = Counters{};
}

std::string ControllerEmulator::LastRejection() const {
  std::lock_guard lock(mutex_);
  return state_->lastRejection;
}

bool ControllerEmulator::LoadState(const std::string& path, std::string* error) {
  EmulatorSnapshot snapshot;
  FileReadStatus status{};
  if (!ReadSnapshot(path, &snapshot, &status, error)) return false;
  std::lock_guard lock(mutex_);
  state_->memory = snapshot.memory;
  state_->version = snapshot.version;
  return true;
}

bool ControllerEmulator::SaveState(const std::string& path, std::string* error) const {
  EmulatorSnapshot snapshot;
  {
    std::lock_guard lock(mutex_);
    snapshot = EmulatorSnapshot{state_->memory, state_->version};
  }
  return SaveSnapshot(path, snapshot, error);
}

void ControllerEmulator::SetPersistencePath(std::optional<std::string> path) {
  std::lock_guard lock(mutex_);
  state_->persistencePath = std::move(path);
}

std::optional<std::string> ControllerEmulator::PersistencePath() const {
  std::lock_guard lock(mutex_);
  return state_->persistencePath;
}

std::shared_ptr<ControllerEmulator> MakeEmulatorWithStateFile(const std::string& path,
                                                              std::string* error) {
  auto emulator = std::make_shared<ControllerEmulator>();
  EmulatorSnapshot snapshot;
  FileReadStatus status{};
  if (ReadSnapshot(path, &snapshot, &status, error)) {
    emulator->SetMemory(snapshot.memory);
    emulator->SetVersion(snapshot.version);
  } else if (status != FileReadStatus::kMissing) {
    return nullptr;
  }
  emulator->SetPersistencePath(path);
  return emulator;
}
