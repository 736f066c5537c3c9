#include "device/hidraw/hidraw_controller.h"

// Stand-in used only while the hidraw backend is not part of the build: no controller.
std::unique_ptr<ReportTransport> OpenHidrawController() {
  return nullptr;
}
