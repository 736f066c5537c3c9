// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "config/controller_config.h"
#include "link/device_link.h"
#include "device/exchange_lock.h"

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
  // With deniedNode: another program hid that node from users (see ControllerSearch).
  bool deniedNodeTaken = false;

  // Pause between reports, in milliseconds. Real sleep unless a test replaces it.
  std::function<void(int)> pause;

  // How long an exchange waits while another program of ours holds the controller.
  std::chrono::milliseconds lockWait = kExchangeLockWait;
  // True when the last exchange or hold failed because another program held the controller
  // for all of `lockWait`.
  bool busy = false;

  // How the controller is found and where the exchanges trace, as the entry program chose.
  ControllerOpener opener;
  TraceSink trace;

  // Zeroed, then the defaults. Without an opener no controller is ever found.
  explicit ControllerDevice(const DeviceLink& link = DeviceLink());

  // Finds and opens the controller through `opener`.
  bool OpenController();
  // Reads all 128 slots and the version texts; all or nothing (see device/settings_exchange).
  // When the controller's node has gone away (suspend, reset, replug), the search runs once
  // more and the whole exchange is repeated once on the node it finds.
  bool ReadSettings(ReportTransport* deviceHandle);
  // Writes slots 0..63 with the write handshake; reconnects like ReadSettings.
  bool WriteSettings(ReportTransport* deviceHandle);

  // Every exchange takes the controller's exchange lock for its own length. Between these two
  // calls the lock stays held across all exchanges, so that a read, a change and the write
  // of it cannot be split by another program's write. kBusy, kFailed or no open controller:
  // nothing is held and ReleaseExchanges must not be called.
  ExchangeLockAttempt HoldExchanges();
  void ReleaseExchanges();

 private:
  using Exchange = bool (*)(ControllerDevice&, ReportTransport&);
  // Runs the exchange; when it failed because the node went away, reconnects and runs it
  // once more.
  bool ExchangeOnceMore(ReportTransport* deviceHandle, Exchange exchange);
  // Runs the exchange inside the exchange lock; false without running it when the lock
  // cannot be had.
  bool LockedExchange(ReportTransport& device, Exchange exchange);
  // Takes the lock on `device`, saying in the trace why not when it cannot.
  bool TakeLock(ReportTransport& device);
  // Searches again after the node went away. True with `handle` replaced when the
  // controller is back; otherwise everything stays as it was.
  bool Reconnect();

  int holds_ = 0;
};
