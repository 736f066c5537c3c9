// SPDX-License-Identifier: GPL-3.0-or-later
#include <QWidget>

#include "app/main_window.h"
#include "keys/key_slots.h"
#include "names/control_names.h"
#include "texts/phrases.h"

// Every user action on a control arrives here and is looked up in one table, built once the
// skin exists. Page buttons end the handling; the other actions also reach the toolkit's
// default handling afterwards (which keeps the options' own selected state).
void MainWindow::Notify(TNotifyUI& msg) {
  if (notifyTable_.Run(msg.pSender, msg.sType)) return;
  WindowImplBase::Notify(msg);
}

void MainWindow::BuildNotifyTable() {
  AddPageButtons();
  AddKeyControls();
  AddDeviceSettings();
}

// Quit, minimise, the page changes, Restore and Save.
void MainWindow::AddPageButtons() {
  const QString click = QStringLiteral("click");
  const auto end = NotifyTable::Then::kEnd;
  // Nothing is saved on the way out: only Save writes to the controller.
  notifyTable_.Add(
      Find(names::kClose), click, [] { PostQuitMessage(0); }, end);
  notifyTable_.Add(
      Find(names::kMinimise), click, [this] { Minimize(); }, end);
  notifyTable_.Add(
      Find(names::kControlKeyMenu), click, [this] { OpenPage(Page::kControlKeys); }, end);
  notifyTable_.Add(
      Find(names::kBackKeyMenu), click, [this] { OpenPage(Page::kBackKeys); }, end);
  notifyTable_.Add(
      Find(names::kBack), click, [this] { BackToMainMenu(); }, end);
  notifyTable_.Add(
      Find(names::kRestore), click,
      [this] {
        if (!RestorePageDefaults()) ShowMessage(phrases::kRestoreFailed);
      },
      end);
  notifyTable_.Add(
      Find(names::kSave), click, [this] { SaveSettings(); }, end);
}

// Key buttons, rear-button steps and their delays.
void MainWindow::AddKeyControls() {
  const QString click = QStringLiteral("click");
  const auto next = NotifyTable::Then::kDefaultHandling;
  for (const SlotButton& button : SlotButtons()) {
    if (button.slot > slots::kLastControlKey) continue;
    const auto slot = static_cast<std::uint32_t>(button.slot);
    notifyTable_.Add(
        Find(button.buttonName), click, [this, slot] { SelectSlot(slot); }, next);
  }
  for (int step = 1; step <= static_cast<int>(names::kStepButtons.size()); ++step) {
    notifyTable_.Add(
        Find(names::kStepButtons[static_cast<std::size_t>(step - 1)]), click,
        [this, step] { OnBackKeyStep(step); }, next);
  }
  // A key slot's menu (right-click, press-and-hold, the show-menu action) arms it as a click
  // would, then offers its keys by touch.
  const QString menu = QStringLiteral("menu");
  for (const SlotButton& button : SlotButtons()) {
    const auto slot = static_cast<std::uint32_t>(button.slot);
    notifyTable_.Add(
        Find(button.buttonName), menu, [this, slot] { ArmAndOpenPicker(slot); }, next);
  }
  const QString itemSelect = QStringLiteral("itemselect");
  for (int combo = 1; combo <= static_cast<int>(names::kDelayCombos.size()); ++combo) {
    notifyTable_.Add(
        Find(names::kDelayCombos[static_cast<std::size_t>(combo - 1)]), itemSelect,
        [this, combo] { backKeyPage_.StoreStepDelay(combo); }, next);
  }
}

// Rumble, LED and dead zones.
void MainWindow::AddDeviceSettings() {
  const QString click = QStringLiteral("click");
  const auto next = NotifyTable::Then::kDefaultHandling;
  for (int level = 0; level < static_cast<int>(names::kVibrationOptions.size()); ++level) {
    notifyTable_.Add(
        Find(names::kVibrationOptions[static_cast<std::size_t>(level)]), click,
        [this, level] { controlKeyPage_.SetVibrationLevel(level); }, next);
  }
  for (int kind = 0; kind < static_cast<int>(names::kLedOptions.size()); ++kind) {
    const auto ledClick = static_cast<pages::LedClick>(kind);
    notifyTable_.Add(
        Find(names::kLedOptions[static_cast<std::size_t>(kind)]), click,
        [this, ledClick] { controlKeyPage_.SetLedMode(ledClick); }, next);
  }
  for (int index = 0; index < static_cast<int>(names::kLedSwatches.size()); ++index) {
    notifyTable_.Add(
        Find(names::kLedSwatches[static_cast<std::size_t>(index)]), click,
        [this, index] { controlKeyPage_.PickLedColour(index); }, next);
  }
  const QString valueChanged = QStringLiteral("valuechanged");
  for (const names::DeadZoneControl& deadZone : names::kDeadZones) {
    notifyTable_.Add(
        Find(deadZone.slider), valueChanged,
        [this, deadZone] { controlKeyPage_.OnDeadZoneMoved(deadZone); }, next);
  }
}

void MainWindow::OpenPage(Page page) {
  const bool loaded = page == Page::kBackKeys ? LoadBackKeyPage() : LoadControlKeyPage();
  if (!loaded) ShowMessage(phrases::kReadFailed);
  // The page number moves even when the page stays shut.
  currentPage_ = page;
  UpdateGamepadTick();
  FocusNewPage();
}

void MainWindow::BackToMainMenu() {
  ShowMainMenu(true);
  ShowBackKeyPage(false);
  ShowControlKeyPage(false);
  ShowPageButtons(false);
  if (picker_ != nullptr) picker_->close();
  selectedSlot_ = kNoSlot;
  currentPage_ = Page::kMainMenu;
  UpdateGamepadTick();
  FocusNewPage();
}

void MainWindow::FocusNewPage() {
  // A pointer user sees no focus and needs none; a keyboard or pad user lands on the page.
  if (m_pm.FocusVisible()) m_pm.FocusFirst();
}
