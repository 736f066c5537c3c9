#pragma once

#include <functional>
#include <string>

class GamepadSource;
class MainWindow;

inline constexpr const char* kInstanceGuardName = "KQVPAD3CONTROLS";

// The program after the toolkit's application object exists: single-instance guard, the
// resource path beside the program, the main window, the message loop. Always 0.
// The caller installs the controller opener (and any system overrides) beforehand.
struct EntryWiring {
  GamepadSource* gamepads = nullptr;  // outlives the loop; none means no gamepads
  // Runs once the window is shown, before the loop (the demo opens a page from here).
  std::function<void(MainWindow&)> beforeLoop;
};
int RunPadControls(const std::string& guardName, const EntryWiring& wiring = {});
