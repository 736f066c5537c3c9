// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "exchange_rig.h"

namespace {

std::vector<std::string> CleanWrite() {
  std::vector<std::string> log = {"send 20/0", "pause 5", "fetch", "pause 5"};
  for (int block = 0; block < 8; ++block) {
    log.push_back("send 21/" + std::to_string(block));
    log.push_back("pause 5");
  }
  for (const char* step : {"send 22/0", "pause 5", "fetch", "pause 5", "send 23/0"}) {
    log.push_back(step);
  }
  return log;
}

}  // namespace

TEST(WriteSettings, DefaultRecordIsSentBlockByBlockAndCommitted) {
  ExchangeRig rig;
  std::array<std::uint16_t, 128> upper{};
  for (int slot = 64; slot < 128; ++slot) upper[static_cast<std::size_t>(slot)] = 0x7777;
  rig.emulator->SetMemory(upper);
  rig.device.config.SetCode(43, 0);  // the write must restore the fixed delay value
  rig.device.config.SetCode(47, 7);
  TraceCapture trace;
  rig.device.trace = trace.Sink();

  ASSERT_TRUE(rig.Write());
  EXPECT_EQ(rig.recorder->log, CleanWrite());
  EXPECT_EQ(trace.lines, std::vector<std::wstring>{L"IsChooseKey:4,KeyCode:51"});

  const std::vector<Report>& sent = rig.recorder->sent;
  ASSERT_EQ(sent.size(), 11u);
  EXPECT_EQ(sent[0], BuildRequest(0x20));
  for (int block = 0; block < 8; ++block) {
    WriteBlockCodes codes{};
    for (int m = 0; m < 8; ++m) codes[static_cast<std::size_t>(m)] = DefaultCode(8 * block + m);
    EXPECT_EQ(sent[static_cast<std::size_t>(1 + block)],
              BuildWriteBlockRequest(static_cast<std::uint8_t>(block), codes));
  }
  // Slots 43 and 47 are the fourth and last word of block 5.
  EXPECT_EQ(sent[6][14], 0x2C);
  EXPECT_EQ(sent[6][15], 0x01);
  EXPECT_EQ(sent[6][22], 0x2C);
  EXPECT_EQ(sent[6][23], 0x01);
  EXPECT_EQ(sent[9], BuildRequest(0x22));
  EXPECT_EQ(sent[10], BuildRequest(0x23));

  EXPECT_EQ(rig.device.config.Code(43), 300);
  EXPECT_EQ(rig.device.config.Code(47), 300);
  for (int slot = 0; slot < 64; ++slot) EXPECT_EQ(rig.emulator->Word(slot), DefaultCode(slot));
  for (int slot = 64; slot < 128; ++slot) EXPECT_EQ(rig.emulator->Word(slot), 0x7777);
  EXPECT_EQ(rig.emulator->GetCounters().commits, 1);
}

TEST(WriteSettings, EditedSlotsReachTheControllerAndReadBack) {
  ExchangeRig rig;
  rig.device.config.SetCode(10, 0x09);
  rig.device.config.SetCode(36, PackDeadZones(-5, 90));
  ASSERT_TRUE(rig.Write());
  rig.device.config.LoadDefaults();
  ASSERT_TRUE(rig.Read());
  EXPECT_EQ(rig.device.config.Code(10), 0x09);
  EXPECT_EQ(rig.device.config.Code(36), 0x5AFB);
}

TEST(WriteSettings, WrongChecksumSendsTenReportsAndNoEnd) {
  ExchangeRig rig;
  rig.emulator->SetFaults({.wrongWriteChecksum = true});
  rig.device.config.SetCode(8, 0x1B);
  EXPECT_FALSE(rig.Write());
  const auto counters = rig.emulator->GetCounters();
  EXPECT_EQ(counters.sends, 10);
  EXPECT_EQ(counters.sendsByCommand[0x23], 0);
  EXPECT_EQ(counters.commits, 0);
  EXPECT_EQ(rig.emulator->Word(8), 0x1A);
}

TEST(WriteSettings, FailingReportEndsTheWriteAndMemoryStaysUnchanged) {
  const std::vector<std::string> clean = CleanWrite();
  std::vector<std::size_t> sendAt, fetchAt;
  for (std::size_t i = 0; i < clean.size(); ++i) {
    if (clean[i].rfind("send", 0) == 0) sendAt.push_back(i);
    if (clean[i] == "fetch") fetchAt.push_back(i);
  }
  ASSERT_EQ(sendAt.size(), 11u);
  ASSERT_EQ(fetchAt.size(), 2u);

  auto check = [&](const ControllerEmulator::Faults& fault, std::size_t failAt) {
    ExchangeRig rig;
    rig.emulator->SetFaults(fault);
    const auto memoryBefore = rig.emulator->Memory();
    rig.device.config.SetCode(0, 0x04);
    const bool ok = rig.Write();
    std::vector<std::string> expected(clean.begin(), clean.begin() + static_cast<long>(failAt) + 1);
    expected.back() += " FAIL";
    EXPECT_EQ(rig.recorder->log, expected);
    EXPECT_FALSE(ok);
    EXPECT_EQ(rig.emulator->Memory(), memoryBefore);
    EXPECT_EQ(rig.emulator->GetCounters().commits, 0);
  };
  for (int n = 1; n <= 11; ++n) {
    SCOPED_TRACE(testing::Message() << "send " << n);
    check({.failSendNumber = n}, sendAt[static_cast<std::size_t>(n - 1)]);
  }
  for (int n = 1; n <= 2; ++n) {
    SCOPED_TRACE(testing::Message() << "fetch " << n);
    check({.failFetchNumber = n}, fetchAt[static_cast<std::size_t>(n - 1)]);
  }
}

TEST(WriteSettings, NullHandleOrSilentControllerFails) {
  ExchangeRig nullHandle;
  auto transport = MakeEmulatorTransport(nullHandle.emulator);
  nullHandle.device.handle.reset();
  EXPECT_FALSE(nullHandle.device.WriteSettings(transport.get()));
  EXPECT_EQ(nullHandle.emulator->GetCounters().sends, 0);

  ExchangeRig silent;
  silent.emulator->SetFaults({.neverReady = true});
  EXPECT_FALSE(silent.Write());
  EXPECT_EQ(silent.emulator->GetCounters().fetches, 200);
  EXPECT_EQ(silent.emulator->GetCounters().sends, 1);
  // Nothing was written, so the fixed delay slots are not touched either.
  silent.device.config.SetCode(43, 5);
  EXPECT_FALSE(silent.Write());
  EXPECT_EQ(silent.device.config.Code(43), 5);
}
