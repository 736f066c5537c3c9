#pragma once

#include <functional>
#include <memory>
#include <string>

#include "config/controller_config.h"
#include "device/report_transport.h"

// The one process-wide controller object: the open device, the settings record and the
// firmware version texts. The exchanges with the controller are member functions whose
// bodies live with the device link (device/), so the record itself stays free of I/O.
class ControllerDevice {
 public:
  // The open controller, or null. Set once by OpenController and then kept.
  std::unique_ptr<ReportTransport> handle;
  ControllerConfig config;
  std::wstring versionPartX;
  std::wstring versionPartK;

  // Pause between reports, in milliseconds. Real sleep unless a test replaces it.
  std::function<void(int)> pause;

  ControllerDevice();

  // Finds and opens the controller through the installed opener (hidraw by default).
  bool OpenController();
  // Reads all 128 slots and the version texts; all or nothing (see device/settings_exchange).
  bool ReadSettings(ReportTransport* deviceHandle);
  // Writes slots 0..63 with the write handshake.
  bool WriteSettings(ReportTransport* deviceHandle);
};

// The shared instance: created (zeroed, then defaults) on first use, never destroyed.
ControllerDevice& TheControllerDevice();

// How OpenController finds the controller. The default walks the system's hidraw nodes;
// the demo and the tests install the emulator instead.
using ControllerOpener = std::function<std::unique_ptr<ReportTransport>()>;
void SetControllerOpener(ControllerOpener opener);
