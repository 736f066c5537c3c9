// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <utility>

#include "device/controller_device.h"
#include "link/debug_trace.h"

namespace {

ControllerSearch Search(const ControllerDevice& device) {
  ControllerSearch search = device.opener ? device.opener() : ControllerSearch();
  for (const std::string& note : search.notes) {
    DebugTrace(device.trace, L"OpenController: %s", note.c_str());
  }
  if (search.transport || search.deniedNode.empty()) return search;
  if (search.deniedNodeTaken) {
    DebugTrace(device.trace, L"OpenController: another program hid %s from users",
               search.deniedNode.c_str());
  } else {
    DebugTrace(device.trace, L"OpenController: no permission to open %s",
               search.deniedNode.c_str());
  }
  return search;
}

}  // namespace

bool ControllerDevice::OpenController() {
  ControllerSearch search = Search(*this);
  handle = std::move(search.transport);
  deniedNode = handle ? std::string() : std::move(search.deniedNode);
  deniedNodeTaken = !deniedNode.empty() && search.deniedNodeTaken;
  return handle != nullptr;
}

bool ControllerDevice::Reconnect() {
  ControllerSearch search = Search(*this);
  if (!search.transport) {
    DebugTrace(trace, L"Reconnect: the controller is gone");
    return false;
  }
  handle = std::move(search.transport);
  const std::string where = handle->Location();
  DebugTrace(trace, L"Reconnect: the controller is back at %s",
             where.empty() ? "a new node" : where.c_str());
  return true;
}
