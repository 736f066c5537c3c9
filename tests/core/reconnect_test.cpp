#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "config/controller_device.h"
#include "emulator/emulated_plug.h"
#include "tests/core/exchange_rig.h"

namespace {

// A controller object whose searches go through an emulated plug and are counted.
struct PluggedDevice {
  std::shared_ptr<ControllerEmulator> emulator = std::make_shared<ControllerEmulator>();
  std::shared_ptr<EmulatedPlug> plug = EmulatedPlug::Create(emulator);
  ControllerDevice device;
  int searches = 0;

  PluggedDevice() {
    SetControllerOpener([this] {
      ++searches;
      return plug->Open();
    });
    device.pause = [](int) {};
  }
  ~PluggedDevice() { SetControllerOpener(nullptr); }
  bool Read() { return device.ReadSettings(device.handle.get()); }
  bool Write() { return device.WriteSettings(device.handle.get()); }
};

TEST(Reconnect, AnExchangeThatFindsTheNodeGoneIsRepeatedOnceOnTheNewOne) {
  PluggedDevice rig;
  TraceCapture trace;
  ASSERT_TRUE(rig.device.OpenController());
  ASSERT_TRUE(rig.Read());
  rig.plug->UnplugAfterExchanges(0, true);
  rig.device.config.SetCode(slots::kA, 0x09);
  ASSERT_TRUE(rig.Write());
  EXPECT_EQ(rig.searches, 2);
  EXPECT_EQ(rig.emulator->GetCounters().commits, 1);
  EXPECT_EQ(rig.emulator->Word(slots::kA), 0x09);
  EXPECT_NE(std::find(trace.lines.begin(), trace.lines.end(),
                      L"Reconnect: the controller is back at emulated node 2"),
            trace.lines.end());

  // Replugged between two reads: the read is repeated whole and the record is complete.
  rig.emulator->SetWord(127, 0x7F7F);
  rig.plug->Replug();
  ASSERT_TRUE(rig.Read());
  EXPECT_EQ(rig.device.config.Code(127), 0x7F7F);
  EXPECT_EQ(rig.searches, 3);
}

TEST(Reconnect, OtherFailuresAndAControllerThatStaysAwayAreNotRetried) {
  PluggedDevice rig;
  ASSERT_TRUE(rig.device.OpenController());
  ASSERT_TRUE(rig.Read());

  // The device refusing a request is no reason to look for it again.
  ControllerEmulator::Faults faults;
  faults.failSendNumber = 3;
  rig.emulator->SetFaults(faults);
  rig.emulator->ResetCounters();
  EXPECT_FALSE(rig.Write());
  EXPECT_EQ(rig.searches, 1);
  EXPECT_EQ(rig.emulator->GetCounters().sends, 3);
  rig.emulator->SetFaults({});

  // Unplugged for good: one search, false, and the record and the controller as they were.
  const auto record = RecordCodes(rig.device.config);
  rig.plug->Unplug();
  EXPECT_FALSE(rig.Read());
  EXPECT_FALSE(rig.Write());
  EXPECT_EQ(rig.searches, 3);
  auto expected = record;
  expected[slots::kFirstRearFixed] = expected[slots::kSecondRearFixed] = 300;
  EXPECT_EQ(RecordCodes(rig.device.config), expected);
  EXPECT_EQ(rig.emulator->GetCounters().commits, 0);
  EXPECT_NE(rig.device.handle, nullptr);

  // Plugged back in later: the next exchange finds it.
  rig.plug->Plug();
  EXPECT_TRUE(rig.Write());
  EXPECT_EQ(rig.emulator->GetCounters().commits, 1);
}

}  // namespace
