#include <QApplication>

#include "app/program_entry.h"
#include "keys/sdl_gamepad_source.h"

// The program takes no options, and neither does its toolkit: Qt would read its own
// (-platform, -style, -reverse, ...) from the command line, so it sees the program's name
// alone. The controller is found among the system's hidraw nodes (the default opener).
int main(int, char** argv) {
  static int toolkitArgc = 1;
  static char* toolkitArgv[] = {argv[0], nullptr};
  QApplication application(toolkitArgc, toolkitArgv);
  SdlGamepadSource gamepads;
  return RunPadControls(kInstanceGuardName, EntryWiring{&gamepads, {}});
}
