#pragma once

#include <functional>
#include <memory>
#include <string>

#include "config/controller_config.h"
#include "context/program_context.h"
#include "device/controller_search.h"
#include "device/debug_trace.h"

// The controller object: the open device, the settings record and the firmware version
// texts. A window or a padctl run makes one and keeps it as long as it runs. The record itself
// (config/) stays free of I/O; the exchanges are member functions here.
class ControllerDevice {
 public:
  // The open controller, or null. Set once by OpenController and then kept.
  std::unique_ptr<ReportTransport> handle;
  ControllerConfig config;
  std::wstring versionPartX;
  std::wstring versionPartK;

  // The controller node the last search found but was not allowed to open; empty otherwise.
  std::string deniedNode;

  // Pause between reports, in milliseconds. Real sleep unless a test replaces it.
  std::function<void(int)> pause;

  // How the controller is found and where the exchanges trace, as the program's context says.
  ControllerOpener opener;
  TraceSink trace;

  // Zeroed, then the defaults. A default context finds the real controller.
  explicit ControllerDevice(const ProgramContext& context = ProgramContext());

  // Finds and opens the controller through `opener`.
  bool OpenController();
  // Reads all 128 slots and the version texts; all or nothing (see device/settings_exchange).
  // When the controller's node has gone away (suspend, reset, replug), the search runs once
  // more and the whole exchange is repeated once on the node it finds.
  bool ReadSettings(ReportTransport* deviceHandle);
  // Writes slots 0..63 with the write handshake; reconnects like ReadSettings.
  bool WriteSettings(ReportTransport* deviceHandle);

 private:
  using Exchange = bool (*)(ControllerDevice&, ReportTransport&);
  // Runs the exchange; when it failed because the node went away, reconnects and runs it
  // once more.
  bool ExchangeOnceMore(ReportTransport* deviceHandle, Exchange exchange);
  // Searches again after the node went away. True with `handle` replaced when the
  // controller is back; otherwise everything stays as it was.
  bool Reconnect();
};
