// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/controller_device.h"

#include "device/precise_pause.h"

ControllerDevice::ControllerDevice(const DeviceLink& link)
    : pause(SleepMilliseconds), opener(link.openController), trace(link.trace) {
  config.LoadDefaults();
}
