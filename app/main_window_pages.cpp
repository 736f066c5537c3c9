// SPDX-License-Identifier: GPL-3.0-or-later
#include <QWidget>

#include "app/main_window.h"
#include "device/verified_write.h"
#include "keys/key_slots.h"
#include "names/control_names.h"
#include "pages/page_controls.h"
#include "pages/slot_editing.h"
#include "settings/edit_merge.h"
#include "texts/phrases.h"
#include "ui/controls.h"

// Page changes, the page loads, Save and Restore: the window decides which page is shown and
// when the controller is read or written; the pages fill and restore their own controls.

// A read that fails puts the record back as it was, so no later Save can write defaults the
// user never chose.
bool MainWindow::ReadController() {
  const ControllerConfig before = device_.config;
  device_.config.LoadDefaults();
  if (device_.ReadSettings(device_.handle.get())) {
    loadedRecord_ = device_.config;
    MarkShownController();
    return true;
  }
  device_.config = before;
  return false;
}

// Another program (padctl, a profile applied at a game's start) may have written the
// controller since the page read it. Under one hold of the exchange lock the controller is
// read again, only the settings edited here since that read are laid over it, and the result
// is written and read back, so neither program undoes the other's change.
void MainWindow::MarkShownController() {
  marker_.Show(device_.handle ? device_.handle->Identity() : std::string());
}

MainWindow::SaveOutcome MainWindow::WriteEdits() {
  const ControllerConfig edited = device_.config;
  if (device_.HoldExchanges() != ExchangeLockAttempt::kTaken) return SaveOutcome::kNotWritten;
  SaveOutcome outcome = SaveOutcome::kNotWritten;
  if (device_.ReadSettings(device_.handle.get())) {
    const ControllerConfig merged = settings::MergeEdits(loadedRecord_, edited, device_.config);
    switch (WriteAndVerify(device_, WrittenSlots(merged)).outcome) {
      case WriteOutcome::kVerified:
        outcome = SaveOutcome::kVerified;
        break;
      case WriteOutcome::kDifferent:
        outcome = SaveOutcome::kReadBackDiffers;
        break;
      case WriteOutcome::kWriteFailed:
      case WriteOutcome::kReadBackFailed:
        break;
    }
  }
  device_.ReleaseExchanges();
  MarkShownController();
  // Without a read-back the record holds no state of the controller: keep the edits, so a
  // failed reload below cannot leave a half-merged record for the next Save.
  if (outcome == SaveOutcome::kNotWritten) device_.config = edited;
  return outcome;
}

void MainWindow::ShowMainMenu(bool visible) {
  mainMenu_.Show(visible);
}

void MainWindow::ShowBackKeyPage(bool visible) {
  backKeyPage_.Show(visible);
}

void MainWindow::ShowControlKeyPage(bool visible) {
  controlKeyPage_.Show(visible);
}

void MainWindow::ShowPageButtons(bool visible) {
  for (const char* button : names::kPageButtons) pageControls_->SetVisible(button, visible);
}

void MainWindow::MarkColourSwatch(std::uint32_t colour) {
  controlKeyPage_.MarkColourSwatch(colour);
}

void MainWindow::SetSlotImage(int slot, const QString& picture) {
  pages::SetSlotPicture(*pageControls_, static_cast<std::uint32_t>(slot), picture);
}

bool MainWindow::LoadBackKeyPage() {
  if (!ReadController()) return false;
  FillBackKeyPage();
  return true;
}

void MainWindow::FillBackKeyPage() {
  ShowMainMenu(false);
  ShowBackKeyPage(true);
  ShowPageButtons(true);
  backKeyPage_.Fill(device_.trace);
  ApplyLanguageTexts();
  SelectSlot(kNoSlot);
}

bool MainWindow::LoadControlKeyPage() {
  if (!ReadController()) return false;
  FillControlKeyPage();
  return true;
}

void MainWindow::FillControlKeyPage() {
  ShowMainMenu(false);
  ShowControlKeyPage(true);
  ShowPageButtons(true);
  controlKeyPage_.Fill(device_.trace);
  ApplyLanguageTexts();
  SelectSlot(kNoSlot);
}

void MainWindow::SaveSettings() {
  const SaveOutcome outcome = WriteEdits();
  ShowMessage(outcome == SaveOutcome::kVerified ? phrases::kSaved : phrases::kSaveFailed);
  // Take the focus off Save, so a key pressed next cannot press it again; a keyboard or pad
  // user, who sees where the focus is, keeps it on Save.
  ui::SetFocus(Find(m_pm.FocusVisible() ? names::kSave : names::kVersionLabel));
  // The page shows what the controller holds now, whatever the write did. After a read-back
  // the record is exactly that, read under the same hold of the lock, so it is shown without
  // reading the controller a third time.
  if (outcome == SaveOutcome::kNotWritten) {
    if (currentPage_ == Page::kBackKeys) LoadBackKeyPage();
    if (currentPage_ == Page::kControlKeys) LoadControlKeyPage();
    return;
  }
  loadedRecord_ = device_.config;
  if (currentPage_ == Page::kBackKeys) FillBackKeyPage();
  if (currentPage_ == Page::kControlKeys) FillControlKeyPage();
}

bool MainWindow::RestorePageDefaults() {
  if (!ReadController()) return false;
  if (currentPage_ == Page::kBackKeys) backKeyPage_.Restore();
  if (currentPage_ == Page::kControlKeys) controlKeyPage_.Restore();
  SelectSlot(kNoSlot);
  return true;
}

void MainWindow::SelectSlot(std::uint32_t slot) {
  // The picker belongs to the slot it was opened for; a page fill or Restore closes it.
  if (picker_ != nullptr && slot != selectedSlot_) picker_->close();
  selectedSlot_ = slot;
  pages::ShowArmedSlot(*pageControls_, slot);
  // Every page fill and Restore ends here: the slots' names follow what they now hold.
  for (const SlotButton& button : SlotButtons()) {
    ShowSlotName(static_cast<std::uint32_t>(button.slot));
  }
}

void MainWindow::OnBackKeyStep(int step) {
  const std::uint32_t slot = backKeyPage_.SlotToArm(step);
  if (slot != static_cast<std::uint32_t>(kNoSlot)) SelectSlot(slot);
}
