#include <QApplication>

#include "app/program_entry.h"
#include "keys/sdl_gamepad_source.h"

// The program takes no options, and neither does its toolkit: Qt would read its own
// (-platform, -style, -reverse, ...) from the command line, so it sees the program's name
// alone. The default context is the real world: the controller among the system's hidraw
// nodes, the system log, the board's firmware tables, the locale, real message boxes and the
// Resources folder beside the program.
int main(int, char** argv) {
  static int toolkitArgc = 1;
  static char* toolkitArgv[] = {argv[0], nullptr};
  QApplication application(toolkitArgc, toolkitArgv);
  SdlGamepadSource gamepads;
  return RunPadControls(ProgramContext(), kInstanceGuardName, &gamepads);
}
