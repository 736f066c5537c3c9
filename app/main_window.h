#pragma once

#include <QString>
#include <array>
#include <memory>
#include <cstdint>
#include <vector>

#include "context/program_context.h"
#include "device/controller_device.h"
#include "keys/key_codes.h"
#include "ui/window_impl_base.h"

class PageControls;
namespace pages {
struct CaptureTarget;
}

// The program's one window. It builds the skin, adapts it to the handheld model and the
// system language, opens the controller and then captures keys, the wheel and gamepads from
// the toolkit's events and handles control notifications in Notify. Everything it asks of the
// world comes from the context it is made with; the controller object is its own and lives as
// long as it does.
struct Phrase;
class GamepadSource;

class MainWindow : public WindowImplBase {
 public:
  explicit MainWindow(const ProgramContext& context);
  ~MainWindow() override;

  // The window's own controller object.
  ControllerDevice& Device() { return device_; }

  QString WindowClassName() const override;
  QString SkinFileName() override;
  void OnWindowReady() override;
  void Notify(TNotifyUI& msg) override;

  // Hooks replaced here; the others keep the toolkit's behaviour. Each returns true when it
  // consumed its event.
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
  void SetGamepadSource(GamepadSource* source) { gamepads = source; }
  // Runs the gamepad tick exactly while the poll can have an effect; called whenever the
  // focus or the page changes.
  void UpdateGamepadTick();

  // Start-up.
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
  // Writes the record to the controller, says how it went, then reloads the shown page.
  void SaveSettings();
  // Factory values for the shown page's settings, in memory until Save; false when the
  // controller could not be read first.
  bool RestorePageDefaults();

  // Key slots.
  void SelectSlot(std::uint32_t slot);
  void OnBackKeyStep(int step);
  void StoreStepDelay(CControlUI* combo, int slot);

  // Rumble, LED and dead zones.
  void SetVibrationLevel(int level);
  void SelectVibrationOption(int level);
  void PickLedColour(int index);
  void SetLedMode(int kind);
  void ShowLedMode(std::uint8_t modeByte);
  void StoreDeadZones();
  void ShowDeadZones(std::uint16_t left, std::uint16_t right);

  // Shows a modal message in the system language, owned by this window; `secondLine`, when
  // given, follows the message on a line of its own.
  void ShowMessage(const Phrase& message, const Phrase* secondLine = nullptr);

  // State -------------------------------------------------------------------
  QString skinFile;
  std::uint32_t selectedSlot;
  std::uint32_t currentPage;
  TranslationTable KeyTranslationTable;

  // Control references, looked up by name once the skin is built; null when the skin
  // lacks a name (every operation on them goes through the null-safe ui:: functions).
  CControlUI* closeBtn = nullptr;
  CControlUI* minBtn = nullptr;
  CControlUI* backKeyBtn = nullptr;
  CControlUI* backKeyLabel = nullptr;
  CControlUI* backKeyHelpBtn = nullptr;
  CControlUI* controlKeyBtn = nullptr;
  CControlUI* controlKeyLabel = nullptr;
  CControlUI* controlKeyHelpBtn = nullptr;
  CControlUI* backBtn = nullptr;
  CControlUI* reductionBtn = nullptr;
  CControlUI* saveBtn = nullptr;
  CControlUI* backKeyDevBkgImg = nullptr;
  CControlUI* leftKeyLayout = nullptr;
  CControlUI* rightKeyLayout = nullptr;
  CControlUI* leftKeyLabel = nullptr;
  CControlUI* rightKeyLabel = nullptr;
  std::array<CControlUI*, 8> backKeySetBtn{};
  std::array<CControlUI*, 6> backKeyTimeCombo{};
  CControlUI* leftKeyTimeCombo1 = nullptr;

  QString firmwareText;
  std::uint32_t hasFocus;

  CControlUI* conKeyDevBkgImg = nullptr;
  // The fourteen control-key buttons: conKeyBtn[i] is the button of slot i.
  std::array<CControlUI*, 14> conKeyBtn{};
  CControlUI* vibLayout = nullptr;
  CControlUI* verLabel = nullptr;
  CControlUI* vibTitle = nullptr;
  std::array<CControlUI*, 3> vib{};

  std::vector<std::uint32_t> ledColourTable;
  GamepadSource* gamepads = nullptr;
  bool deviceStarted = false;  // the controller was opened and read at start-up
  bool gamepadTickRunning = false;

  CControlUI* ledColorLayout = nullptr;
  CControlUI* ledModeLayout = nullptr;
  CControlUI* ledColorTitle = nullptr;
  CControlUI* ledModeTitle = nullptr;
  std::array<CControlUI*, 13> ledColor{};
  CControlUI* ledModeOnOff = nullptr;
  CControlUI* ledModeRotated = nullptr;
  CControlUI* ledModeConstant = nullptr;
  CControlUI* ledModeBreathed = nullptr;
  CControlUI* deadZoneLayout = nullptr;
  CControlUI* rsCenterDzSlider = nullptr;
  CControlUI* rsBoundaryDzSlider = nullptr;
  CControlUI* lsCenterDzSlider = nullptr;
  CControlUI* lsBoundaryDzSlider = nullptr;
  CControlUI* rsCenterDzValue = nullptr;
  CControlUI* rsBoundaryDzValue = nullptr;
  CControlUI* lsCenterDzValue = nullptr;
  CControlUI* lsBoundaryDzValue = nullptr;
  CControlUI* rightAxesTitle = nullptr;
  CControlUI* rsCenterText = nullptr;
  CControlUI* rsBoundaryText = nullptr;
  CControlUI* leftAxesTitle = nullptr;
  CControlUI* lsCenterText = nullptr;
  CControlUI* lsBoundaryText = nullptr;

 private:
  void FindControls();
  void ApplyModelLayout();
  CControlUI* Find(const char* name) const;
  // Notification branches: true when the sender was one of the branch's controls.
  bool OnPageButtonClick(CControlUI* sender);
  bool OnSettingClick(CControlUI* sender);
  void OnValueChanged(CControlUI* sender);
  // Where captured keys go: the armed slot of the settings record, and its button.
  pages::CaptureTarget ArmedSlot();
  // Defaults first, then the controller's own map over them; false (the record as it was)
  // when the read fails.
  bool ReadController();

  ProgramContext context_;
  ControllerDevice device_;
  std::unique_ptr<PageControls> pageControls_;
};
