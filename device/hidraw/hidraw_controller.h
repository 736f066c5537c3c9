// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "link/controller_search.h"

inline constexpr unsigned kControllerVendorId = 0x2F24;
inline constexpr unsigned kControllerProductId = 0x0135;

// Walks the system's hidraw interfaces in numeric order (hidraw2 before hidraw10), opens each
// read-write without exclusive use, and keeps the first whose IDs match the controller and
// that is not a keyboard or mouse interface of it (those the desktop keeps for itself; the
// settings go through the controller's other interfaces). Every other handle is closed; an
// interface that cannot be opened is skipped, and a matching one refused for lack of
// permission is named in the result.
ControllerSearch OpenHidrawController();
