#include "device/controller_device.h"

#include "device/precise_pause.h"

ControllerDevice::ControllerDevice() : pause(SleepMilliseconds) {
  config.LoadDefaults();
}

ControllerDevice& TheControllerDevice() {
  // Deliberately never destroyed: it holds the open controller for the whole process, and
  // other objects may still use it while static destructors run.
  static ControllerDevice* const instance = new ControllerDevice();
  return *instance;
}
