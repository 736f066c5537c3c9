#pragma once

#include <memory>
#include <string>

#include "device/report_transport.h"

inline constexpr unsigned kControllerVendorId = 0x2F24;
inline constexpr unsigned kControllerProductId = 0x0135;

// Walks the system's hidraw interfaces in numeric order (hidraw2 before hidraw10), opens each
// read-write without exclusive use, and keeps the first whose IDs match the controller.
// Every other handle is closed; an interface that cannot be opened is skipped.
// Null when no matching interface could be opened.
std::unique_ptr<ReportTransport> OpenHidrawController();
