// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <vector>
#include <memory>
#include <string>

#include "device/controller_device.h"
#include "link/debug_trace.h"
#include "device/hidraw/hidraw_controller.h"
#include "emulator/umockdev/emulator_report_handlers.h"
#include "emulator/umockdev/hidraw_testbed.h"
#include "sysinfo/lock_table.h"
#include "sysinfo/standard_descriptors.h"

namespace {

// The settings exchanges over the real hidraw path: kernel ioctls, answered by an emulated
// controller behind umockdev.
class HidrawRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    std::array<std::uint16_t, slots::kCount> memory{};
    for (std::size_t slot = 0; slot < memory.size(); ++slot) {
      memory[slot] = static_cast<std::uint16_t>(0x1000 + 3 * slot);
    }
    emulator_->SetMemory(memory);
    emulator_->SetVersion({0x01, 0x0C, 0x00, 0x09});
    std::string error;
    ASSERT_TRUE(testbed_.Add({1, 0x046D, 0xC52B, HidrawNodeKind::kServed, {}}, &error)) << error;
    // Every report first tells onReport_ (on umockdev's thread), then reaches the emulator.
    const ReportHandlers served = ServeEmulator(emulator_);
    const ReportHandlers watched{[this, served](const Report& report) {
                                   Watch();
                                   return served.output(report);
                                 },
                                 [this, served](Report& report) {
                                   Watch();
                                   return served.input(report);
                                 }};
    ASSERT_TRUE(testbed_.Add(
        {4, kControllerVendorId, kControllerProductId, HidrawNodeKind::kServed, watched}, &error))
        << error;
    device_.pause = [](int) {};
    ASSERT_TRUE(device_.OpenController());
  }

  void Watch() {
    const std::lock_guard<std::mutex> hold(watchMutex_);
    if (onReport_) onReport_();
  }

  std::mutex watchMutex_;
  std::function<void()> onReport_;
  HidrawTestbed testbed_;
  std::shared_ptr<ControllerEmulator> emulator_ = std::make_shared<ControllerEmulator>();
  ControllerDevice device_{DeviceLink{OpenHidrawController, {}}};
};

TEST_F(HidrawRoundTrip, ReadThenWriteMovesTheKeyMapBothWays) {
  ASSERT_TRUE(device_.ReadSettings(device_.handle.get()));
  const auto memory = emulator_->Memory();
  for (int slot = 0; slot < slots::kCount; ++slot) {
    ASSERT_EQ(device_.config.Code(slot), memory[static_cast<std::size_t>(slot)]) << "slot " << slot;
  }
  EXPECT_EQ(device_.versionPartX, L"X1C");
  EXPECT_EQ(device_.versionPartK, L"K009");

  for (int slot = 0; slot < slots::kWritten; ++slot) {
    device_.config.SetCode(slot, static_cast<std::uint16_t>(0xA000 + slot));
  }
  ASSERT_TRUE(device_.WriteSettings(device_.handle.get()));
  const auto written = emulator_->Memory();
  for (int slot = 0; slot < slots::kCount; ++slot) {
    std::uint16_t expected = static_cast<std::uint16_t>(0xA000 + slot);
    if (slot == slots::kFirstRearFixed || slot == slots::kSecondRearFixed) {
      expected = slots::kFixedDelayValue;
    }
    const auto index = static_cast<std::size_t>(slot);
    if (slot >= slots::kWritten) expected = memory[index];
    ASSERT_EQ(written[index], expected) << "slot " << slot;
  }
  EXPECT_EQ(emulator_->GetCounters().commits, 1);
}

// Whether this process holds an flock on one of its open testbed nodes. umockdev backs every
// open of a node with a pseudo-terminal of its own, so the lock shows on that descriptor only.
bool NodeLocked() {
  DIR* folder = ::opendir("/proc/self/fd");
  if (folder == nullptr) return false;
  bool locked = false;
  while (const dirent* entry = ::readdir(folder)) {
    const std::string link = std::string("/proc/self/fd/") + entry->d_name;
    char target[512];
    const ssize_t length = ::readlink(link.c_str(), target, sizeof target);
    struct stat node {};
    if (length > 0 &&
        std::string(target, static_cast<std::size_t>(length)).rfind("/dev/pts/", 0) == 0 &&
        ::stat(link.c_str(), &node) == 0 && FlockHeldOn(node)) {
      locked = true;
    }
  }
  ::closedir(folder);
  return locked;
}

TEST_F(HidrawRoundTrip, TheExchangeLockIsOnTheNodeFromTheFirstReportToTheLast) {
  std::vector<bool> lockedAtReport;
  {
    const std::lock_guard<std::mutex> hold(watchMutex_);
    onReport_ = [&lockedAtReport] { lockedAtReport.push_back(NodeLocked()); };
  }
  EXPECT_FALSE(NodeLocked());
  ASSERT_TRUE(device_.ReadSettings(device_.handle.get()));
  EXPECT_FALSE(NodeLocked());
  ASSERT_TRUE(device_.WriteSettings(device_.handle.get()));
  EXPECT_FALSE(NodeLocked());
  const std::lock_guard<std::mutex> hold(watchMutex_);
  onReport_ = nullptr;
  const auto counters = emulator_->GetCounters();
  EXPECT_EQ(lockedAtReport.size(), static_cast<std::size_t>(counters.sends + counters.fetches));
  EXPECT_EQ(std::count(lockedAtReport.begin(), lockedAtReport.end(), false), 0);
}

TEST_F(HidrawRoundTrip, WithStandardDescriptorsClosedTheNodeIsNeverOneOfThem) {
  // A program started with 0, 1 and 2 closed: its first step fills them, so the node it opens
  // next gets another number and its messages go to /dev/null, not to the controller.
  std::array<int, 3> saved{};
  for (int fd = 0; fd < 3; ++fd) saved[static_cast<std::size_t>(fd)] = ::dup(fd);
  for (int fd = 0; fd < 3; ++fd) ::close(fd);
  const bool filled = OpenStandardDescriptors();
  emulator_->ResetCounters();
  ControllerDevice late{DeviceLink{OpenHidrawController, {}}};
  late.pause = [](int) {};
  const bool read = late.OpenController() && late.ReadSettings(late.handle.get());
  const bool wrote = ::write(1, "data\n", 5) == 5 && ::write(2, "message\n", 8) == 8;
  std::array<std::string, 3> targets;
  for (int fd = 0; fd < 3; ++fd) {
    targets[static_cast<std::size_t>(fd)] =
        std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd)).string();
  }
  const ControllerEmulator::Counters closedRun = emulator_->GetCounters();
  for (int fd = 0; fd < 3; ++fd) {
    ::dup2(saved[static_cast<std::size_t>(fd)], fd);
    ::close(saved[static_cast<std::size_t>(fd)]);
  }
  EXPECT_TRUE(filled);
  EXPECT_TRUE(read);
  EXPECT_TRUE(wrote);
  EXPECT_EQ(targets, (std::array<std::string, 3>{"/dev/null", "/dev/null", "/dev/null"}));
  // Exactly the reports of one read: nothing else reached the controller.
  emulator_->ResetCounters();
  ASSERT_TRUE(device_.ReadSettings(device_.handle.get()));
  EXPECT_EQ(closedRun.sends, emulator_->GetCounters().sends);
  EXPECT_EQ(closedRun.fetches, emulator_->GetCounters().fetches);
  EXPECT_EQ(closedRun.rejected, 0);
}

TEST_F(HidrawRoundTrip, DeviceFailuresEndTheExchangesWithFalse) {
  ControllerEmulator::Faults faults;
  faults.wrongWriteChecksum = true;
  emulator_->SetFaults(faults);
  EXPECT_FALSE(device_.WriteSettings(device_.handle.get()));
  EXPECT_EQ(emulator_->GetCounters().commits, 0);

  // Unplugged after three reports: the ioctl fails in the kernel's way and the read stops.
  faults = {};
  faults.unplugAfterReports = 3;
  emulator_->SetFaults(faults);
  emulator_->ResetCounters();
  EXPECT_FALSE(device_.ReadSettings(device_.handle.get()));
  EXPECT_LE(emulator_->GetCounters().sends + emulator_->GetCounters().fetches, 4);
}

TEST_F(HidrawRoundTrip, ExchangesFollowTheControllerToItsNewNode) {
  ASSERT_TRUE(device_.WriteSettings(device_.handle.get()));
  EXPECT_EQ(emulator_->GetCounters().commits, 1);

  // Suspend and resume: the interface comes back under another number; the old
  // descriptor now fails every request.
  auto resumed = std::make_shared<ControllerEmulator>();
  std::string error;
  ASSERT_TRUE(testbed_.Remove(4, &error)) << error;
  ASSERT_TRUE(testbed_.Add({7, kControllerVendorId, kControllerProductId, HidrawNodeKind::kServed,
                            ServeEmulator(resumed)},
                           &error))
      << error;
  device_.config.SetCode(slots::kA, 0x09);
  ReportTransport* const before = device_.handle.get();
  std::vector<std::wstring> trace;
  device_.trace = [&trace](const std::wstring& line) { trace.push_back(line); };
  ASSERT_TRUE(device_.WriteSettings(device_.handle.get()));
  device_.trace = nullptr;
  EXPECT_NE(
      std::find(trace.begin(), trace.end(), L"Reconnect: the controller is back at /dev/hidraw7"),
      trace.end());
  EXPECT_NE(device_.handle.get(), before);
  EXPECT_EQ(resumed->GetCounters().commits, 1);
  EXPECT_EQ(resumed->Word(slots::kA), 0x09);
  EXPECT_EQ(emulator_->GetCounters().commits, 1);

  // Reads follow it too, after one more move.
  auto again = std::make_shared<ControllerEmulator>();
  again->SetWord(100, 0xBEEF);
  ASSERT_TRUE(testbed_.Remove(7, &error)) << error;
  ASSERT_TRUE(testbed_.Add(
      {9, kControllerVendorId, kControllerProductId, HidrawNodeKind::kServed, ServeEmulator(again)},
      &error))
      << error;
  ASSERT_TRUE(device_.ReadSettings(device_.handle.get()));
  EXPECT_EQ(device_.config.Code(100), 0xBEEF);
}

TEST_F(HidrawRoundTrip, WithTheControllerGoneForGoodNothingChanges) {
  ASSERT_TRUE(device_.ReadSettings(device_.handle.get()));
  const ControllerConfig before = device_.config;
  const std::wstring version = device_.versionPartX + device_.versionPartK;
  std::string error;
  ASSERT_TRUE(testbed_.Remove(4, &error)) << error;
  device_.config.SetCode(slots::kA, 0x09);
  EXPECT_FALSE(device_.WriteSettings(device_.handle.get()));
  EXPECT_FALSE(device_.ReadSettings(device_.handle.get()));
  EXPECT_EQ(device_.config.Code(slots::kA), 0x09);
  for (int slot = slots::kWritten; slot < slots::kCount; ++slot) {
    ASSERT_EQ(device_.config.Code(slot), before.Code(slot)) << "slot " << slot;
  }
  EXPECT_EQ(device_.versionPartX + device_.versionPartK, version);
  EXPECT_EQ(emulator_->GetCounters().commits, 0);

  // Once it is back, the next exchange finds it.
  ASSERT_TRUE(testbed_.Add({5, kControllerVendorId, kControllerProductId, HidrawNodeKind::kServed,
                            ServeEmulator(emulator_)},
                           &error))
      << error;
  EXPECT_TRUE(device_.WriteSettings(device_.handle.get()));
  EXPECT_EQ(emulator_->Word(slots::kA), 0x09);
}

}  // namespace
