#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "device/report_protocol.h"
#include "emulator/controller_emulator.h"

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

TEST(ControllerEmulator, MalformedRequestGetsNotReadyReply) {
  ControllerEmulator emulator;
  Report bad = BuildRequest(0x10);
  bad[4] = 0x00;
  EXPECT_TRUE(emulator.HandleOutputReport(bad));
  EXPECT_FALSE(ParseStartReply(Fetch(emulator)).ready);
  bad = BuildRequest(0x10);
  bad[1] = 0x00;
  EXPECT_TRUE(emulator.HandleOutputReport(bad));
  EXPECT_FALSE(ParseStartReply(Fetch(emulator)).ready);
  EXPECT_TRUE(emulator.HandleOutputReport(BuildRequest(0x10)));
  EXPECT_TRUE(ParseStartReply(Fetch(emulator)).ready);
}

TEST(ControllerEmulator, BlockReplyIsLittleEndianMemory) {
  ControllerEmulator emulator;
  emulator.SetWord(32, 0x1234);
  emulator.SetWord(63, 0xABCD);
  EXPECT_TRUE(emulator.HandleOutputReport(BuildRequest(0x11, 1)));
  const Report reply = Fetch(emulator);
  EXPECT_EQ(reply[0], 0x34);
  EXPECT_EQ(reply[1], 0x12);
  EXPECT_EQ(reply[62], 0xCD);
  EXPECT_EQ(reply[63], 0xAB);
}

TEST(ControllerEmulator, TornWriteNeverReachesMemory) {
  ControllerEmulator emulator;
  EXPECT_TRUE(emulator.HandleOutputReport(BuildRequest(0x20)));
  EXPECT_TRUE(ParseStartReply(Fetch(emulator)).ready);
  EXPECT_TRUE(emulator.HandleOutputReport(BuildWriteBlockRequest(0, {1, 2, 3, 4, 5, 6, 7, 8})));
  EXPECT_TRUE(emulator.HandleOutputReport(BuildRequest(0x22)));
  EXPECT_EQ(ReplyChecksum(Fetch(emulator)), 36);
  EXPECT_EQ(emulator.Word(0), 0xE8);
  // A new write start drops the unfinished one; an end command now commits nothing from it.
  EXPECT_TRUE(emulator.HandleOutputReport(BuildRequest(0x20)));
  EXPECT_TRUE(emulator.HandleOutputReport(BuildRequest(0x23)));
  EXPECT_EQ(emulator.Word(0), 0xE8);
  // An end command without a write start is ignored.
  EXPECT_TRUE(emulator.HandleOutputReport(BuildRequest(0x23)));
  EXPECT_EQ(emulator.GetCounters().commits, 1);
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
  EXPECT_TRUE(emulator.HandleOutputReport(BuildRequest(0x20)));
  EXPECT_TRUE(emulator.HandleOutputReport(BuildWriteBlockRequest(1, {0xAAAA})));
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(emulator.HandleOutputReport(BuildRequest(0x23)));

  ControllerEmulator reloaded;
  std::string error;
  ASSERT_TRUE(reloaded.LoadState(path, &error)) << error;
  EXPECT_EQ(reloaded.Word(8), 0xAAAA);
  EXPECT_EQ(reloaded.Word(9), 0);
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
