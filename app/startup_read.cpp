// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup_read.h"

#include "device/controller_device.h"

bool OpenAndReadController(ControllerDevice& device) {
  return device.OpenController() && device.ReadSettings(device.handle.get());
}

// The worker writes `succeeded_` before it ends and the join orders that write before any
// read of it, so the flag needs no lock of its own.
StartupRead::StartupRead(ControllerDevice& device)
    : worker_([this, &device] { succeeded_ = OpenAndReadController(device); }) {}

StartupRead::~StartupRead() {
  if (worker_.joinable()) worker_.join();
}

bool StartupRead::Result() {
  if (worker_.joinable()) worker_.join();
  return succeeded_;
}
