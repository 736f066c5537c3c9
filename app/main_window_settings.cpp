#include "app/main_window.h"
#include "pages/dead_zones.h"
#include "pages/led_settings.h"
#include "pages/page_controls.h"
#include "pages/rumble.h"
#include "pages/slot_editing.h"
#include "ui/controls.h"

// The page handlers: each works on the one settings record and on the window's controls
// through the page units. None talks to the controller; Save does.

void MainWindow::SelectSlot(std::uint32_t slot) {
  selectedSlot = slot;
  pages::ShowArmedSlot(*pageControls_, slot);
}

void MainWindow::OnBackKeyStep(int step) {
  if (!pages::StepMayBeArmed(step, pages::StepPictures(*pageControls_))) return;
  SelectSlot(static_cast<std::uint32_t>(pages::StepSlot(step)));
}

void MainWindow::StoreStepDelay(CControlUI* combo, int slot) {
  device_.config.SetCode(slot, pages::DelayFromText(ui::GetText(combo)));
}

void MainWindow::SetVibrationLevel(int level) {
  pages::SetVibrationLevel(device_.config, level);
}

void MainWindow::SelectVibrationOption(int level) {
  pages::SelectVibrationOption(*pageControls_, level);
}

void MainWindow::PickLedColour(int index) {
  pages::PickLedColour(*pageControls_, device_.config, ledColourTable, index);
}

void MainWindow::SetLedMode(int kind) {
  pages::SetLedMode(*pageControls_, device_.config, static_cast<pages::LedClick>(kind),
                    context_.BoardModel());
}

void MainWindow::ShowLedMode(std::uint8_t modeByte) {
  pages::ShowLedMode(*pageControls_, modeByte, context_.BoardModel());
}

void MainWindow::StoreDeadZones() {
  pages::StoreDeadZones(*pageControls_, device_.config, context_.BoardModel());
}

void MainWindow::ShowDeadZones(std::uint16_t left, std::uint16_t right) {
  pages::ShowDeadZones(*pageControls_, left, right);
}
