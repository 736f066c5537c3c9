// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "device/report_protocol.h"
#include "emulator/controller_emulator.h"
#include "tests/core/exchange_rig.h"

namespace {

Report Fetch(ControllerEmulator& emulator) {
  Report reply = PreparedReply();
  EXPECT_TRUE(emulator.HandleInputReport(reply));
  return reply;
}

class TempDir {
 public:
  TempDir() {
    path_ = std::filesystem::temp_directory_path() /
            ("core_tests_" + std::to_string(getpid()) + "_" + std::to_string(counter_++));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() { std::filesystem::remove_all(path_); }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  static inline int counter_ = 0;
  std::filesystem::path path_;
};

void WriteBytes(const std::string& path, const std::vector<char>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<char> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

namespace {

// A request as the firmware expects it, written out byte by byte rather than with the
// program's encoder: report ID, A5, command, 5A, complement, 0, block, 0, then zeros.
Report Request(std::uint8_t cmd, std::uint8_t block = 0) {
  Report r{};
  r[0] = 0x01;
  r[1] = 0xA5;
  r[2] = cmd;
  r[3] = 0x5A;
  r[4] = static_cast<std::uint8_t>(0xFF - cmd);
  r[6] = block;
  return r;
}

Report WriteBlock(std::uint8_t block, std::uint16_t word) {
  Report r = Request(0x21, block);
  for (int m = 0; m < 8; ++m) {
    r[static_cast<std::size_t>(8 + 2 * m)] = static_cast<std::uint8_t>(word & 0xFF);
    r[static_cast<std::size_t>(9 + 2 * m)] = static_cast<std::uint8_t>(word >> 8);
  }
  return r;
}

// Sends a start command and polls once: the emulator answers ready at once by default.
void Start(ControllerEmulator& emulator, std::uint8_t cmd) {
  ASSERT_TRUE(emulator.HandleOutputReport(Request(cmd)));
  ASSERT_TRUE(ParseStartReply(Fetch(emulator)).ready);
}

// A read started and all four blocks fetched, so the checksum may be asked next.
void ReadAllBlocks(ControllerEmulator& emulator) {
  Start(emulator, 0x10);
  for (std::uint8_t b = 0; b < 4; ++b) {
    ASSERT_TRUE(emulator.HandleOutputReport(Request(0x11, b)));
    Fetch(emulator);
  }
}

// A whole write of `word` into slots 0..63, in the firmware's order.
void WriteAll(ControllerEmulator& emulator, std::uint16_t word) {
  Start(emulator, 0x20);
  for (std::uint8_t b = 0; b < 8; ++b)
    ASSERT_TRUE(emulator.HandleOutputReport(WriteBlock(b, word)));
  ASSERT_TRUE(emulator.HandleOutputReport(Request(0x22)));
  Fetch(emulator);
  ASSERT_TRUE(emulator.HandleOutputReport(Request(0x23)));
}

}  // namespace

TEST(ControllerEmulator, RefusesRequestsThatAreNotExactlyACommand) {
  ControllerEmulator emulator;
  const auto memory = emulator.Memory();
  auto changed = [](Report r, std::size_t at, std::uint8_t value) {
    r[at] = value;
    return r;
  };
  const std::vector<std::pair<const char*, Report>> bad = {
      {"report ID 0", changed(Request(0x10), 0, 0x00)},
      {"report ID 2", changed(Request(0x20), 0, 0x02)},
      {"lead byte", changed(Request(0x10), 1, 0xA4)},
      {"trail byte", changed(Request(0x10), 3, 0x5B)},
      {"complement", changed(Request(0x10), 4, 0xEE)},
      {"unknown command", Request(0x13)},
      {"byte 5", changed(Request(0x10), 5, 0x01)},
      {"byte 7", changed(Request(0x20), 7, 0x01)},
      {"block index on a start", Request(0x10, 1)},
      {"read block 4", Request(0x11, 4)},
      {"write block 8", WriteBlock(8, 0)},
      {"payload on a read", changed(Request(0x12), 8, 0x01)},
      {"padding after a write block", changed(WriteBlock(0, 0), 24, 0x01)},
      {"last byte", changed(Request(0x23), 64, 0x01)},
  };
  int rejected = 0;
  for (const auto& [name, request] : bad) {
    Start(emulator, request[2] == 0x21 ? 0x20 : 0x10);
    EXPECT_FALSE(emulator.HandleOutputReport(request)) << name;
    EXPECT_EQ(emulator.GetCounters().rejected, ++rejected) << name;
    EXPECT_FALSE(emulator.LastRejection().empty()) << name;
  }
  // A fetch buffer must carry the report ID too.
  ASSERT_TRUE(emulator.HandleOutputReport(Request(0x10)));
  Report unmarked{};
  EXPECT_FALSE(emulator.HandleInputReport(unmarked));
  EXPECT_EQ(emulator.GetCounters().rejected, rejected + 1);
  EXPECT_EQ(emulator.Memory(), memory);
  EXPECT_EQ(emulator.GetCounters().commits, 0);
}

TEST(ControllerEmulator, RefusesRequestsOutOfOrder) {
  ControllerEmulator emulator;
  const auto memory = emulator.Memory();
  // Nothing started: no block, checksum or end is taken, and no reply is due.
  for (const Report& request :
       {Request(0x11), Request(0x12), WriteBlock(0, 7), Request(0x22), Request(0x23)}) {
    EXPECT_FALSE(emulator.HandleOutputReport(request)) << int{request[2]};
  }
  Report reply = PreparedReply();
  EXPECT_FALSE(emulator.HandleInputReport(reply));
  // A start that has not answered ready yet takes no block either.
  ASSERT_TRUE(emulator.HandleOutputReport(Request(0x10)));
  EXPECT_FALSE(emulator.HandleOutputReport(Request(0x11)));
  // Each block reply is fetched once.
  Fetch(emulator);
  ASSERT_TRUE(emulator.HandleOutputReport(Request(0x11, 1)));
  Fetch(emulator);
  reply = PreparedReply();
  EXPECT_FALSE(emulator.HandleInputReport(reply));
  // Within a write: no read blocks, and no end before all eight blocks and the checksum.
  Start(emulator, 0x20);
  EXPECT_FALSE(emulator.HandleOutputReport(Request(0x11)));
  for (std::uint8_t b = 0; b < 7; ++b) ASSERT_TRUE(emulator.HandleOutputReport(WriteBlock(b, 7)));
  ASSERT_TRUE(emulator.HandleOutputReport(Request(0x22)));
  Fetch(emulator);
  EXPECT_FALSE(emulator.HandleOutputReport(Request(0x23)));
  ASSERT_TRUE(emulator.HandleOutputReport(WriteBlock(7, 7)));
  EXPECT_FALSE(emulator.HandleOutputReport(Request(0x23)));  // checksum not asked since
  EXPECT_EQ(emulator.Memory(), memory);
  EXPECT_EQ(emulator.GetCounters().rejected, 11);
  // A new start drops the unfinished write; its blocks never reach memory.
  Start(emulator, 0x20);
  ASSERT_TRUE(emulator.HandleOutputReport(Request(0x22)));
  Fetch(emulator);
  EXPECT_FALSE(emulator.HandleOutputReport(Request(0x23)));
  EXPECT_EQ(emulator.Memory(), memory);

  WriteAll(emulator, 0x0707);
  EXPECT_EQ(emulator.GetCounters().commits, 1);
  EXPECT_EQ(emulator.Word(0), 0x0707);
  EXPECT_EQ(emulator.Word(63), 0x0707);
  EXPECT_EQ(emulator.Word(64), memory[64]);
}

// A read that skips a step is ignored, as the firmware ignores it: the request fails, the
// reply already due stays due, and the read can still be finished properly.
TEST(ControllerEmulator, RefusesAReadThatSkipsAStep) {
  ControllerEmulator emulator;
  std::array<std::uint16_t, 128> words{};
  for (int slot = 0; slot < 128; ++slot)
    words[static_cast<std::size_t>(slot)] = static_cast<std::uint16_t>(slot);
  emulator.SetMemory(words);
  auto refused = [&](const Report& request, const std::string& why) {
    EXPECT_FALSE(emulator.HandleOutputReport(request)) << why;
    EXPECT_EQ(emulator.LastRejection(), why);
  };

  // No block before the start was answered ready.
  ASSERT_TRUE(emulator.HandleOutputReport(Request(0x10)));
  refused(Request(0x11, 0), "request before the start was answered ready");
  refused(Request(0x12), "request before the start was answered ready");
  ASSERT_TRUE(ParseStartReply(Fetch(emulator)).ready);

  // No new request while a reply waits; the waiting reply is still block 1's.
  ASSERT_TRUE(emulator.HandleOutputReport(Request(0x11, 1)));
  refused(Request(0x11, 2), "request while a reply is still to be fetched");
  refused(Request(0x12), "request while a reply is still to be fetched");
  Report reply = Fetch(emulator);
  EXPECT_EQ(reply[0], 32);  // slot 32, low byte first
  EXPECT_EQ(reply[62], 63);

  // No checksum until all four blocks were fetched; asking for one is not fetching it.
  for (const std::uint8_t b : {std::uint8_t{0}, std::uint8_t{2}}) {
    ASSERT_TRUE(emulator.HandleOutputReport(Request(0x11, b)));
    Fetch(emulator);
  }
  refused(Request(0x12), "read checksum request before all four blocks were fetched");
  ASSERT_TRUE(emulator.HandleOutputReport(Request(0x11, 3)));
  refused(Request(0x12), "request while a reply is still to be fetched");
  Fetch(emulator);
  ASSERT_TRUE(emulator.HandleOutputReport(Request(0x12)));
  reply = Fetch(emulator);
  EXPECT_EQ(reply[24], 0xC0);  // 0 + 1 + ... + 127 = 8128 = 0x1FC0
  EXPECT_EQ(reply[25], 0x1F);

  // The checksum ends the read: more needs a new start.
  refused(Request(0x11, 0), "read request outside a started read");
  refused(Request(0x12), "read request outside a started read");
  EXPECT_EQ(emulator.GetCounters().rejected, 8);
  // A new start drops even a reply still due and begins a read afresh.
  Start(emulator, 0x10);
  ASSERT_TRUE(emulator.HandleOutputReport(Request(0x11, 0)));
  Start(emulator, 0x10);
  refused(Request(0x12), "read checksum request before all four blocks were fetched");
  EXPECT_EQ(emulator.Memory(), words);
}

// A reader that leaves out a block or a fetch fails at the request it sends next, through the
// same transport the program uses; the complete sequence succeeds.
TEST(ControllerEmulator, AReadThatLeavesOutABlockOrAFetchFails) {
  auto emulator = std::make_shared<ControllerEmulator>();
  // Sends 0x10, polls once, then each listed block (fetched unless it is `unfetched`), then
  // the checksum; true when every report went through and the checksum reply came back.
  auto read = [&](std::vector<std::uint8_t> blocks, int unfetched) {
    auto transport = MakeEmulatorTransport(emulator);
    Report reply = PreparedReply();
    if (!transport->SendOutputReport(Request(0x10)) || !transport->GetInputReport(reply)) {
      return false;
    }
    for (std::uint8_t b : blocks) {
      if (!transport->SendOutputReport(Request(0x11, b))) return false;
      reply = PreparedReply();
      if (b != unfetched && !transport->GetInputReport(reply)) return false;
    }
    reply = PreparedReply();
    return transport->SendOutputReport(Request(0x12)) && transport->GetInputReport(reply);
  };
  EXPECT_FALSE(read({0, 1, 3}, -1));
  EXPECT_FALSE(read({0, 1, 2, 3}, 2));
  EXPECT_FALSE(read({0, 1, 2, 3}, 3));
  EXPECT_TRUE(read({0, 1, 2, 3}, -1));
  EXPECT_EQ(emulator->GetCounters().rejected, 3);
}

TEST(ControllerEmulator, ChecksumsComeFromTheKeyMapItHolds) {
  ControllerEmulator emulator;
  std::array<std::uint16_t, 128> ones;
  ones.fill(0x0101);
  emulator.SetMemory(ones);
  // Read: 256 bytes of 1 sum to 256.
  ReadAllBlocks(emulator);
  ASSERT_TRUE(emulator.HandleOutputReport(Request(0x12)));
  Report checksum = Fetch(emulator);
  EXPECT_EQ(checksum[24], 0x00);
  EXPECT_EQ(checksum[25], 0x01);
  // Write: a block sent twice counts once, with its last data.
  Start(emulator, 0x20);
  ASSERT_TRUE(emulator.HandleOutputReport(WriteBlock(0, 0xFFFF)));
  for (std::uint8_t b = 0; b < 8; ++b)
    ASSERT_TRUE(emulator.HandleOutputReport(WriteBlock(b, 0x0102)));
  ASSERT_TRUE(emulator.HandleOutputReport(Request(0x22)));
  checksum = Fetch(emulator);
  EXPECT_EQ(checksum[24], 192);  // 64 slots of 1 + 2
  EXPECT_EQ(checksum[25], 0);

  // The high-byte fault leaves the low byte right.
  ControllerEmulator::Faults faults;
  faults.corruptChecksumHighByte = true;
  emulator.SetFaults(faults);
  emulator.SetMemory(ones);
  ReadAllBlocks(emulator);
  ASSERT_TRUE(emulator.HandleOutputReport(Request(0x12)));
  checksum = Fetch(emulator);
  EXPECT_EQ(checksum[24], 0x00);
  EXPECT_EQ(checksum[25], 0xFE);
}

TEST(ControllerEmulator, ProgramExchangesFailOnAChecksumWithAWrongHighByte) {
  ExchangeRig rig;
  ControllerEmulator::Faults faults;
  faults.corruptChecksumHighByte = true;
  rig.emulator->SetFaults(faults);
  const auto before = RecordCodes(rig.device.config);
  EXPECT_FALSE(rig.Read());
  EXPECT_EQ(RecordCodes(rig.device.config), before);
  EXPECT_FALSE(rig.Write());
  EXPECT_EQ(rig.emulator->GetCounters().commits, 0);
  EXPECT_EQ(rig.emulator->GetCounters().rejected, 0);
}

TEST(ControllerEmulator, StatePersistsAcrossInstances) {
  TempDir dir;
  const std::string path = dir.File("state.bin");
  ControllerEmulator first;
  first.SetWord(5, 0x4242);
  first.SetWord(127, 0x0102);
  first.SetVersion({9, 8, 7, 6});
  std::string error;
  ASSERT_TRUE(first.SaveState(path, &error)) << error;

  ControllerEmulator second;
  ASSERT_TRUE(second.LoadState(path, &error)) << error;
  EXPECT_EQ(second.Memory(), first.Memory());
  EXPECT_TRUE(second.HandleOutputReport(BuildRequest(0x10)));
  EXPECT_EQ(ParseStartReply(Fetch(second)).version, (VersionBytes{9, 8, 7, 6}));
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp." + std::to_string(getpid())));
}

TEST(ControllerEmulator, DamagedShortOrMissingStateIsRefused) {
  TempDir dir;
  const std::string path = dir.File("state.bin");
  ControllerEmulator saved;
  std::string error;
  ASSERT_TRUE(saved.SaveState(path, &error));
  const std::vector<char> good = ReadBytes(path);

  ControllerEmulator target;
  target.SetWord(0, 0x1111);
  const auto before = target.Memory();
  auto expectRefused = [&](const std::vector<char>& bytes) {
    WriteBytes(path, bytes);
    error.clear();
    EXPECT_FALSE(target.LoadState(path, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(target.Memory(), before);
  };
  std::vector<char> flipped = good;
  flipped[100] ^= 0x01;
  expectRefused(flipped);
  expectRefused(std::vector<char>(good.begin(), good.begin() + 100));
  expectRefused({});
  std::vector<char> longer = good;
  longer.push_back(0);
  expectRefused(longer);
  std::vector<char> wrongMagic = good;
  wrongMagic[0] = 'X';
  expectRefused(wrongMagic);

  WriteBytes(path, std::vector<char>(4096, 'P'));
  EXPECT_FALSE(target.LoadState(path, &error));
  EXPECT_NE(error.find("has 4096 bytes, expected 272"), std::string::npos) << error;

  error.clear();
  EXPECT_FALSE(target.LoadState(dir.File("missing.bin"), &error));
  EXPECT_NE(error.find("missing.bin"), std::string::npos);
  EXPECT_FALSE(target.SaveState(dir.File("no/such/dir/state.bin"), &error));
}

TEST(ControllerEmulator, CommittedWriteIsSavedWhenPersistent) {
  TempDir dir;
  const std::string path = dir.File("live.bin");
  ControllerEmulator emulator;
  emulator.SetPersistencePath(path);
  Start(emulator, 0x20);
  ASSERT_TRUE(emulator.HandleOutputReport(WriteBlock(1, 0xAAAA)));
  EXPECT_FALSE(std::filesystem::exists(path));
  WriteAll(emulator, 0xAAAA);

  ControllerEmulator reloaded;
  std::string error;
  ASSERT_TRUE(reloaded.LoadState(path, &error)) << error;
  EXPECT_EQ(reloaded.Word(8), 0xAAAA);
  EXPECT_EQ(reloaded.Word(64), 0);
}

TEST(ControllerEmulator, AWriteTheStateFileDoesNotTakeFailsAndChangesNothing) {
  TempDir dir;
  std::filesystem::create_directory(dir.File("folder"));
  ExchangeRig rig;
  rig.device.config.SetCode(33, 2);
  const auto before = rig.emulator->Memory();
  for (const char* unusable : {"missing/state.bin", "folder"}) {
    rig.emulator->SetPersistencePath(dir.File(unusable));
    EXPECT_FALSE(rig.Write()) << unusable;
    EXPECT_EQ(rig.emulator->Memory(), before) << unusable;
    EXPECT_EQ(rig.emulator->GetCounters().commits, 0) << unusable;
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder")));
  rig.emulator->SetPersistencePath(dir.File("state.bin"));
  EXPECT_TRUE(rig.Write());
  EXPECT_EQ(rig.emulator->Word(33), 2);
}

TEST(ControllerEmulator, ConcurrentExchangesKeepCountersConsistent) {
  ControllerEmulator emulator;
  auto worker = [&] {
    for (int i = 0; i < 500; ++i) {
      emulator.HandleOutputReport(BuildRequest(0x11, static_cast<std::uint8_t>(i % 4)));
      Report reply = PreparedReply();
      emulator.HandleInputReport(reply);
    }
  };
  std::thread a(worker), b(worker);
  a.join();
  b.join();
  const auto counters = emulator.GetCounters();
  EXPECT_EQ(counters.sends, 1000);
  EXPECT_EQ(counters.fetches, 1000);
  EXPECT_EQ(counters.sendsByCommand[0x11], 1000);
}
