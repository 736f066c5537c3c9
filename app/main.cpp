#include <QApplication>

#include "app/program_entry.h"

// The program takes no options; the controller is found among the system's hidraw nodes
// (the default opener).
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  return RunPadControls(kInstanceGuardName);
}
