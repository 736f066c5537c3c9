#include "app/main_window.h"

#include <string>

#include "app/skin_page_controls.h"
#include "keys/key_slots.h"
#include "models/model_layout.h"
#include "texts/phrases.h"
#include "ui/controls.h"
#include "ui/input_method.h"

namespace {
constexpr std::uint32_t kLedColours[] = {0xFF0000, 0xFF3300, 0xFF6600, 0xFF9900, 0xFFFF00,
                                         0x99FF00, 0x00FF00, 0x00FFFF, 0x0000FF, 0x6600FF,
                                         0xFF00FF, 0xFF0066, 0xFFFFFF};

// What the system told about a failed start beyond "no", as a line for the user.
const Phrase* StartFailureReason(const ControllerDevice& device) {
  if (!device.handle && !device.deniedNode.empty()) {
    return device.deniedNodeTaken ? &phrases::kControllerTaken : &phrases::kNoPermission;
  }
  if (device.handle && device.handle->LastFault() == TransportFault::kUnsupported) {
    return &phrases::kKernelTooOld;
  }
  return nullptr;
}
}  // namespace

MainWindow::MainWindow(const ProgramContext& context)
    : skinFile(QStringLiteral("XmlMainWindow.xml")),
      selectedSlot(kNoSlot),
      currentPage(0),
      KeyTranslationTable{},
      context_(context),
      device_(context_),
      pageControls_(std::make_unique<SkinPageControls>(m_pm)) {
  m_pm.SetResourceFolder(context_.ResourceFolder());
  for (std::uint32_t colour : kLedColours) ledColourTable.push_back(colour);
  FillKeyTranslationTable(KeyTranslationTable);
  firmwareText.clear();
  hasFocus = 0;
}

MainWindow::~MainWindow() = default;

QString MainWindow::WindowClassName() const {
  return QStringLiteral("PadControlsMainWnd");
}

QString MainWindow::SkinFileName() {
  return skinFile;
}

CControlUI* MainWindow::Find(const char* name) const {
  return m_pm.FindControl(QString::fromLatin1(name));
}

void MainWindow::FindControls() {
  closeBtn = Find("closebtn");
  minBtn = Find("minbtn");
  backKeyBtn = Find("BackKeybtn");
  backKeyLabel = Find("BackKeyLabel");
  backKeyHelpBtn = Find("BackKeyHelpbtn");
  controlKeyBtn = Find("ControlKeybtn");
  controlKeyLabel = Find("ControlKeyLabel");
  controlKeyHelpBtn = Find("ControlKeyHelpbtn");
  backBtn = Find("Backbtn");
  reductionBtn = Find("Reductionbtn");
  saveBtn = Find("Savebtn");
  backKeyDevBkgImg = Find("BackKeyDevBkgImg");
  leftKeyLayout = Find("LeftKeylayout");
  rightKeyLayout = Find("RightKeylayout");
  leftKeyLabel = Find("LeftKeyLabel");
  rightKeyLabel = Find("RightKeyLabel");
  for (const SlotButton& button : SlotButtons()) {
    if (button.slot <= slots::kLastControlKey) {
      conKeyBtn[static_cast<std::size_t>(button.slot)] = Find(button.buttonName);
    } else {
      backKeySetBtn[static_cast<std::size_t>(button.slot - slots::kFirstRearStep1)] =
          Find(button.buttonName);
    }
  }
  for (int i = 0; i < 6; ++i) {
    backKeyTimeCombo[i] = Find(("BackKeyTimeCombo" + std::to_string(i + 1)).c_str());
  }
  leftKeyTimeCombo1 = Find("LeftKeyTimeCombo1");
  conKeyDevBkgImg = Find("ConKeyDevBkgImg");
  vibLayout = Find("VibLayout");
  verLabel = Find("VerLabel");
  vibTitle = Find("VibTitle");
  for (int i = 0; i < 3; ++i) vib[i] = Find(("Vib" + std::to_string(i)).c_str());
  ledColorLayout = Find("LedColorLayout");
  ledModeLayout = Find("LedModeLayout");
  ledColorTitle = Find("LedColorTitle");
  ledModeTitle = Find("LedModeTitle");
  for (int i = 0; i < 13; ++i) ledColor[i] = Find(("LedColor" + std::to_string(i)).c_str());
  ledModeOnOff = Find("LedModeOnOff");
  ledModeRotated = Find("LedModeRotated");
  ledModeConstant = Find("LedModeConstant");
  ledModeBreathed = Find("LedModeBreathed");
  deadZoneLayout = Find("DeadZoneLayout");
  rsCenterDzSlider = Find("RS_CenterDzSlider");
  rsBoundaryDzSlider = Find("RS_BoundaryDzSlider");
  lsCenterDzSlider = Find("LS_CenterDzSlider");
  lsBoundaryDzSlider = Find("LS_BoundaryDzSlider");
  rsCenterDzValue = Find("RsCenterDzValue");
  rsBoundaryDzValue = Find("RsBoundaryDzValue");
  lsCenterDzValue = Find("LsCenterDzValue");
  lsBoundaryDzValue = Find("LsBoundaryDzValue");
  rightAxesTitle = Find("RightAxesTitle");
  rsCenterText = Find("RsCenterText");
  rsBoundaryText = Find("RsBoundaryText");
  leftAxesTitle = Find("LeftAxesTitle");
  lsCenterText = Find("LsCenterText");
  lsBoundaryText = Find("LsBoundaryText");
}

void MainWindow::ApplyModelLayout() {
  const std::string model = context_.BoardModel();
  const ModelLayout* layout = LayoutFor(LayoutNumberOf(model));
  if (layout == nullptr) return;  // unknown handheld: the skin's own pictures and places
  for (const auto& setting : layout->pictures) {
    ui::SetAttribute(Find(setting.control), QString::fromLatin1(setting.attribute),
                     QString::fromLatin1(setting.value));
  }
  for (const auto& setting : layout->positions) {
    ui::SetAttribute(Find(setting.control), QString::fromLatin1(setting.attribute),
                     QString::fromLatin1(setting.value));
  }
}

void MainWindow::OnWindowReady() {
  CenterWindow();
  if (m_pm.GetRoot() == nullptr) {
    // Without its skin the window has no controls at all: say so rather than show a blank
    // window. The trace has the toolkit's reason.
    ShowMessage(phrases::kSkinBroken);
    PostQuitMessage(0);
    return;
  }
  // Keys are captured as plain key events; an input method would compose them into text.
  DisableInputMethod();
  FindControls();
  ApplyModelLayout();
  ShowBackKeyPage(false);
  ShowControlKeyPage(false);
  ShowPageButtons(false);
  currentPage = 0;
  ApplyLanguageTexts();

  if (StartDevice()) {
    deviceStarted = true;
    UpdateGamepadTick();
    return;
  }
  ShowMessage(phrases::kInitFailed, StartFailureReason(device_));
  PostQuitMessage(0);
}

bool MainWindow::StartDevice() {
  if (!device_.OpenController()) return false;
  if (!device_.ReadSettings(device_.handle.get())) return false;
  firmwareText = QString::fromStdWString(device_.versionPartX + device_.versionPartK);
  ApplyLanguageTexts();
  const bool chinese = context_.UseChinese();
  ui::SetAttribute(backKeyHelpBtn, QStringLiteral("tooltip"), phrases::kBackKeyHelp.In(chinese));
  ui::SetAttribute(controlKeyHelpBtn, QStringLiteral("tooltip"),
                   phrases::kControlKeyHelp.In(chinese));
  return true;
}
