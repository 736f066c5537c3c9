// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "emulator/controller_emulator.h"
#include "emulator/umockdev/hidraw_testbed.h"

// Serves a testbed interface's reports from an emulated controller.
inline ReportHandlers ServeEmulator(std::shared_ptr<ControllerEmulator> emulator) {
  return ReportHandlers{
      [emulator](const Report& report) { return emulator->HandleOutputReport(report); },
      [emulator](Report& report) { return emulator->HandleInputReport(report); },
  };
}
