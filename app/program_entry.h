#pragma once

#include <functional>
#include <string>

#include "context/program_context.h"
#include "sysinfo/single_instance.h"

class GamepadSource;
class MainWindow;

// The program after the toolkit's application object exists: single-instance guard, the
// main window made with `context` (its controller, board model, language, messages and
// resource folder), the message loop. Always 0.
struct EntryWiring {
  GamepadSource* gamepads = nullptr;  // outlives the loop; none means no gamepads
  // Runs once the window is shown, before the loop (the demo opens a page from here).
  std::function<void(MainWindow&)> beforeLoop;
};
int RunPadControls(const ProgramContext& context, const std::string& guardName,
                   const EntryWiring& wiring = {});
