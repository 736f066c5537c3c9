#include <string>

#include "app/language_texts.h"
#include "app/main_window.h"
#include "app/model_layout.h"
#include "config/controller_device.h"
#include "keys/key_slots.h"
#include "sysinfo/board_model.h"
#include "ui/controls.h"

namespace {
constexpr std::uint32_t kMarkedBorder = 0xFFFFFFFF;

void SetAll(CControlUI* const* controls, std::size_t count, bool visible) {
  for (std::size_t i = 0; i < count; ++i) ui::SetVisible(controls[i], visible);
}
}  // namespace

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
  std::string model;
  QueryBoardModel(model);
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
  for (std::size_t i = 0; i < ledColourTable.size() && i < ledColor.size(); ++i) {
    if (ledColourTable[i] == colour) {
      ui::SetBorderColor(ledColor[i], kMarkedBorder);
      return;
    }
  }
}

void MainWindow::SetSlotImage(int slot, const QString& picture) {
  const char* name = SlotButtonName(slot);
  if (name == nullptr) return;
  CControlUI* button = Find(name);
  ui::SetAttribute(button, QStringLiteral("bkimage"), picture);
  ui::SetAttribute(button, QStringLiteral("hotimage"), QString::fromLatin1(kKeyHotImage));
}

namespace {
// Defaults first, then the controller's own map over them; a read that fails puts the
// record back as it was, so no later Save can write defaults the user never chose.
bool ReadController() {
  ControllerDevice& device = TheControllerDevice();
  const ControllerConfig before = device.config;
  device.config.LoadDefaults();
  if (device.ReadSettings(device.handle.get())) return true;
  device.config = before;
  return false;
}
}  // namespace

bool MainWindow::LoadBackKeyPage() {
  if (!ReadController()) return false;
  ShowMainMenu(false);
  ShowBackKeyPage(true);
  ShowPageButtons(true);
  const ControllerConfig& config = TheControllerDevice().config;
  for (int slot = slots::kFirstRearStep1; slot <= slots::kLastRearStep; ++slot) {
    SetSlotImage(slot, KeyImageName(ToUiKeyCode(KeyTranslationTable, config.Code(slot))));
  }
  ApplyLanguageTexts();
  selectedSlot = kNoSlot;
  return true;
}

bool MainWindow::LoadControlKeyPage() {
  if (!ReadController()) return false;
  ShowMainMenu(false);
  ShowControlKeyPage(true);
  ShowPageButtons(true);
  const ControllerConfig& config = TheControllerDevice().config;
  for (int slot = slots::kFirstControlKey; slot <= slots::kLastControlKey; ++slot) {
    SetSlotImage(slot, KeyImageName(ToUiKeyCode(KeyTranslationTable, config.Code(slot))));
  }
  MarkColourSwatch(LedColour(config));
  ApplyLanguageTexts();
  selectedSlot = kNoSlot;
  return true;
}
