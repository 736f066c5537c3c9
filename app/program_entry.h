#pragma once

#include <string>

inline constexpr const char* kInstanceGuardName = "KQVPAD3CONTROLS";

// The program after the toolkit's application object exists: single-instance guard, the
// resource path beside the program, the main window, the message loop. Always 0.
// The caller installs the controller opener (and any system overrides) beforehand.
int RunPadControls(const std::string& guardName);
