// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_entry.h"
#include "app/toolkit_start.h"
#include "device/hidraw/hidraw_controller.h"
#include "keys/sdl_gamepad_source.h"
#include "sysinfo/standard_descriptors.h"

// The program takes no options, and neither does its toolkit: Qt would read its own
// (-platform, -style, -reverse, ...) from the command line, so it sees the program's name
// alone. Its context is the real world: the controller among the system's hidraw nodes (the
// backend this program chooses), the system log, the board's firmware tables, the locale, real
// message boxes and the Resources folder beside the program. Without a display it ends at once
// with one line.
int main(int, char** argv) {
  if (!OpenStandardDescriptors()) return 1;
  static int toolkitArgc = 1;
  static char* toolkitArgv[] = {argv[0], nullptr};
  WindowContext context;
  context.openController = OpenHidrawController;
  const auto application =
      StartToolkit(toolkitArgc, toolkitArgv, "padcontrols", context.UseChinese());
  // Docks and task switchers find padcontrols.desktop by these: the application id on Wayland,
  // the X11 class (the entry's StartupWMClass) on X11, whatever name the program was started by.
  const QString applicationId = QStringLiteral("padcontrols");
  QGuiApplication::setApplicationName(applicationId);
  QGuiApplication::setDesktopFileName(applicationId);
  SdlGamepadSource gamepads;
  return RunPadControls(context, kInstanceGuardName, &gamepads);
}
