#include <mutex>
#include <string>
#include <utility>

#include "device/controller_device.h"
#include "device/debug_trace.h"
#include "device/hidraw/hidraw_controller.h"

namespace {

std::mutex& OpenerMutex() {
  static std::mutex mutex;
  return mutex;
}

ControllerOpener& InstalledOpener() {
  // Never destroyed, like the controller object that uses it.
  static ControllerOpener* const opener = new ControllerOpener(OpenHidrawController);
  return *opener;
}

ControllerSearch Search() {
  ControllerOpener opener;
  {
    std::lock_guard lock(OpenerMutex());
    opener = InstalledOpener();
  }
  ControllerSearch search = opener();
  if (!search.transport && !search.deniedNode.empty()) {
    DebugTrace(L"OpenController: no permission to open %s", search.deniedNode.c_str());
  }
  return search;
}

}  // namespace

void SetControllerOpener(ControllerOpener opener) {
  std::lock_guard lock(OpenerMutex());
  InstalledOpener() = opener ? std::move(opener) : ControllerOpener(OpenHidrawController);
}

bool ControllerDevice::OpenController() {
  ControllerSearch search = Search();
  handle = std::move(search.transport);
  deniedNode = handle ? std::string() : std::move(search.deniedNode);
  return handle != nullptr;
}

bool ControllerDevice::Reconnect() {
  ControllerSearch search = Search();
  if (!search.transport) {
    DebugTrace(L"Reconnect: the controller is gone");
    return false;
  }
  handle = std::move(search.transport);
  const std::string where = handle->Location();
  DebugTrace(L"Reconnect: the controller is back at %s",
             where.empty() ? "a new node" : where.c_str());
  return true;
}
