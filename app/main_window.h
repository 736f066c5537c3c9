// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>
#include <cstdint>
#include <memory>

#include "app/back_key_page.h"
#include "app/control_key_page.h"
#include "app/main_menu_page.h"
#include "app/notify_table.h"
#include "app/window_context.h"
#include "device/controller_device.h"
#include "keys/gamepad_navigation.h"
#include "keys/key_codes.h"
#include "sysinfo/window_marker.h"
#include "ui/window_impl_base.h"

class GamepadSource;
class KeyPickerPopup;
class PageControls;
class StartupRead;
struct Phrase;
namespace pages {
struct CaptureTarget;
}

// Which page the window shows.
enum class Page { kMainMenu, kBackKeys, kControlKeys };

// The program's one window. It builds the skin, adapts it to the handheld model and the
// system language, opens the controller and then captures keys, the wheel and gamepads from
// the toolkit's events and hands control notifications to its pages. Everything it asks of the
// world comes from the context it is made with; the controller object is its own and lives as
// long as it does.
class MainWindow : public WindowImplBase {
 public:
  explicit MainWindow(const WindowContext& context);
  ~MainWindow() override;

  // The window's own controller object.
  ControllerDevice& Device() { return device_; }
  // The key slot armed for capture, kNoSlot for none.
  std::uint32_t SelectedSlot() const { return selectedSlot_; }
  Page CurrentPage() const { return currentPage_; }
  // Capture acts only while the window has the keyboard.
  bool HasFocus() const { return hasFocus_; }
  const QString& FirmwareText() const { return firmwareText_; }
  // The controller was opened and read at start-up.
  bool Started() const { return deviceStarted_; }

  QString WindowClassName() const override;
  QString SkinFileName() override;
  void OnWindowReady() override;
  void Notify(TNotifyUI& msg) override;

  // Hooks replaced here; the others keep the toolkit's behaviour. Each returns true when it
  // consumed its event.
  bool OnKeyDown(const ui::KeyEvent& key) override;
  bool OnKeyUp(const ui::KeyEvent& key) override;
  bool OnSysKeyDown(const ui::KeyEvent& key) override;
  bool OnWheel(const ui::WheelEvent& wheel) override;
  bool OnTick() override;
  bool OnCloseRequest() override;
  bool OnFocusLost() override;
  bool OnFocusGained() override;

  // Key, wheel and gamepad capture. An unfocused window keeps the event to itself (true).
  virtual bool CaptureKeyUp(const ui::KeyEvent& key);
  virtual bool CaptureSysKeyDown(const ui::KeyEvent& key);
  virtual bool CaptureWheel(const ui::WheelEvent& wheel);
  virtual bool PollGamepad();

  // Where PollGamepad reads gamepads from; none means no gamepads. Not owned: the entry keeps
  // the source alive as long as the window.
  void SetGamepadSource(GamepadSource* source) { gamepads_ = source; }

  // Start-up. BeginStartupRead opens and reads the controller on a worker thread while the
  // window is built; StartDevice then uses that read instead of making its own. Call it before
  // Create, and touch Device() no more until the window is ready.
  void BeginStartupRead();
  bool StartDevice();
  void ApplyLanguageTexts();

  // Pages.
  void ShowMainMenu(bool visible);
  void ShowBackKeyPage(bool visible);
  void ShowControlKeyPage(bool visible);
  void ShowPageButtons(bool visible);
  void MarkColourSwatch(std::uint32_t colour);
  // Shows a picture on a slot's button; slots without a button are ignored.
  void SetSlotImage(int slot, const QString& picture);
  // Each page load reads the controller afresh and shows what it holds; false (nothing
  // changed, on screen or in the record) when the read fails.
  bool LoadBackKeyPage();
  bool LoadControlKeyPage();
  // Shows a page from the record as it is, with nothing armed.
  void FillBackKeyPage();
  void FillControlKeyPage();
  // Writes the settings edited on the shown page over what the controller holds now, reads
  // them back, says how it went, then reloads the shown page.
  void SaveSettings();
  // Factory values for the shown page's settings, in memory until Save; false when the
  // controller could not be read first.
  bool RestorePageDefaults();

  // Key slots: arm one (kNoSlot disarms), or the slot of a rear-button step when its rule
  // allows.
  void SelectSlot(std::uint32_t slot);
  void OnBackKeyStep(int step);

  // Key picker: opens over the window for `slot` once arming it has succeeded (a rear-button
  // step that may not be armed yet opens nothing). A picked key goes into the armed slot as
  // its capture would; "none" (0) empties it.
  void OpenKeyPicker(std::uint32_t slot);
  // A key slot's menu: arms the slot as a click would (a rear-button step only when its rule
  // allows), then opens the picker for it.
  void ArmAndOpenPicker(std::uint32_t slot);
  // Enter, Space or the pad's A on the focused key slot: its picker, without leaving the slot
  // armed for capture. Once the picker closes, the slot is disarmed and has the focus again.
  // False when the focus is not on a key slot.
  bool OpenPickerForFocusedSlot();
  void PickKey(KeyCode code);
  // The picker while it is open, else null.
  KeyPickerPopup* OpenPicker() const;

  // Names for assistive technology in the window's language: the fixed ones, and each key
  // slot's by what it holds.
  void ApplyAccessibleNames();
  void ShowSlotName(std::uint32_t slot);

 private:
  void ApplyModelLayout();
  CControlUI* Find(const char* name) const;
  // Every control's action, in one table; built once the skin is.
  void BuildNotifyTable();
  void AddPageButtons();
  void AddKeyControls();
  void AddDeviceSettings();
  void OpenPage(Page page);
  void BackToMainMenu();
  // Runs the gamepad tick exactly while the poll can have an effect; called whenever the
  // focus or the page changes.
  void UpdateGamepadTick();
  // What the pad asks of the window when it is not captured: the picker's keys, an open list,
  // the focus, Back.
  void ApplyPadCommand(PadCommand command);
  bool MessageShown() const;
  // After a page change made from the keyboard or the pad, the focus goes to the new page.
  void FocusNewPage();
  void SetFocus(bool hasFocus);
  // Shows a modal message in the system language, owned by this window; `secondLine`, when
  // given, follows the message on a line of its own.
  void ShowMessage(const Phrase& message, const Phrase* secondLine = nullptr);
  // Where captured keys go: the armed slot of the settings record, and its button.
  pages::CaptureTarget ArmedSlot();
  // Defaults first, then the controller's own map over them, kept as the record the page's
  // edits start from; false (the record as it was) when the read fails.
  bool ReadController();
  // Marks the controller the window shows, so padctl can warn before writing it (after every
  // exchange: a replug gives the controller a new node).
  void MarkShownController();
  // Save's exchange. kVerified: the merged record was written and read back unchanged;
  // kReadBackDiffers: written, but the controller holds something else (the record holds
  // what it read back); kNotWritten: no read-back (the record keeps the edits).
  enum class SaveOutcome { kVerified, kReadBackDiffers, kNotWritten };
  SaveOutcome WriteEdits();
  // The start-up read's result: the one begun beside the window's building, or else one made
  // here and now.
  bool OpenAndReadAtStart();

  WindowContext context_;
  ControllerDevice device_;
  // The record as the last page load or Restore read it: what the user's edits are told
  // apart from at Save.
  ControllerConfig loadedRecord_;
  TranslationTable keyTranslationTable_{};
  std::unique_ptr<PageControls> pageControls_;
  MainMenuPage mainMenu_;
  BackKeyPage backKeyPage_;
  ControlKeyPage controlKeyPage_;
  NotifyTable notifyTable_;

  std::uint32_t selectedSlot_;
  Page currentPage_ = Page::kMainMenu;
  bool hasFocus_ = false;
  QString firmwareText_;
  GamepadSource* gamepads_ = nullptr;
  WindowMarker marker_;
  bool deviceStarted_ = false;
  bool gamepadTickRunning_ = false;
  // Whether a pad answered when last read; read once each time the window gains the focus or
  // pads come and go, so that without a pad no page but the rear-button page polls.
  bool padPresent_ = false;
  bool padProbed_ = false;
  GamepadNavigation padNavigation_;
  // The open picker was opened from the keyboard or the pad: it has the keys to itself.
  bool pickerByNavigation_ = false;
  // The open key picker (a KeyPickerPopup), null once it has closed.
  QPointer<QWidget> picker_;
  // Last, so that it is gone (its worker joined) before the device it reads.
  std::unique_ptr<StartupRead> startupRead_;
};
