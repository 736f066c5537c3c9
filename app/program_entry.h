// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "app/window_context.h"
#include "sysinfo/single_instance.h"

class GamepadSource;
class MainWindow;

// The program after the toolkit's application object exists: single-instance guard, the
// main window made with `context` (its controller, board model, language, messages and
// resource folder), the message loop. Always 0. `gamepads` outlives the loop; none means no
// gamepads. `beforeLoop` runs once the window is shown, before the loop (the demo opens a page
// from there).
using BeforeLoop = std::function<void(MainWindow&)>;
int RunPadControls(const WindowContext& context, const std::string& guardName,
                   GamepadSource* gamepads = nullptr, const BeforeLoop& beforeLoop = {});
