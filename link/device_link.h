// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/controller_search.h"
#include "link/debug_trace.h"

// How a controller object reaches its controller and where it traces. Each entry program
// chooses the backend and puts its search here; an empty opener finds nothing.
struct DeviceLink {
  ControllerOpener openController;  // empty: no backend, so no controller is ever found
  TraceSink trace;                  // empty: the system log
};
