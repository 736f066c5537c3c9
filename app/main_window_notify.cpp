#include "app/main_window.h"
#include "config/controller_config.h"
#include "keys/key_slots.h"
#include "pages/control_names.h"
#include "pages/dead_zones.h"
#include "pages/page_controls.h"
#include "texts/phrases.h"
#include "ui/paint_manager.h"

// Every user action on a control arrives here. Senders are told apart by identity with the
// references taken when the skin was built; a control the skin lacks never matches.
void MainWindow::Notify(TNotifyUI& msg) {
  CControlUI* sender = msg.pSender;
  if (sender != nullptr && msg.sType == QLatin1String("itemselect")) {
    for (std::size_t i = 0; i < backKeyTimeCombo.size(); ++i) {
      if (sender == backKeyTimeCombo[i]) StoreStepDelay(sender, StepDelaySlot(int(i) + 1));
    }
  } else if (sender != nullptr && msg.sType == QLatin1String("click")) {
    if (OnPageButtonClick(sender)) return;
    OnSettingClick(sender);
    for (std::size_t i = 0; i < ledColor.size(); ++i) {
      if (sender == ledColor[i]) PickLedColour(static_cast<int>(i));
    }
  }
  if (sender != nullptr && msg.sType == QLatin1String("valuechanged")) OnValueChanged(sender);
  WindowImplBase::Notify(msg);
}

// The buttons that end the handling of their click: quit, minimise, the page changes, Restore
// and Save.
bool MainWindow::OnPageButtonClick(CControlUI* sender) {
  if (sender == closeBtn) {
    // Nothing is saved on the way out: only Save writes to the controller.
    PostQuitMessage(0);
  } else if (sender == minBtn) {
    Minimize();
  } else if (sender == controlKeyBtn) {
    if (!LoadControlKeyPage()) ShowMessage(phrases::kReadFailed);
    currentPage = 2;
    UpdateGamepadTick();
  } else if (sender == backKeyBtn) {
    if (!LoadBackKeyPage()) ShowMessage(phrases::kReadFailed);
    currentPage = 1;
    UpdateGamepadTick();
  } else if (sender == backBtn) {
    ShowMainMenu(true);
    ShowBackKeyPage(false);
    ShowControlKeyPage(false);
    ShowPageButtons(false);
    selectedSlot = kNoSlot;
    currentPage = 0;
    UpdateGamepadTick();
  } else if (sender == reductionBtn) {
    if (!RestorePageDefaults()) ShowMessage(phrases::kRestoreFailed);
  } else if (sender == saveBtn) {
    SaveSettings();
  } else {
    return false;
  }
  return true;
}

// Key buttons, rumble and LED options: their clicks also reach the toolkit afterwards, which
// keeps the options' own selected state.
bool MainWindow::OnSettingClick(CControlUI* sender) {
  for (const SlotButton& button : SlotButtons()) {
    if (button.slot > slots::kLastControlKey) continue;
    if (sender == conKeyBtn[static_cast<std::size_t>(button.slot)]) {
      SelectSlot(static_cast<std::uint32_t>(button.slot));
      return true;
    }
  }
  for (std::size_t i = 0; i < backKeySetBtn.size(); ++i) {
    if (sender == backKeySetBtn[i]) {
      OnBackKeyStep(static_cast<int>(i) + 1);
      return true;
    }
  }
  for (std::size_t level = 0; level < vib.size(); ++level) {
    if (sender == vib[level]) {
      SetVibrationLevel(static_cast<int>(level));
      return true;
    }
  }
  // Kinds: 0 toggles on/off, 1 rotating, 2 constant, 3 breathing.
  const CControlUI* ledOptions[] = {ledModeOnOff, ledModeRotated, ledModeConstant, ledModeBreathed};
  for (int kind = 0; kind < 4; ++kind) {
    if (sender == ledOptions[kind]) {
      SetLedMode(kind);
      return true;
    }
  }
  return false;
}

// A dead-zone slider shows its new value in its label, then all four are stored.
void MainWindow::OnValueChanged(CControlUI* sender) {
  const std::pair<CControlUI*, CControlUI*> sliders[] = {{rsCenterDzSlider, rsCenterDzValue},
                                                         {rsBoundaryDzSlider, rsBoundaryDzValue},
                                                         {lsCenterDzSlider, lsCenterDzValue},
                                                         {lsBoundaryDzSlider, lsBoundaryDzValue}};
  for (const auto& [slider, label] : sliders) {
    if (sender != slider) continue;
    ui::SetText(label, pages::DeadZoneText(ui::GetSliderValue(slider)));
    StoreDeadZones();
    return;
  }
}
