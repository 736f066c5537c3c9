// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "link/controller_search.h"

inline constexpr unsigned kControllerVendorId = 0x2F24;
inline constexpr unsigned kControllerProductId = 0x0135;

// Walks the system's hidraw interfaces in numeric order (hidraw2 before hidraw10), opens each
// read-write without exclusive use, and keeps the first of the controller's interfaces whose
// report descriptor declares the settings exchange (output and input report 0x01, 64 bytes
// each). When none declares it (descriptors that cannot be read), the first that is not a
// keyboard or mouse interface only (those the desktop keeps for itself). Every other handle
// is closed; an interface that cannot be opened is skipped, and a matching one refused for
// lack of permission is named in the result. The notes say which was taken and why each
// earlier one was passed over.
ControllerSearch OpenHidrawController();
