#include <string>

#include "app/main_window.h"
#include "keys/key_slots.h"
#include "models/model_layout.h"
#include "pages/led_settings.h"
#include "pages/page_fill.h"
#include "pages/slot_editing.h"
#include "texts/phrases.h"
#include "ui/controls.h"

namespace {
void SetAll(CControlUI* const* controls, std::size_t count, bool visible) {
  for (std::size_t i = 0; i < count; ++i) ui::SetVisible(controls[i], visible);
}
}  // namespace

// A read that fails puts the record back as it was, so no later Save can write defaults the
// user never chose.
bool MainWindow::ReadController() {
  const ControllerConfig before = device_.config;
  device_.config.LoadDefaults();
  if (device_.ReadSettings(device_.handle.get())) return true;
  device_.config = before;
  return false;
}

void MainWindow::ShowMainMenu(bool visible) {
  for (CControlUI* control : {backKeyBtn, backKeyLabel, controlKeyBtn, controlKeyLabel,
                              backKeyHelpBtn, controlKeyHelpBtn}) {
    ui::SetVisible(control, visible);
  }
}

void MainWindow::ShowBackKeyPage(bool visible) {
  SetAll(backKeySetBtn.data(), backKeySetBtn.size(), visible);
  SetAll(backKeyTimeCombo.data(), backKeyTimeCombo.size(), visible);
  for (CControlUI* control : {backKeyDevBkgImg, leftKeyLayout, rightKeyLayout}) {
    ui::SetVisible(control, visible);
  }
}

void MainWindow::ShowControlKeyPage(bool visible) {
  SetAll(conKeyBtn.data(), conKeyBtn.size(), visible);
  ui::SetVisible(conKeyDevBkgImg, visible);
  ui::SetVisible(vibLayout, visible);

  // The optional groups follow the handheld; on a model we do not know they keep
  // whatever visibility they had.
  const std::string model = context_.BoardModel();
  if (ShowsLedGroups(model)) {
    ui::SetVisible(ledColorLayout, visible);
    ui::SetVisible(ledModeLayout, visible);
  }
  if (ShowsDeadZoneGroup(model)) ui::SetVisible(deadZoneLayout, visible);
}

void MainWindow::ShowPageButtons(bool visible) {
  for (CControlUI* control : {backBtn, reductionBtn, saveBtn}) ui::SetVisible(control, visible);
}

void MainWindow::MarkColourSwatch(std::uint32_t colour) {
  pages::MarkColourSwatch(*pageControls_, ledColourTable, colour);
}

void MainWindow::SetSlotImage(int slot, const QString& picture) {
  pages::SetSlotPicture(*pageControls_, static_cast<std::uint32_t>(slot), picture);
}

bool MainWindow::LoadBackKeyPage() {
  if (!ReadController()) return false;
  ShowMainMenu(false);
  ShowBackKeyPage(true);
  ShowPageButtons(true);
  pages::FillBackKeyPage(*pageControls_, device_.config, KeyTranslationTable, device_.trace);
  ApplyLanguageTexts();
  SelectSlot(kNoSlot);
  return true;
}

bool MainWindow::LoadControlKeyPage() {
  if (!ReadController()) return false;
  ShowMainMenu(false);
  ShowControlKeyPage(true);
  ShowPageButtons(true);
  const std::string model = context_.BoardModel();
  pages::FillControlKeyPage(*pageControls_, device_.config,
                            {KeyTranslationTable, ledColourTable, model}, device_.trace);
  ApplyLanguageTexts();
  SelectSlot(kNoSlot);
  return true;
}

void MainWindow::SaveSettings() {
  const bool saved = device_.WriteSettings(device_.handle.get());
  ShowMessage(saved ? phrases::kSaved : phrases::kSaveFailed);
  // Take the focus off Save, so a key pressed next cannot press it again.
  ui::SetFocus(verLabel);
  // The page shows what the controller holds now, whatever the write did.
  if (currentPage == 1) LoadBackKeyPage();
  if (currentPage == 2) LoadControlKeyPage();
}

bool MainWindow::RestorePageDefaults() {
  if (!ReadController()) return false;
  if (currentPage == 1) pages::RestoreBackKeyPage(*pageControls_, device_.config);
  if (currentPage == 2) {
    const std::string model = context_.BoardModel();
    pages::RestoreControlKeyPage(*pageControls_, device_.config,
                                 {KeyTranslationTable, ledColourTable, model});
  }
  SelectSlot(kNoSlot);
  return true;
}
