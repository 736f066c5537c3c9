// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <chrono>

#include "exchange_rig.h"

namespace {

const std::vector<std::string> kCleanRead = {"send 10/0", "pause 5", "fetch", "pause 5",  //
                                             "send 11/0", "pause 5", "fetch", "pause 5",  //
                                             "send 11/1", "pause 5", "fetch", "pause 5",  //
                                             "send 11/2", "pause 5", "fetch", "pause 5",  //
                                             "send 11/3", "pause 5", "fetch", "pause 5",  //
                                             "send 12/0", "pause 5", "fetch"};

std::array<std::uint16_t, 128> DistinctWords() {
  std::array<std::uint16_t, 128> words{};
  for (int i = 0; i < 128; ++i)
    words[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(0x0101 * i + 7);
  return words;
}

// Every report and pause up to and including the failing one, then nothing.
std::vector<std::string> PrefixUpToFailure(const std::vector<std::string>& clean,
                                           std::size_t failAt) {
  std::vector<std::string> expected(clean.begin(), clean.begin() + static_cast<long>(failAt) + 1);
  expected.back() += " FAIL";
  return expected;
}

}  // namespace

TEST(ReadSettings, CleanReadFillsRecordAndVersionWithExactSequence) {
  ExchangeRig rig;
  rig.emulator->SetMemory(DistinctWords());
  ASSERT_TRUE(rig.Read());
  EXPECT_EQ(rig.recorder->log, kCleanRead);
  for (const Report& sent : rig.recorder->sent) {
    EXPECT_EQ(sent, BuildRequest(sent[2], sent[6]));
  }
  EXPECT_EQ(RecordCodes(rig.device.config), DistinctWords());
  EXPECT_EQ(rig.device.versionPartX, L"X107");
  EXPECT_EQ(rig.device.versionPartK, L"K215");
}

TEST(ReadSettings, NotReadyReplyIsPolledAgain) {
  ExchangeRig rig;
  rig.emulator->SetVersion({0x01, 0x0C, 0x00, 0x09});
  rig.emulator->SetFaults({.notReadyReplies = 1});
  ASSERT_TRUE(rig.Read());
  const std::vector<std::string> start(rig.recorder->log.begin(), rig.recorder->log.begin() + 6);
  EXPECT_EQ(start, (std::vector<std::string>{"send 10/0", "pause 5", "fetch", "pause 5", "fetch",
                                             "pause 5"}));
  EXPECT_EQ(rig.device.versionPartX, L"X1C");
  EXPECT_EQ(rig.device.versionPartK, L"K009");
}

TEST(ReadSettings, ControllerThatNeverGetsReadyGivesUpAfter200Polls) {
  ExchangeRig rig;
  rig.emulator->SetFaults({.neverReady = true});
  EXPECT_FALSE(rig.Read());
  const auto counters = rig.emulator->GetCounters();
  EXPECT_EQ(counters.sends, 1);
  EXPECT_EQ(counters.fetches, 200);
}

TEST(ReadSettings, SparseBlocksAndTheirChecksum) {
  ExchangeRig rig;
  std::array<std::uint16_t, 128> words{};
  for (int slot : {0, 32, 64, 96}) words[static_cast<std::size_t>(slot)] = 1;
  rig.emulator->SetMemory(words);
  ASSERT_TRUE(rig.Read());
  EXPECT_EQ(RecordCodes(rig.device.config), words);

  ExchangeRig wrong;
  wrong.emulator->SetMemory(words);
  wrong.emulator->SetFaults({.wrongReadChecksum = true});  // the controller reports 5, not 4
  EXPECT_FALSE(wrong.Read());
}

// The retry pause is for a lock another program holds: taking a free one costs nothing.
// Twenty reads of an emulated controller whose lock is its state file's; a pause of even
// 10 ms before each first attempt would make them take 200 ms at least.
TEST(ReadSettings, AFreeExchangeLockAddsNoPause) {
  char folder[] = "/tmp/pc-lock-XXXXXX";
  ASSERT_NE(::mkdtemp(folder), nullptr);
  const std::string state = std::string(folder) + "/controller.bin";
  std::string reason;
  auto emulator = MakeEmulatorWithStateFile(state, &reason);
  ASSERT_NE(emulator, nullptr) << reason;
  ASSERT_TRUE(emulator->SaveState(state, &reason)) << reason;
  ControllerDevice device{DeviceLink{[emulator] { return MakeEmulatorTransport(emulator); }, {}}};
  device.pause = [](int) {};
  ASSERT_TRUE(device.OpenController());
  const auto start = std::chrono::steady_clock::now();
  for (int read = 0; read < 20; ++read) {
    ASSERT_TRUE(device.ReadSettings(device.handle.get()));
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
  ::unlink(state.c_str());
  ::rmdir(folder);
}

TEST(ReadSettings, NullHandleSendsNothing) {
  ExchangeRig rig;
  auto transport = MakeEmulatorTransport(rig.emulator);
  rig.device.handle.reset();
  EXPECT_FALSE(rig.device.ReadSettings(transport.get()));
  EXPECT_EQ(rig.emulator->GetCounters().sends, 0);
}

// A read is all or nothing: whichever report fails, or when the checksum does not match,
// the record and the version texts stay exactly as they were.
TEST(ReadSettings, AnyFailureLeavesRecordUntouched) {
  std::vector<ControllerEmulator::Faults> faults;
  for (int n = 1; n <= 6; ++n) faults.push_back({.failSendNumber = n});
  for (int n = 1; n <= 6; ++n) faults.push_back({.failFetchNumber = n});
  faults.push_back({.wrongReadChecksum = true});
  faults.push_back({.garbageReplies = true});
  for (int n = 0; n <= 11; ++n) faults.push_back({.unplugAfterReports = n});

  for (const auto& fault : faults) {
    ExchangeRig rig;
    rig.emulator->SetMemory(DistinctWords());
    rig.emulator->SetFaults(fault);
    for (int slot = 0; slot < 128; ++slot) rig.device.config.SetCode(slot, 0xBEEF);
    rig.device.versionPartX = L"Xold";
    rig.device.versionPartK = L"Kold";
    const auto before = RecordCodes(rig.device.config);

    SCOPED_TRACE(testing::Message()
                 << "send " << fault.failSendNumber << " fetch " << fault.failFetchNumber
                 << " unplug " << fault.unplugAfterReports);
    EXPECT_FALSE(rig.Read());
    EXPECT_EQ(RecordCodes(rig.device.config), before);
    EXPECT_EQ(rig.device.versionPartX, L"Xold");
    EXPECT_EQ(rig.device.versionPartK, L"Kold");
    // Whatever came back, every report the program sent was one the firmware takes.
    EXPECT_EQ(rig.emulator->GetCounters().rejected, 0) << rig.emulator->LastRejection();
  }
}

TEST(ReadSettings, StopsAtTheFailingReport) {
  // Indices of the sends and fetches within the clean sequence.
  std::vector<std::size_t> sendAt, fetchAt;
  for (std::size_t i = 0; i < kCleanRead.size(); ++i) {
    if (kCleanRead[i].rfind("send", 0) == 0) sendAt.push_back(i);
    if (kCleanRead[i] == "fetch") fetchAt.push_back(i);
  }
  ASSERT_EQ(sendAt.size(), 6u);
  ASSERT_EQ(fetchAt.size(), 6u);
  for (int n = 1; n <= 6; ++n) {
    ExchangeRig sendFails;
    sendFails.emulator->SetFaults({.failSendNumber = n});
    EXPECT_FALSE(sendFails.Read());
    EXPECT_EQ(sendFails.recorder->log,
              PrefixUpToFailure(kCleanRead, sendAt[static_cast<std::size_t>(n - 1)]));

    ExchangeRig fetchFails;
    fetchFails.emulator->SetFaults({.failFetchNumber = n});
    EXPECT_FALSE(fetchFails.Read());
    EXPECT_EQ(fetchFails.recorder->log,
              PrefixUpToFailure(kCleanRead, fetchAt[static_cast<std::size_t>(n - 1)]));
  }
}
