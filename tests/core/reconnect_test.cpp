// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "device/controller_device.h"
#include "emulator/emulated_plug.h"
#include "tests/core/exchange_rig.h"

namespace {

// Only a node that went away is looked for again; a device that refuses a request is not.
TEST(Reconnect, OnlyAGoneNodeIsLookedForAgain) {
  auto emulator = std::make_shared<ControllerEmulator>();
  auto plug = EmulatedPlug::Create(emulator);
  int searches = 0;
  TraceCapture trace;
  DeviceLink context;
  context.openController = [&] {
    ++searches;
    return plug->Open();
  };
  context.trace = trace.Sink();
  ControllerDevice device(context);
  device.pause = [](int) {};
  ASSERT_TRUE(device.OpenController());

  ControllerEmulator::Faults faults;
  faults.failSendNumber = 3;
  emulator->SetFaults(faults);
  EXPECT_FALSE(device.WriteSettings(device.handle.get()));
  EXPECT_EQ(searches, 1);
  EXPECT_EQ(emulator->GetCounters().sends, 3);  // and no report after the refused one
  emulator->SetFaults({});

  plug->UnplugAfterExchanges(0, true);
  device.config.SetCode(slots::kA, 0x09);
  ASSERT_TRUE(device.WriteSettings(device.handle.get()));
  EXPECT_EQ(searches, 2);
  EXPECT_EQ(emulator->GetCounters().commits, 1);
  EXPECT_EQ(emulator->Word(slots::kA), 0x09);
  EXPECT_NE(std::find(trace.lines.begin(), trace.lines.end(),
                      L"Reconnect: the controller is back at emulated node 2"),
            trace.lines.end());
}

}  // namespace
