// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/controller_device.h"

#include "device/precise_pause.h"

ControllerDevice::ControllerDevice(const ProgramContext& context)
    : pause(SleepMilliseconds), opener(context.openController), trace(context.trace) {
  config.LoadDefaults();
}
