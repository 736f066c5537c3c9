// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "link/report_transport.h"

// What a search for the controller found: the open controller, or nothing and, when a
// matching node exists that the user may not open, that node's path.
struct ControllerSearch {
  std::unique_ptr<ReportTransport> transport;
  std::string deniedNode;  // set only when nothing was opened
  // With deniedNode: the node is not merely closed to users for want of our udev rule;
  // another program has hidden it from them (no permissions at all, an access list that
  // shuts the user out, or the node taken out of /dev).
  bool deniedNodeTaken = false;
  // For the trace: which interface was taken and why each one before it was passed over.
  std::vector<std::string> notes;

  ControllerSearch() = default;
  // A search that only ever finds or misses (the emulator, tests) returns the transport.
  ControllerSearch(std::unique_ptr<ReportTransport> found) : transport(std::move(found)) {}
};

// How the controller is found. An empty opener stands for the search among the system's
// hidraw nodes; the demo, padctl's --emulator and the tests put the emulator there.
using ControllerOpener = std::function<ControllerSearch()>;
