#include <mutex>
#include <utility>

#include "config/controller_device.h"
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

}  // namespace

void SetControllerOpener(ControllerOpener opener) {
  std::lock_guard lock(OpenerMutex());
  InstalledOpener() = opener ? std::move(opener) : ControllerOpener(OpenHidrawController);
}

bool ControllerDevice::OpenController() {
  ControllerOpener opener;
  {
    std::lock_guard lock(OpenerMutex());
    opener = InstalledOpener();
  }
  handle = opener();
  return handle != nullptr;
}
