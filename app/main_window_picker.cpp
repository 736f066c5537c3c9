// SPDX-License-Identifier: GPL-3.0-or-later
#include <QToolButton>

#include "app/key_picker_popup.h"
#include "app/main_window.h"
#include "keys/key_names.h"
#include "keys/key_slots.h"
#include "pages/key_picker.h"
#include "pages/slot_capture.h"
#include "pages/slot_names.h"
#include "settings/setting_table.h"
#include "texts/accessible_names.h"
#include "texts/phrases.h"
#include "ui/controls.h"

// Choosing a key by touch, and the names assistive technology reads.

namespace {
// What tells a key from another one with the same picture: its name less the picture's
// ("RightCtrl" on "Ctrl.png" gives "Right", "Num1" on "1.png" "Num"), in the window's
// language; empty for the others.
QString Qualifier(const QString& name, const QString& picture, bool chinese) {
  QString stem = picture;
  stem.remove(QStringLiteral(".png"));
  stem.remove(QStringLiteral("Key_"));
  if (name.size() <= stem.size() || !name.endsWith(stem)) return {};
  const QString qualifier = name.left(name.size() - stem.size());
  for (const Phrase& phrase :
       {phrases::kPickerRight, phrases::kPickerNumpad, phrases::kPickerGamepad}) {
    if (qualifier == QLatin1String(phrase.english)) return phrase.In(chinese);
  }
  return qualifier;
}
}  // namespace

void MainWindow::OpenKeyPicker(std::uint32_t slot) {
  if (selectedSlot_ != slot || SlotButtonName(static_cast<int>(slot)) == nullptr) return;
  if (picker_ != nullptr) picker_->close();
  const pages::PickerPage page = currentPage_ == Page::kControlKeys
                                     ? pages::PickerPage::kControlKeys
                                     : pages::PickerPage::kBackKeys;
  const bool chinese = context_.UseChinese();
  KeyPickerPopup::Groups groups;
  for (const pages::PickerGroup& group : pages::PickerGroups(page)) {
    std::vector<KeyPickerPopup::Entry> entries;
    for (KeyCode code : group.codes) {
      const QString picture = KeyImageName(ToUiKeyCode(keyTranslationTable_, code));
      const QString name = QString::fromStdString(KeyName(code));
      // "none" shows its word: the no-key picture is an empty frame.
      if (code == 0) {
        entries.push_back({code, name, QPixmap(), phrases::kPickerNone.In(chinese)});
      } else {
        entries.push_back({code, name, m_pm.GetImage(picture), Qualifier(name, picture, chinese)});
      }
    }
    groups.push_back(std::move(entries));
  }
  const KeyPickerPopup::Title title{pages::SlotTitle(static_cast<int>(slot), chinese),
                                    m_pm.GetImage(QStringLiteral("close_nor.png")),
                                    phrases::kPickerClose.In(chinese)};
  auto* picker =
      new KeyPickerPopup(GetHost(), title, groups, [this](KeyCode code) { PickKey(code); });
  picker_ = picker;
  picker->show();
  picker->raise();
  picker->setFocus();
}

void MainWindow::ArmAndOpenPicker(std::uint32_t slot) {
  // The window numbers the rear steps 1..8 across both buttons.
  const settings::Setting* setting = settings::KeySettingOfSlot(static_cast<int>(slot));
  if (setting != nullptr && setting->kind == settings::SettingKind::kRearStep) {
    OnBackKeyStep(setting->button * settings::kStepsPerButton + setting->index);
  } else {
    SelectSlot(slot);
  }
  OpenKeyPicker(slot);
}

bool MainWindow::OpenPickerForFocusedSlot() {
  const CControlUI* focused = m_pm.GetFocus();
  if (focused == nullptr) return false;
  const SlotButton* button = nullptr;
  for (const SlotButton& candidate : SlotButtons()) {
    if (Find(candidate.buttonName) == focused) button = &candidate;
  }
  if (button == nullptr) return false;
  const auto slot = static_cast<std::uint32_t>(button->slot);
  ArmAndOpenPicker(slot);
  KeyPickerPopup* picker = OpenPicker();
  // A step that may not hold a key yet opens nothing, and stays as it was.
  if (picker == nullptr) return true;
  pickerByNavigation_ = true;
  picker->MarkFirstKey();
  const QString name = focused->GetName();
  // Runs once the picker is gone, whichever way it closed: a pick, Escape, B, a tap beside.
  QObject::connect(
      picker, &QObject::destroyed, GetHost(),
      [this, slot, name] {
        pickerByNavigation_ = false;
        if (selectedSlot_ == slot) SelectSlot(kNoSlot);
        if (CControlUI* control = m_pm.FindControl(name); control != nullptr && hasFocus_) {
          ui::SetFocus(control);
          m_pm.SetFocusVisible(true);
        }
      },
      Qt::QueuedConnection);
  return true;
}

KeyPickerPopup* MainWindow::OpenPicker() const {
  return static_cast<KeyPickerPopup*>(picker_.data());
}

void MainWindow::PickKey(KeyCode code) {
  pages::PickKey(ArmedSlot(), code);
  // "none" on a rear button empties the steps after it too.
  for (const SlotButton& button : SlotButtons()) {
    ShowSlotName(static_cast<std::uint32_t>(button.slot));
  }
}

void MainWindow::ApplyAccessibleNames() {
  const bool chinese = context_.UseChinese();
  // The reader calls the window by the program's name, not by its window class.
  if (QWidget* host = GetHost()) host->setAccessibleName(QStringLiteral("PadControls"));
  for (const AccessibleName& entry : AccessibleNames()) {
    ui::SetAttribute(Find(entry.control), QStringLiteral("accname"), entry.name.In(chinese));
  }
  // A slot's name tells its key, from the record: while the start-up read runs, the record is
  // the worker's, and the names follow once it has been joined (StartDevice applies them).
  const bool recordIsOurs = !startupRead_;
  for (const SlotButton& button : SlotButtons()) {
    ui::SetAttribute(Find(button.buttonName), QStringLiteral("menu"), QStringLiteral("true"));
    if (recordIsOurs) ShowSlotName(static_cast<std::uint32_t>(button.slot));
  }
}

void MainWindow::ShowSlotName(std::uint32_t slot) {
  const int index = static_cast<int>(slot);
  const char* button = SlotButtonName(index);
  if (button == nullptr) return;
  ui::SetAttribute(
      Find(button), QStringLiteral("accname"),
      pages::SlotAccessibleName(index, device_.config.Code(index), context_.UseChinese()));
}
