#include "emulator/controller_emulator.h"

#include <cstdio>
#include <filesystem>
#include <optional>

#include "config/controller_config.h"
#include "device/report_protocol.h"
#include "emulator/emulator_state_file.h"

namespace {

constexpr int kNoCommand = -1;
constexpr std::array<std::uint8_t, 4> kFactoryVersion = {0x01, 0x07, 0x02, 0x15};

using WriteBlockPayload = std::array<std::uint8_t, kWritePayloadBytes>;

}  // namespace

struct ControllerEmulator::State {
  std::array<std::uint16_t, 128> memory{};
  std::array<std::uint8_t, 4> version = kFactoryVersion;
  Faults faults;
  Counters counters;

  // The reply a fetch produces depends on the last accepted request.
  int lastCommand = kNoCommand;
  int lastBlock = 0;
  int notReadyLeft = 0;
  std::uint32_t readSum = 0;  // bytes sent in block replies since the last read start

  // A write is only staged until the end command arrives; a torn write never reaches memory.
  bool writeOpen = false;
  std::array<std::optional<WriteBlockPayload>, kWriteBlocks> pending{};

  std::optional<std::string> persistencePath;
  std::uint32_t noise = 0x2545F491u;
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

void PutChecksum(Report& reply, std::uint32_t sum) {
  reply[kChecksumLowByte] = static_cast<std::uint8_t>(sum & 0xFF);
  reply[kChecksumHighByte] = static_cast<std::uint8_t>((sum >> 8) & 0xFF);
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

  // A malformed request is accepted by the transport but means nothing to the firmware.
  s.lastCommand = kNoCommand;
  if (!HasValidRequestHeader(report)) return true;

  const std::uint8_t cmd = report[2];
  const int block = report[6];
  switch (cmd) {
    case command::kReadStart:
      s.notReadyLeft = s.faults.notReadyReplies;
      s.readSum = 0;
      break;
    case command::kWriteStart:
      s.notReadyLeft = s.faults.notReadyReplies;
      s.writeOpen = true;
      s.pending.fill(std::nullopt);
      break;
    case command::kReadBlock:
      if (block >= kReadBlocks) return true;
      break;
    case command::kWriteBlock:
      if (s.writeOpen && block < kWriteBlocks) {
        WriteBlockPayload payload{};
        for (int i = 0; i < kWritePayloadBytes; ++i) {
          payload[static_cast<std::size_t>(i)] =
              report[static_cast<std::size_t>(kWritePayloadOffset + i)];
        }
        s.pending[static_cast<std::size_t>(block)] = payload;
      }
      break;
    case command::kReadChecksum:
    case command::kWriteChecksum:
      break;
    case command::kWriteEnd:
      if (s.writeOpen) {
        for (int b = 0; b < kWriteBlocks; ++b) {
          const auto& payload = s.pending[static_cast<std::size_t>(b)];
          if (!payload) continue;
          for (int m = 0; m < kWordsPerWriteBlock; ++m) {
            if (b * kWordsPerWriteBlock + m == s.faults.stuckSlot) continue;
            s.memory[static_cast<std::size_t>(b * kWordsPerWriteBlock + m)] =
                static_cast<std::uint16_t>((*payload)[static_cast<std::size_t>(2 * m)] |
                                           ((*payload)[static_cast<std::size_t>(2 * m + 1)] << 8));
          }
        }
        s.writeOpen = false;
        s.pending.fill(std::nullopt);
        ++s.counters.commits;
        if (s.persistencePath) {
          std::string error;
          EmulatorSnapshot snapshot{s.memory, s.version};
          if (!WriteFileAtomically(*s.persistencePath, EncodeEmulatorState(snapshot), &error)) {
            std::fprintf(stderr, "controller emulator: %s\n", error.c_str());
          }
        }
      }
      break;
    default:
      return true;
  }
  s.lastCommand = cmd;
  s.lastBlock = block;
  return true;
}

bool ControllerEmulator::HandleInputReport(Report& report) {
  std::lock_guard lock(mutex_);
  State& s = *state_;
  if (!CountAndCheckFault(s.counters, s.faults, false)) return false;

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
  switch (s.lastCommand) {
    case command::kReadStart:
    case command::kWriteStart:
      if (s.faults.neverReady) break;
      if (s.notReadyLeft > 0) {
        --s.notReadyLeft;
        break;
      }
      reply[kReadyByte] = kReady;
      if (s.lastCommand == command::kReadStart) {
        for (std::size_t i = 0; i < s.version.size(); ++i) reply[kVersionOffset + i] = s.version[i];
      }
      break;
    case command::kReadBlock:
      for (int k = 0; k < kWordsPerReadBlock; ++k) {
        const std::uint16_t word =
            s.memory[static_cast<std::size_t>(s.lastBlock * kWordsPerReadBlock + k)];
        reply[static_cast<std::size_t>(2 * k)] = static_cast<std::uint8_t>(word & 0xFF);
        reply[static_cast<std::size_t>(2 * k + 1)] = static_cast<std::uint8_t>(word >> 8);
      }
      s.readSum += ReadBlockByteSum(reply);
      break;
    case command::kReadChecksum:
      PutChecksum(reply, s.readSum + (s.faults.wrongReadChecksum ? 1 : 0));
      break;
    case command::kWriteChecksum: {
      std::uint32_t sum = 0;
      for (const auto& payload : s.pending) {
        if (!payload) continue;
        for (const std::uint8_t byte : *payload) sum += byte;
      }
      PutChecksum(reply, sum + (s.faults.wrongWriteChecksum ? 1 : 0));
      break;
    }
    default:
      break;  // nothing to answer: a zeroed, not-ready reply
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

bool ControllerEmulator::LoadState(const std::string& path, std::string* error) {
  std::vector<std::uint8_t> bytes;
  if (!ReadFileBounded(path, kEmulatorStateFileSize, &bytes, error)) return false;
  EmulatorSnapshot snapshot;
  if (!DecodeEmulatorState(bytes, &snapshot, error)) {
    if (error != nullptr) *error = path + ": " + *error;
    return false;
  }
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
  return WriteFileAtomically(path, EncodeEmulatorState(snapshot), error);
}

void ControllerEmulator::SetPersistencePath(std::optional<std::string> path) {
  std::lock_guard lock(mutex_);
  state_->persistencePath = std::move(path);
}

std::shared_ptr<ControllerEmulator> MakeEmulatorWithStateFile(const std::string& path,
                                                              std::string* error) {
  auto emulator = std::make_shared<ControllerEmulator>();
  std::error_code ignored;
  if (std::filesystem::exists(path, ignored) && !emulator->LoadState(path, error)) return nullptr;
  emulator->SetPersistencePath(path);
  return emulator;
}
