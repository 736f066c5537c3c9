// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QKeyEvent>

#include "app/key_picker_popup.h"
#include "app/main_window.h"
#include "keys/gamepad_source.h"
#include "keys/key_slots.h"

namespace {
constexpr int kGamepadTickPeriodMs = 10;

bool AnyAnswering(const GamepadReadings& readings) {
  for (const auto& reading : readings) {
    if (reading) return true;
  }
  return false;
}

// An open list (a delay selector's) takes the pad's directions, A and B as its keys.
void SendKey(QWidget* target, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QApplication::sendEvent(target, &release);
}
}  // namespace

// The window's own message box, while it is shown over the window.
bool MainWindow::MessageShown() const {
  QWidget* modal = QApplication::activeModalWidget();
  return modal != nullptr && modal->parentWidget() == GetHost();
}

// The gamepad poll runs only while the window has the keyboard (or shows its own message, which
// the pad closes), and then exactly while it can have an effect: on the rear-button page
// (capture, and the delay selectors following their steps) and, on every page, while a pad
// answers (navigation). Without a pad the other pages never wake the processor; whether a pad
// answers is looked at once each time the focus comes back.
void MainWindow::UpdateGamepadTick() {
  if (deviceStarted_ && hasFocus_ && !padProbed_ && !gamepadTickRunning_) {
    padProbed_ = true;
    padPresent_ =
        gamepads_ != nullptr && gamepads_->MayHavePads() && AnyAnswering(gamepads_->Read());
  }
  const bool wanted = deviceStarted_ && (hasFocus_ || (padPresent_ && MessageShown())) &&
                      (currentPage_ == Page::kBackKeys || padPresent_);
  if (wanted == gamepadTickRunning_) return;
  if (wanted) {
    gamepadTickRunning_ = StartTick(kGamepadTickPeriodMs);
    // Buttons held as the poll starts were pressed for something else.
    padNavigation_.Restart();
  } else {
    StopTick();
    gamepadTickRunning_ = false;
  }
}

bool MainWindow::PollGamepad() {
  if (!hasFocus_) {
    // A or B answers the window's message as Enter would; nothing else is read meanwhile.
    if (MessageShown() && gamepads_ != nullptr) {
      for (PadCommand command : padNavigation_.Next(gamepads_->Read())) {
        if (command == PadCommand::kActivate || command == PadCommand::kBack) {
          SendKey(QApplication::activeModalWidget(), Qt::Key_Return);
          break;
        }
      }
    }
    UpdateGamepadTick();
    return true;
  }
  const GamepadReadings readings = gamepads_ != nullptr ? gamepads_->Read() : GamepadReadings{};
  const bool armed = selectedSlot_ != static_cast<std::uint32_t>(kNoSlot);
  // An armed slot (by a click or a tap) takes the pad's inputs; the open picker takes them as
  // navigation instead.
  const bool capturing = armed && picker_ == nullptr;
  if (currentPage_ == Page::kBackKeys) {
    // The slot's spoken name changes only when a tick stored something; most store nothing.
    if (backKeyPage_.TakeGamepadInputs(capturing ? readings : GamepadReadings{}, selectedSlot_)) {
      ShowSlotName(selectedSlot_);
    }
  }
  if (capturing) {
    padNavigation_.Restart();
  } else if (std::vector<PadCommand> commands = padNavigation_.Next(readings); !commands.empty()) {
    // Run once this beat of the tick is over: an action may open a modal message, and a timer
    // does not beat again inside its own beat, so the pad could not answer the message.
    QMetaObject::invokeMethod(
        GetHost(),
        [this, commands] {
          for (PadCommand command : commands) ApplyPadCommand(command);
        },
        Qt::QueuedConnection);
  }
  // The last pad went away: off the rear-button page the poll stops.
  padPresent_ = AnyAnswering(readings);
  UpdateGamepadTick();
  return false;
}

void MainWindow::ApplyPadCommand(PadCommand command) {
  if (KeyPickerPopup* picker = OpenPicker()) {
    switch (command) {
      case PadCommand::kUp:
        picker->MoveCurrent(ui::FocusDirection::kUp);
        break;
      case PadCommand::kDown:
        picker->MoveCurrent(ui::FocusDirection::kDown);
        break;
      case PadCommand::kLeft:
        picker->MoveCurrent(ui::FocusDirection::kLeft);
        break;
      case PadCommand::kRight:
        picker->MoveCurrent(ui::FocusDirection::kRight);
        break;
      case PadCommand::kActivate:
        picker->PickCurrent();
        break;
      case PadCommand::kBack:
        picker->close();
        break;
    }
    return;
  }
  if (QWidget* list = QApplication::activePopupWidget()) {
    if (command == PadCommand::kUp) SendKey(list, Qt::Key_Up);
    if (command == PadCommand::kDown) SendKey(list, Qt::Key_Down);
    if (command == PadCommand::kActivate) SendKey(list, Qt::Key_Return);
    if (command == PadCommand::kBack) SendKey(list, Qt::Key_Escape);
    return;
  }
  switch (command) {
    case PadCommand::kUp:
      m_pm.Navigate(ui::Navigation::kUp);
      break;
    case PadCommand::kDown:
      m_pm.Navigate(ui::Navigation::kDown);
      break;
    case PadCommand::kLeft:
      m_pm.Navigate(ui::Navigation::kLeft);
      break;
    case PadCommand::kRight:
      m_pm.Navigate(ui::Navigation::kRight);
      break;
    case PadCommand::kActivate:
      if (m_pm.GetFocus() == nullptr) {
        m_pm.FocusFirst();
      } else if (!OpenPickerForFocusedSlot()) {
        m_pm.Navigate(ui::Navigation::kActivate);
      }
      break;
    case PadCommand::kBack:
      if (currentPage_ != Page::kMainMenu) {
        m_pm.SetFocusVisible(true);
        BackToMainMenu();
      }
      break;
  }
}
